// What the collection adds to the main window, in one place: "所持ｶｰﾄﾞ(&H)..." at the end of
// the ﾂｰﾙ menu opens the collection window (modeless, made once); "所持枚数を表示" in the
// 表示 menu (kept in ZEMLO.ini, COLLECTION / SHOW) marks the card lists over what they paint
// and shows the line of copies missing under the deck lists. With the option off the lists
// paint exactly as they do without it and the line is hidden.
#pragma once

#include <QObject>
#include <QPointer>
#include <filesystem>
#include <functional>
#include <string>

#include "carddb/card_database.h"
#include "collection/collection_window.h"
#include "collection/owned_counts_option.h"
#include "collection/owned_marks_delegate.h"
#include "deck/deck.h"
#include "settings/settings_store.h"

class QAction;
class QLabel;
class QMenu;
class QWidget;

namespace zemlo {

class CollectionDocument;
class DeckShortfallWatch;

class CollectionActions : public QObject {
    Q_OBJECT
public:
    // Everything given outlives this object; mainWindow is its parent.
    CollectionActions(const CardDatabase& db, SettingsStore& settings,
                      std::filesystem::path programDir, const Deck& deck, QWidget* mainWindow);

    void AddWindowItem(QMenu* toolMenu);
    // Puts the option's item at the end of viewMenu.
    void AddShowItem(QMenu* viewMenu);

    // Marks a catalog with the copies owned, or a deck list with what the deck lacks.
    void MarkCatalog(QAbstractItemView* list, OwnedMarksDelegate::CardNoOf cardNoOf);
    void MarkDeckList(QAbstractItemView* list, OwnedMarksDelegate::CardNoOf cardNoOf);
    // The line counting the copies missing, made as a child of parent for its owner to place;
    // shown while the option is on.
    QLabel* MakeMissingLine(QWidget* parent);

    void OpenWindow();
    // Turns the option on or off, as its menu item does.
    void SetShown(bool on);

    CollectionDocument& Document() const { return *document_; }
    DeckShortfallWatch& Watch() const { return *watch_; }
    const OwnedCountsOption& Option() const { return *option_; }
    CollectionWindow* Window() const { return window_; }

    QAction* windowItem = nullptr;
    QAction* showItem = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowMissingLine();
    void ScheduleMissingLine();
    void RepaintMarked(bool catalogs, bool deckLists, bool evenWhenOff = false);

    const CardDatabase& db_;
    SettingsStore& settings_;
    QWidget* mainWindow_;
    CollectionDocument* document_;
    DeckShortfallWatch* watch_;
    OwnedCountsOption* option_;
    QPointer<CollectionWindow> window_;
    std::vector<QPointer<QAbstractItemView>> catalogs_;
    std::vector<QPointer<QAbstractItemView>> deckLists_;
    QPointer<QLabel> missingLine_;
    bool missingLinePending_ = false;
};

}  // namespace zemlo

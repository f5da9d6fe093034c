// The Tools menu's windows: the statistics graphs, the draw test, the draw odds and the name
// search, with their menu items. The main window hands over what they read (cards, deck,
// catalogs) and what they call back (card information, card popup); it keeps none of their
// logic.
#pragma once

#include <QObject>
#include <QPointer>
#include <array>
#include <functional>

#include "carddb/card_database.h"
#include "deck/deck.h"
#include "settings/settings_store.h"
#include "tools/draw_test_dialog.h"
#include "tools/name_search_window.h"

class QAction;
class QDialog;
class QMenu;
class QWidget;

namespace zemlo {

class ToolWindows : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        DrawTestDialog::ShowCard showCard;
        DrawTestDialog::CardPopup cardPopup;
        NameSearchWindow::ShownCatalog shownCatalog;
        // The settings store of ZEMLO.ini, where the draw odds window keeps its draw counts.
        SettingsStore* settings = nullptr;
    };

    // mainWindow parents every window.
    ToolWindows(const CardDatabase& db, const Deck& deck, Hooks hooks, QWidget* mainWindow);

    // The name search, the six graphs, the draw test and the draw odds, in groups.
    void AddMenuItems(QMenu* toolMenu);

    void OpenNameSearch();
    // Graph 0..5 in a fresh dialog.
    void OpenGraph(int index);
    void OpenDrawTest();
    void OpenDrawOdds();

    // The main window was minimised or restored: the open search window follows it.
    void FollowMainWindow(bool minimised);

    // The search window while it is loaded, else nullptr.
    NameSearchWindow* SeekWindow() const { return seek_; }
    // SeekWindowOpen: the search window is meant to be visible (opened and not closed).
    bool SeekWindowOpen() const { return seekWindowOpen_; }

protected:
    // Shows a dialog modally; tests answer it without blocking.
    virtual void RunModal(QDialog& dialog);

private:
    void MakeSeekWindow();

    const CardDatabase& db_;
    const Deck& deck_;
    Hooks hooks_;
    QWidget* mainWindow_;
    bool seekWindowOpen_ = false;
    QPointer<NameSearchWindow> seek_;
};

}  // namespace zemlo

// The card images beside the main window, in one object the main window makes: the folder of
// images and its index, the decoding thread with its cache, the card image window, the
// pictures over the card lists and the proxy sheet's commands. The main window hands it its
// menus, its card lists and every card the card information shows; nothing else of the
// window changes, and with no folder of images nothing it shows changes at all.
#pragma once

#include <QObject>
#include <QPointer>
#include <filesystem>

#include "carddb/card_database.h"
#include "deck/deck.h"
#include "settings/settings_store.h"

class QAbstractItemView;
class QAction;
class QMenu;
class QWidget;

namespace zemlo {

class CardImageWindow;
class FileMenu;
class ImageFolder;
class ImageLoader;
class ImageToolTips;
class ProxySheetActions;

class CardImages : public QObject {
    Q_OBJECT
public:
    CardImages(const CardDatabase& db, const Deck& deck, SettingsStore& settings,
               const std::filesystem::path& programDir, QWidget* mainWindow);
    ~CardImages() override;

    // "ｶｰﾄﾞ画像(&I)" at the end of the view menu.
    void AddViewMenuItem(QMenu* viewMenu);
    // The proxy commands in the file menu's proxy section.
    void AddFileMenuItems(FileMenu& fileMenu);
    // Pictures over list's entries.
    void WatchList(QAbstractItemView* list);

    // The card the card information shows now.
    void FollowCard(CardKind kind, const QString& cardNo);
    // The main window was minimised or restored: the image window follows it.
    void FollowMainWindow(bool minimised);

    void OpenWindow();
    // The window once it was opened, else nullptr.
    CardImageWindow* Window() const;
    ImageFolder& Folder() const { return *folder_; }
    ImageLoader& Loader() const { return *loader_; }
    ImageToolTips& ToolTips() const { return *toolTips_; }
    ProxySheetActions& Proxies() const { return *proxies_; }

    QAction* windowItem = nullptr;

private:
    const CardDatabase& db_;
    SettingsStore& settings_;
    QWidget* mainWindow_;
    ImageFolder* folder_;
    ImageLoader* loader_;
    ImageToolTips* toolTips_;
    ProxySheetActions* proxies_;
    QPointer<CardImageWindow> window_;
    CardKind shownKind_ = CardKind::Unit;
    QString shownCardNo_;
};

}  // namespace zemlo

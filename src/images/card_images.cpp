#include "images/card_images.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

#include "images/card_image_window.h"
#include "images/image_folder.h"
#include "images/image_limits.h"
#include "images/image_loader.h"
#include "images/image_tool_tips.h"
#include "images/proxy_sheet_actions.h"

namespace zemlo {

CardImages::CardImages(const CardDatabase& db, const Deck& deck, SettingsStore& settings,
                       const std::filesystem::path& programDir, QWidget* mainWindow)
    : QObject(mainWindow), db_(db), settings_(settings), mainWindow_(mainWindow) {
    folder_ = new ImageFolder(settings, programDir, this);
    loader_ = new ImageLoader(kImageCacheBytes, this);
    toolTips_ = new ImageToolTips(*folder_, *loader_, this);
    proxies_ = new ProxySheetActions(db, deck, *folder_, *loader_, programDir, mainWindow);
    // The first look waits for the event loop: the start-up sequence runs as it always has.
    QTimer::singleShot(0, folder_, &ImageFolder::Start);
}

CardImages::~CardImages() {
    // The window is the main window's child, gone with it; it must not outlive the loader.
    delete window_;
}

CardImageWindow* CardImages::Window() const {
    return window_;
}

void CardImages::AddViewMenuItem(QMenu* viewMenu) {
    windowItem = viewMenu->addAction(QStringLiteral("ｶｰﾄﾞ画像(&I)"));
    windowItem->setObjectName("mnuCardImage");
    connect(windowItem, &QAction::triggered, this, &CardImages::OpenWindow);
}

void CardImages::AddFileMenuItems(FileMenu& fileMenu) {
    proxies_->AddMenuItems(fileMenu);
}

void CardImages::WatchList(QAbstractItemView* list) {
    toolTips_->Watch(list);
}

void CardImages::FollowCard(CardKind kind, const QString& cardNo) {
    shownKind_ = kind;
    shownCardNo_ = cardNo;
    if (window_ != nullptr) window_->Follow(kind, cardNo);
}

void CardImages::FollowMainWindow(bool minimised) {
    if (window_ != nullptr) window_->FollowMainWindow(minimised);
}

void CardImages::OpenWindow() {
    if (window_ == nullptr) {
        window_ = new CardImageWindow(db_, *folder_, *loader_, settings_, mainWindow_);
        window_->Follow(shownKind_, shownCardNo_);
    }
    window_->Open();
}

}  // namespace zemlo

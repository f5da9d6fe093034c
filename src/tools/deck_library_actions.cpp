#include "tools/deck_library_actions.h"

#include <QAction>

#include "deckfile/file_menu.h"

namespace zemlo {

DeckLibraryActions::DeckLibraryActions(const CardDatabase& db, SettingsStore& settings,
                                       std::filesystem::path programDir, LibraryHooks hooks,
                                       QWidget* mainWindow)
    : QObject(mainWindow),
      db_(db),
      settings_(settings),
      programDir_(std::move(programDir)),
      hooks_(std::move(hooks)),
      mainWindow_(mainWindow) {}

void DeckLibraryActions::AddMenuItem(FileMenu& menu) {
    libraryItem = new QAction(QStringLiteral("ﾃﾞｯｷﾗｲﾌﾞﾗﾘ(&L)..."), this);
    libraryItem->setObjectName("mnuLibrary");
    libraryItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    menu.Add(FileMenuSection::DeckFile, libraryItem);
    connect(libraryItem, &QAction::triggered, this, &DeckLibraryActions::OpenLibrary);
}

void DeckLibraryActions::OpenLibrary() {
    if (window_ == nullptr) {
        window_ = new DeckLibraryWindow(db_, settings_, programDir_, hooks_, mainWindow_);
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

}  // namespace zemlo

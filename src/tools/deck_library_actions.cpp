#include "tools/deck_library_actions.h"

#include <QAction>
#include <QMenu>

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

void DeckLibraryActions::AddMenuItem(QMenu* menu, QAction* after) {
    libraryItem = new QAction(QStringLiteral("ﾃﾞｯｷﾗｲﾌﾞﾗﾘ(&L)..."), menu);
    libraryItem->setObjectName("mnuLibrary");
    libraryItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    const QList<QAction*> actions = menu->actions();
    const qsizetype at = actions.indexOf(after);
    menu->insertAction(at >= 0 && at + 1 < actions.size() ? actions.at(at + 1) : nullptr,
                       libraryItem);
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

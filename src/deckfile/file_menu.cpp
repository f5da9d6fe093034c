#include "deckfile/file_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace zemlo {

FileMenu::FileMenu(QMenuBar* bar) : QObject(bar), menu_(bar->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"))) {
    menu_->setObjectName("mnuFile");
    menu_->menuAction()->setObjectName("mnuFile");
    for (QAction*& separator : separators_) {
        separator = new QAction(menu_);
        separator->setSeparator(true);
    }
}

void FileMenu::Add(FileMenuSection section, QAction* item) {
    items_[static_cast<std::size_t>(section)] << item;
    Arrange();
}

void FileMenu::AddExitItem(QWidget* window) {
    auto* item = new QAction(QStringLiteral("終了(&X)"), this);
    item->setObjectName("mnuExit");
    connect(item, &QAction::triggered, window, &QWidget::close);
    Add(FileMenuSection::Exit, item);
}

void FileMenu::Remove(QAction* item) {
    for (QList<QAction*>& items : items_) items.removeAll(item);
    menu_->removeAction(item);
    Arrange();
}

void FileMenu::Arrange() {
    for (QAction* action : menu_->actions()) menu_->removeAction(action);
    bool earlier = false;
    for (std::size_t s = 0; s < kSections; ++s) {
        if (items_[s].isEmpty()) continue;
        // The separator that ends the section before this one.
        if (earlier) menu_->addAction(separators_[s]);
        menu_->addActions(items_[s]);
        earlier = true;
    }
}

}  // namespace zemlo

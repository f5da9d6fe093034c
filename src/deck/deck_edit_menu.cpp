#include "deck/deck_edit_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

#include "deck/deck_history.h"

namespace zemlo {

QMenu* AddDeckEditMenu(QMenuBar* bar, DeckHistory& history) {
    QMenu* menu = bar->addMenu(QStringLiteral("編集(&E)"));
    menu->setObjectName("mnuEdit");
    menu->menuAction()->setObjectName("mnuEdit");

    QUndoStack* stack = history.Stack();
    QAction* undo = menu->addAction(QStringLiteral("元に戻す(&U)"));
    undo->setObjectName("mnuUndo");
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    undo->setEnabled(stack->canUndo());
    QObject::connect(undo, &QAction::triggered, stack, &QUndoStack::undo);
    QObject::connect(stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);

    QAction* redo = menu->addAction(QStringLiteral("やり直し(&R)"));
    redo->setObjectName("mnuRedo");
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    redo->setEnabled(stack->canRedo());
    QObject::connect(redo, &QAction::triggered, stack, &QUndoStack::redo);
    QObject::connect(stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    return menu;
}

}  // namespace zemlo

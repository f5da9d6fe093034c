#include "ui/deck_commands.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTimer>
#include <QUndoStack>
#include <QUrl>

#include "deck/deck_history.h"
#include "deckfile/deck_file_actions.h"
#include "deckfile/deck_file_format.h"
#include "deckfile/deck_text_importer.h"
#include "deckfile/recent_files_menu.h"
#include "deckfile/unsaved_deck_guard.h"
#include "platform/path_text.h"
#include "platform/qt_paths.h"

namespace zemlo {
namespace {

// The first local file of a drag that the open command would read, or "" when it carries
// none: any other file would only empty the deck.
QString DroppedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls()) {
        // The URL's own bytes: a name in CP932 stays itself.
        const QString path = PathQString(LocalFileOf(url));
        if (!path.isEmpty() && DeckFileTypeOf(path.toStdU16String()) != DeckFileType::None) {
            return path;
        }
    }
    return {};
}

// The action that follows after in menu, or nullptr when it is the last.
QAction* ActionAfter(QMenu* menu, QAction* after) {
    const QList<QAction*> actions = menu->actions();
    const qsizetype at = actions.indexOf(after);
    return at >= 0 && at + 1 < actions.size() ? actions.at(at + 1) : nullptr;
}

}  // namespace

DeckCommands::DeckCommands(const DeckCommandContext& context)
    : QObject(&context.window),
      window_(context.window),
      history_(context.history),
      files_(context.files) {
    const DeckCommandMenus& menus = context.menus;
    DeckFileActions* files = &files_;
    // はい saves as 上書き保存 does: to the deck's own file, asking only when it has none.
    guard_ =
        std::make_unique<UnsavedDeckGuard>([this] { return history_.IsChanged(); },
                                           [files] { return files->OverwriteDeck(); }, &window_);
    auto mayReplace = [this] { return MayDiscardDeck(); };
    files_.SetReplaceGuard(mayReplace);

    // The desktop's usual keys for opening and saving under a name, shown beside the items;
    // Ctrl+S is 上書き保存's.
    menus.open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    menus.save->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));

    BuildEditMenu(menus.viewMenu);

    importer_ = new DeckTextImporter(context.db, history_, &window_);
    importer_->SetReplaceGuard(mayReplace);
    importItem =
        new QAction(QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞからﾃﾞｯｷﾃﾞｰﾀを取り込む(&I)"), menus.fileMenu);
    importItem->setObjectName("mnuImport");
    menus.fileMenu->insertAction(ActionAfter(menus.fileMenu, menus.copy), importItem);
    connect(importItem, &QAction::triggered, importer_, &DeckTextImporter::ImportFromClipboard);
    // The deck text's deck is no longer the file's.
    connect(importer_, &DeckTextImporter::deckImported, files, &DeckFileActions::ForgetDeckFile);

    recent_ = new RecentFilesMenu(menus.fileMenu, menus.exit, context.settings, this);
    connect(recent_, &RecentFilesMenu::fileChosen, this, &DeckCommands::OpenRecentFile);

    connect(files, &DeckFileActions::deckSaved, this, [this](const QString& path) {
        history_.MarkSaved();
        recent_->Remember(PathQString(AbsolutePath(PathOf(path))));
    });
    connect(files, &DeckFileActions::deckOpened, this, [this](const QString& path, bool read) {
        history_.MarkSaved();
        if (read) recent_->Remember(PathQString(AbsolutePath(PathOf(path))));
    });

    window_.setAcceptDrops(true);
    window_.installEventFilter(this);
}

DeckCommands::~DeckCommands() = default;

void DeckCommands::BuildEditMenu(QMenu* before) {
    editMenu = new QMenu(QStringLiteral("編集(&E)"), &window_);
    editMenu->setObjectName("mnuEdit");
    editMenu->menuAction()->setObjectName("mnuEdit");
    window_.menuBar()->insertMenu(before->menuAction(), editMenu);

    QUndoStack* stack = history_.Stack();
    undoItem = editMenu->addAction(QStringLiteral("元に戻す(&U)"));
    undoItem->setObjectName("mnuUndo");
    undoItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    undoItem->setEnabled(stack->canUndo());
    connect(undoItem, &QAction::triggered, stack, &QUndoStack::undo);
    connect(stack, &QUndoStack::canUndoChanged, undoItem, &QAction::setEnabled);

    redoItem = editMenu->addAction(QStringLiteral("やり直し(&R)"));
    redoItem->setObjectName("mnuRedo");
    redoItem->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    redoItem->setEnabled(stack->canRedo());
    connect(redoItem, &QAction::triggered, stack, &QUndoStack::redo);
    connect(stack, &QUndoStack::canRedoChanged, redoItem, &QAction::setEnabled);
}

bool DeckCommands::MayDiscardDeck() const {
    return guard_->MayDiscardDeck();
}

void DeckCommands::OpenDeckFile(const QString& path) {
    if (path.isEmpty() || !MayDiscardDeck()) return;
    files_.OpenDeckFile(path);
}

void DeckCommands::OpenRecentFile(const QString& path) {
    if (!MayDiscardDeck()) return;
    // A file that has gone away is named by the reader's message and leaves the list.
    if (!files_.OpenDeckFile(path)) recent_->Forget(path);
}

bool DeckCommands::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_) {
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            auto* drag = static_cast<QDropEvent*>(event);
            if (!DroppedFile(drag->mimeData()).isEmpty()) {
                drag->acceptProposedAction();
                return true;
            }
        } else if (event->type() == QEvent::Drop) {
            auto* drop = static_cast<QDropEvent*>(event);
            const QString path = DroppedFile(drop->mimeData());
            if (!path.isEmpty()) {
                drop->acceptProposedAction();
                // The question and the reader's messages wait until the drag has ended.
                QTimer::singleShot(0, this, [this, path] { OpenDeckFile(path); });
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zemlo

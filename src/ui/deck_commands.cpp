#include "ui/deck_commands.h"

#include <QDropEvent>
#include <QMainWindow>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include "deck/deck_document.h"
#include "deck/deck_summary.h"
#include "deckfile/deck_file_format.h"
#include "deckfile/deck_sheet_actions.h"
#include "deckfile/deck_text_importer.h"
#include "deckfile/recent_files_menu.h"
#include "platform/qt_paths.h"
#include "tools/deck_library_actions.h"

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

}  // namespace

DeckCommands::DeckCommands(const DeckCommandContext& context)
    : QObject(&context.window), window_(context.window) {
    DeckDocument& document = context.document;
    // Each adds its items to the file menu; within a section they stand in this order.
    files_ = new DeckFileActions(context.files, document, &window_);
    files_->AddMenuItems(context.fileMenu);

    LibraryHooks hooks;
    hooks.currentDeck = [&document] { return SummarizeDeck(document.CurrentDeck()); };
    hooks.openDeck = [this](const QString& path) {
        OpenDeckFile(path);
        // The deck is what the player asked to see.
        window_.raise();
        window_.activateWindow();
    };
    hooks.shownCardNo = context.shownCardNo;
    hooks.collection = context.collection;
    library_ = new DeckLibraryActions(context.files.db, context.files.settings,
                                      context.files.programDir, std::move(hooks), &window_);
    library_->AddMenuItem(context.fileMenu);

    importer_ = new DeckTextImporter(context.files.db, document.History(), &window_);
    importer_->SetReplaceGuard([this] { return files_->MayDiscardDeck(); });
    importer_->AddMenuItem(context.fileMenu);
    // The deck text's deck is no longer the file's.
    connect(importer_, &DeckTextImporter::deckImported, &document, &DeckDocument::ForgetFile);

    sheet_ =
        new DeckSheetActions(context.files.settings, context.files.programDir, document, &window_);
    sheet_->AddMenuItems(context.fileMenu);

    recent_ = new RecentFilesMenu(context.fileMenu, context.files.settings, document, this);
    connect(recent_, &RecentFilesMenu::fileChosen, this, [this](const QString& path) {
        // A file that has gone away is named by the reader's message and leaves the list.
        if (OpenDeckFile(path) == DeckFileActions::OpenResult::Unreadable) recent_->Forget(path);
    });

    window_.setAcceptDrops(true);
    window_.installEventFilter(this);
}

DeckCommands::~DeckCommands() = default;

DeckFileActions::OpenResult DeckCommands::OpenDeckFile(const QString& path) {
    return files_->OpenDeck(path);
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

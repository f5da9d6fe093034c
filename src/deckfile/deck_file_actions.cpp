#include "deckfile/deck_file_actions.h"

#include <QAction>
#include <QClipboard>
#include <QDate>
#include <QGuiApplication>
#include <QMenu>

#include "carddb/text_width.h"
#include "deck/deck_history.h"
#include "deckfile/deck_file_format.h"
#include "deckfile/deck_file_reader.h"
#include "deckfile/deck_file_writer.h"
#include "deckfile/deck_text.h"
#include "deckfile/output_items_dialog.h"
#include "platform/busy_cursor.h"
#include "platform/dialog_service.h"
#include "platform/path_text.h"
#include "platform/qt_paths.h"

namespace zemlo {
namespace {

QString InitialPath(const std::filesystem::path& dir, const QString& name) {
    return PathQString(dir / PathOf(name));
}

bool Exists(const QString& path) {
    std::error_code ec;
    return std::filesystem::exists(PathOf(path), ec);
}

}  // namespace

DeckFileActions::DeckFileActions(DeckFileContext state, DeckHistory& history, QWidget* parent)
    : QObject(parent), state_(std::move(state)), history_(history), parentWidget_(parent) {}

QString DeckFileActions::AskDeckFileName(FileDialogPurpose purpose) {
    const bool save = purpose == FileDialogPurpose::Save;
    FileDialogRequest request;
    request.save = save;
    request.title =
        save ? QStringLiteral("名前を付けてﾃﾞｯｷﾃﾞｰﾀを保存") : QStringLiteral("ﾃﾞｯｷﾃﾞｰﾀを開く");
    const QDate today = QDate::currentDate();
    request.initialPath = InitialPath(
        state_.programDir,
        save ? QString::fromStdU16String(OfferedDeckFileName(today.month(), today.day()))
             : QStringLiteral("*.htm"));
    // The type list shows this one entry as it stands; its own parentheses carry the pattern.
    request.filter = QStringLiteral("MS HTML Document(*.htm)");
    // The offered name has no extension; without this it would be saved as nothing at all.
    request.defaultSuffix = save ? QStringLiteral("htm") : QString();
    request.confirmOverwrite = save;
    const QString chosen = Dialogs().AskFileName(parentWidget_, request);
    return QString::fromStdU16String(TrimBlanks(chosen.toStdU16String()));
}

void DeckFileActions::SaveCommand() {
    SaveDeck();
}

bool DeckFileActions::SaveDeck() {
    const DeckSaveTarget target =
        DeckSaveTargetOf(AskDeckFileName(FileDialogPurpose::Save).toStdU16String());
    const QString path = QString::fromStdU16String(target.path);
    if (target.refused) {
        // Saying nothing here would leave the player believing the deck was saved.
        Dialogs().Message(parentWidget_, QMessageBox::Warning, ApplicationTitle(),
                          QStringLiteral("ﾃﾞｯｷﾃﾞｰﾀは保存されていません。"
                                         "ﾌｧｲﾙ名の末尾を .htm にしてください。"),
                          QMessageBox::Ok);
        return false;
    }
    // The file dialog asked before replacing the name it was given, not the one with ".htm"
    // added here.
    if (target.extensionAdded && Exists(path) &&
        Dialogs().Message(
            parentWidget_, QMessageBox::Question, ApplicationTitle(),
            QStringLiteral("%1 は既にあります。置き換えますか？").arg(ShownPathText(path)),
            QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
        return false;
    }
    BusyCursor busy;
    switch (target.type) {
        case DeckFileType::Html:
            if (!WriteDeckHtml(path)) return false;
            deckFile_ = PathQString(AbsolutePath(PathOf(path)));
            emit deckSaved(path);
            return true;
        case DeckFileType::Csv:
            // The CSV form is not written: the deck stays unsaved.
            WriteDeckCsv(path);
            break;
        case DeckFileType::None:
            break;
    }
    return false;
}

QAction* DeckFileActions::AddOverwriteItem(QMenu* menu, QAction* after) {
    auto* item = new QAction(QStringLiteral("上書き保存"), menu);
    item->setObjectName("mnuOverwrite");
    item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    const QList<QAction*> actions = menu->actions();
    const qsizetype at = actions.indexOf(after);
    menu->insertAction(at >= 0 && at + 1 < actions.size() ? actions.at(at + 1) : nullptr, item);
    connect(item, &QAction::triggered, this, [this] { OverwriteDeck(); });
    return item;
}

bool DeckFileActions::OverwriteDeck() {
    if (deckFile_.isEmpty()) return SaveDeck();
    // The file it belongs to, with the output items in force now, through the file layer.
    const QString path = deckFile_;
    BusyCursor busy;
    if (!WriteDeckHtml(path)) return false;
    emit deckSaved(path);
    return true;
}

void DeckFileActions::ForgetDeckFile() {
    if (deckFile_.isEmpty()) return;
    deckFile_.clear();
    emit deckFileForgotten();
}

void DeckFileActions::OpenCommand() {
    if (replaceGuard_ && !replaceGuard_()) return;
    OpenDeckFile(AskDeckFileName(FileDialogPurpose::Open));
}

bool DeckFileActions::OpenDeckFile(const QString& path) {
    BusyCursor busy;
    const DeckFileType type = DeckFileTypeOf(path.toStdU16String());
    // The file is read before the deck is touched: one that cannot be read at all keeps
    // the deck, and its history, as they were.
    DeckFileReadResult read;
    read.status = DeckFileStatus::Read;
    if (type == DeckFileType::Html && !IsBlankPath(path.toStdU16String())) {
        read = ReadDeckFile(PathOf(path), state_.db);
        if (read.status == DeckFileStatus::Unreadable) {
            TellUnreadable(path, read.fileStatus);
            return false;
        }
    }
    // Any path empties the deck; only a deck file fills it again.
    if (!path.isEmpty()) history_.ApplyDeckEdit(ReplaceDeckEdit(history_.CurrentDeck(), read.deck));
    if (type == DeckFileType::Csv) ReadDeckCsv(path);
    // Told with the new deck and its counters in view.
    if (type == DeckFileType::Html) TellWhatWasRead(read);
    if (!path.isEmpty()) {
        const bool isDeck = type == DeckFileType::Html && read.status == DeckFileStatus::Read;
        // A file that held no deck leaves the deck without a file.
        deckFile_ = isDeck ? PathQString(AbsolutePath(PathOf(path))) : QString();
        emit deckOpened(path, isDeck);
    }
    return true;
}

bool DeckFileActions::WriteDeckHtml(const QString& path) {
    const std::u16string text = path.toStdU16String();
    if (IsBlankPath(text)) return true;
    const FileStatus status =
        SaveDeckFile(PathOf(path), state_.db, state_.output, history_.CurrentDeck());
    if (status && status.ownerNotKept) {
        // Saved; in a shared folder the others may need to know the file is now the player's.
        Dialogs().Message(parentWidget_, QMessageBox::Information, ApplicationTitle(),
                          QStringLiteral("ﾃﾞｯｷﾃﾞｰﾀを保存しました。\n"
                                         "元のファイルの所有者とグループは引き継げませんでした: %1")
                              .arg(ShownPathText(path)),
                          QMessageBox::Ok);
    }
    if (status) return true;
    Dialogs().Message(
        parentWidget_, QMessageBox::Critical, ApplicationTitle(),
        QStringLiteral("ﾃﾞｯｷﾃﾞｰﾀを保存できませんでした。\n"
                       "ファイルに書き込めません: %1\n%2")
            .arg(ShownPathText(path), QString::fromStdU16String(FileErrorText(status))),
        QMessageBox::Ok);
    return false;
}

void DeckFileActions::TellUnreadable(const QString& path, const FileStatus& status) {
    Dialogs().Message(
        parentWidget_, QMessageBox::Warning, QStringLiteral("警告"),
        QStringLiteral("ファイルを読み込めませんでした: %1\n%2")
            .arg(ShownPathText(path), QString::fromStdU16String(FileErrorText(status))),
        QMessageBox::Ok);
}

void DeckFileActions::TellWhatWasRead(const DeckFileReadResult& result) {
    if (result.status == DeckFileStatus::NotDeckFile) {
        Dialogs().Message(parentWidget_, QMessageBox::Warning, QStringLiteral("警告"),
                          QStringLiteral("指定したファイルはサポート外のフォーマットです。"),
                          QMessageBox::Ok);
        return;
    }
    QStringList parts;
    const size_t skipped = result.skippedRows;
    if (skipped > 0) {
        QString text = QStringLiteral("カードデータにないカード番号の行を%1行読み飛ばしました。\n")
                           .arg(skipped);
        // The reader keeps the beginnings of the first few; the count covers all.
        for (const std::u16string& cardNo : result.skippedCardNos) {
            text += QLatin1Char('\n') + QString::fromStdU16String(cardNo);
        }
        if (skipped > result.skippedCardNos.size()) {
            text += QStringLiteral("\nほか%1行").arg(skipped - result.skippedCardNos.size());
        }
        parts << text;
    }
    const std::u16string leftOut = LeftOutText(result.leftOut);
    if (!leftOut.empty()) parts << QString::fromStdU16String(leftOut);
    if (!parts.isEmpty()) {
        Dialogs().Message(parentWidget_, QMessageBox::Information, ApplicationTitle(),
                          parts.join(QStringLiteral("\n\n")), QMessageBox::Ok);
    }
}

void DeckFileActions::WriteDeckCsv(const QString& path) {
    // An existing file of that name is kept: nothing replaces it.
    if (IsBlankPath(path.toStdU16String())) return;
    Dialogs().Message(parentWidget_, QMessageBox::NoIcon, ApplicationTitle(),
                      QStringLiteral("作成中"), QMessageBox::Ok);
}

void DeckFileActions::ReadDeckCsv(const QString& path) {
    if (IsBlankPath(path.toStdU16String())) return;
    Dialogs().Message(parentWidget_, QMessageBox::NoIcon, ApplicationTitle(),
                      QStringLiteral("作成中"), QMessageBox::Ok);
}

void DeckFileActions::ChooseOutputItems() {
    OutputItemsDialog dialog(state_, parentWidget_);
    dialog.exec();
}

void DeckFileActions::CopyDeckText() {
    const QString text = QString::fromStdU16String(DeckText(history_.CurrentDeck()));
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

}  // namespace zemlo

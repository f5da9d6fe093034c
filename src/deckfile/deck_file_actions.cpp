#include "deckfile/deck_file_actions.h"

#include <QAction>
#include <QClipboard>
#include <QDate>
#include <QGuiApplication>

#include "carddb/text_width.h"
#include "deck/deck_document.h"
#include "deck/deck_summary.h"
#include "deckfile/deck_file_format.h"
#include "deckfile/deck_file_reader.h"
#include "deckfile/deck_file_writer.h"
#include "deckfile/deck_text.h"
#include "deckfile/file_menu.h"
#include "deckfile/output_items_dialog.h"
#include "platform/busy_cursor.h"
#include "platform/dialog_service.h"
#include "platform/path_text.h"
#include "platform/qt_paths.h"
#include "settings/output_item_settings.h"

namespace zemlo {
namespace {

QString InitialPath(const std::filesystem::path& dir, const QString& name) {
    return PathQString(dir / PathOf(name));
}

bool Exists(const QString& path) {
    std::error_code ec;
    return std::filesystem::exists(PathOf(path), ec);
}

QAction* NewItem(const char* name, const QString& caption, QObject* parent) {
    auto* item = new QAction(caption, parent);
    item->setObjectName(name);
    return item;
}

}  // namespace

DeckFileActions::DeckFileActions(DeckFileContext context, DeckDocument& document, QWidget* parent)
    : QObject(parent),
      context_(std::move(context)),
      output_(LoadOutputSettings(context_.settings)),
      document_(document),
      parentWidget_(parent),
      // はい saves as 上書き保存 does: to the deck's own file, asking only when it has none.
      guard_([&document] { return document.IsChanged(); }, [this] { return OverwriteDeck(); },
             parent) {
    openItem = NewItem("mnuOpen", QStringLiteral("ﾃﾞｯｷﾌｧｲﾙを開く(&O)"), this);
    saveItem = NewItem("mnuSave", QStringLiteral("ﾃﾞｯｷﾃﾞｰﾀを保存(&S)"), this);
    outputItemsItem = NewItem("mnuOptFile", QStringLiteral("出力項目の指定"), this);
    overwriteItem = NewItem("mnuOverwrite", QStringLiteral("上書き保存"), this);
    copyItem = NewItem("mnuCopy", QStringLiteral("ﾃﾞｯｷﾃﾞｰﾀをｸﾘｯﾌﾟﾎﾞｰﾄﾞに出力(&C)"), this);
    // The desktop's usual keys for opening, saving under a name and saving, shown beside the
    // items.
    openItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    saveItem->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    overwriteItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(openItem, &QAction::triggered, this, &DeckFileActions::OpenCommand);
    connect(saveItem, &QAction::triggered, this, &DeckFileActions::SaveCommand);
    connect(overwriteItem, &QAction::triggered, this, [this] { OverwriteDeck(); });
    connect(outputItemsItem, &QAction::triggered, this, &DeckFileActions::ChooseOutputItems);
    connect(copyItem, &QAction::triggered, this, &DeckFileActions::CopyDeckText);
}

void DeckFileActions::AddMenuItems(FileMenu& menu) {
    menu.Add(FileMenuSection::DeckFile, openItem);
    menu.Add(FileMenuSection::DeckFile, saveItem);
    menu.Add(FileMenuSection::DeckFile, overwriteItem);
    menu.Add(FileMenuSection::OutputItems, outputItemsItem);
    menu.Add(FileMenuSection::DeckText, copyItem);
}

QString DeckFileActions::AskDeckFileName(FileDialogPurpose purpose) {
    const bool save = purpose == FileDialogPurpose::Save;
    FileDialogRequest request;
    request.save = save;
    request.title =
        save ? QStringLiteral("名前を付けてﾃﾞｯｷﾃﾞｰﾀを保存") : QStringLiteral("ﾃﾞｯｷﾃﾞｰﾀを開く");
    const QDate today = QDate::currentDate();
    request.initialPath = InitialPath(
        context_.programDir,
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
            document_.MarkSaved(path);
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

bool DeckFileActions::OverwriteDeck() {
    const QString path = document_.FileName();
    if (path.isEmpty()) return SaveDeck();
    // The file it belongs to, with the output items in force now, through the file layer.
    BusyCursor busy;
    if (!WriteDeckHtml(path)) return false;
    document_.MarkSaved(path);
    return true;
}

bool DeckFileActions::MayDiscardDeck() {
    return guard_.MayDiscardDeck();
}

void DeckFileActions::OpenCommand() {
    if (!MayDiscardDeck()) return;
    const QString path = AskDeckFileName(FileDialogPurpose::Open);
    if (!path.isEmpty()) ReplaceWithFile(path);
}

DeckFileActions::OpenResult DeckFileActions::OpenDeck(const QString& path) {
    if (path.isEmpty() || !MayDiscardDeck()) return OpenResult::Kept;
    return ReplaceWithFile(path);
}

DeckFileActions::OpenResult DeckFileActions::ReplaceWithFile(const QString& path) {
    BusyCursor busy;
    const DeckFileType type = DeckFileTypeOf(path.toStdU16String());
    // The file is read before the deck is touched: one that cannot be read at all keeps
    // the deck, and its history, as they were.
    DeckFileReadResult read;
    read.status = DeckFileStatus::Read;
    if (type == DeckFileType::Html && !IsBlankPath(path.toStdU16String())) {
        read = ReadDeckFile(PathOf(path), context_.db);
        if (read.status == DeckFileStatus::Unreadable) {
            TellUnreadable(path, read.fileStatus);
            return OpenResult::Unreadable;
        }
    }
    document_.History().ApplyDeckEdit(ReplaceDeckEdit(document_.CurrentDeck(), read.deck));
    if (type == DeckFileType::Csv) ReadDeckCsv(path);
    // Told with the new deck and its counters in view.
    if (type == DeckFileType::Html) TellWhatWasRead(read);
    // A file that held no deck leaves the deck without a file.
    const bool deckRead = type == DeckFileType::Html && read.status == DeckFileStatus::Read;
    document_.MarkSaved(deckRead ? path : QString());
    return OpenResult::Opened;
}

bool DeckFileActions::WriteDeckHtml(const QString& path) {
    const std::u16string text = path.toStdU16String();
    if (IsBlankPath(text)) return true;
    const FileStatus status =
        SaveDeckFile(PathOf(path), context_.db, output_, document_.CurrentDeck());
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
    OutputItemsDialog dialog(output_, context_.settings, parentWidget_);
    dialog.exec();
}

void DeckFileActions::CopyDeckText() {
    const QString text =
        QString::fromStdU16String(DeckText(SummarizeDeck(document_.CurrentDeck())));
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

}  // namespace zemlo

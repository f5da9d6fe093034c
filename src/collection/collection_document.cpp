#include "collection/collection_document.h"

#include <sys/stat.h>

#include <QTimer>

#include "collection/collection_csv.h"
#include "platform/dialog_service.h"
#include "platform/file_io.h"
#include "platform/path_text.h"
#include "platform/qt_paths.h"
#include "settings/collection_settings.h"

namespace zemlo {
namespace {

constexpr char kDefaultFileName[] = "collection.csv";

void Tell(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    Dialogs().Message(parent, icon, ApplicationTitle(), text, QMessageBox::Ok);
}

QString Reason(const FileStatus& status) {
    return QString::fromStdU16String(FileErrorText(status));
}

}  // namespace

CollectionDocument::CollectionDocument(const CardDatabase& db, SettingsStore& settings,
                                       std::filesystem::path programDir, QObject* parent)
    : QObject(parent), db_(db), settings_(settings) {
    const std::u16string chosen = LoadCollectionSettings(settings_).file;
    file_ = chosen.empty() ? programDir / kDefaultFileName : PathOfText(chosen);
}

CollectionDocument::FileStamp CollectionDocument::StampOf(const std::filesystem::path& file) {
    struct stat info {};
    // Through a link, as the file is read and replaced: the file it names counts.
    if (::stat(file.c_str(), &info) != 0) return {};
    return FileStamp{true, static_cast<long long>(info.st_size),
                     static_cast<long long>(info.st_mtim.tv_sec) * 1'000'000'000LL +
                         info.st_mtim.tv_nsec,
                     static_cast<unsigned long long>(info.st_ino)};
}

std::u16string_view CollectionDocument::NameOf(std::u16string_view cardNo) const {
    // A number whose kind its letters tell is looked for in that table alone.
    CardKind kind = CardKind::Unit;
    if (KindOfCardNo(cardNo, kind)) {
        const int record = db_.Table(kind).FindCardNo(cardNo);
        return record < 0 ? std::u16string_view() : db_.Table(kind).Cell(NameField(kind), record);
    }
    for (const CardKind other : {CardKind::Unit, CardKind::Mission, CardKind::Character}) {
        const int record = db_.Table(other).FindCardNo(cardNo);
        if (record >= 0) return db_.Table(other).Cell(NameField(other), record);
    }
    return {};
}

std::string CollectionDocument::FileBytes(const Collection& collection) const {
    return WriteCollectionCsv(collection,
                              [this](std::u16string_view cardNo) { return NameOf(cardNo); });
}

CollectionDocument::ReadOutcome CollectionDocument::ReadFile(const std::filesystem::path& file,
                                                             Collection& collection,
                                                             QWidget* parent) {
    const FileContents contents = ReadFileBytes(file, kMaxCollectionFileBytes);
    if (contents.Missing()) return ReadOutcome::Missing;
    const QString cannot =
        QStringLiteral("所持ｶｰﾄﾞのﾌｧｲﾙを読めません。\n%1\n%2\n\n読めないﾌｧｲﾙは書き換えません。");
    if (!contents.status) {
        Tell(parent, QMessageBox::Warning, cannot.arg(ShownPathText(file), Reason(contents.status)));
        return ReadOutcome::Failed;
    }
    CollectionReadResult read = ReadCollectionCsv(contents.bytes);
    if (!read.text) {
        Tell(parent, QMessageBox::Warning,
             cannot.arg(ShownPathText(file), QStringLiteral("ﾃｷｽﾄﾌｧｲﾙではありません")));
        return ReadOutcome::Failed;
    }
    long long unknown = 0;
    for (const CollectionRow& row : read.collection.Rows()) {
        if (NameOf(row.cardNo).empty()) ++unknown;
    }
    const std::u16string told = CollectionReadText(read.report, unknown);
    if (!told.empty()) {
        Tell(parent, QMessageBox::Information,
             QStringLiteral("所持ｶｰﾄﾞのﾌｧｲﾙを読みました。\n%1\n\n%2")
                 .arg(ShownPathText(file), QString::fromStdU16String(told)));
    }
    collection = std::move(read.collection);
    return ReadOutcome::Read;
}

void CollectionDocument::SetSaveProblem(const QString& problem) {
    if (problem == saveProblem_) return;
    saveProblem_ = problem;
    emit fileStateChanged();
}

void CollectionDocument::Load(QWidget* parent) {
    if (loaded_) return;
    loaded_ = true;
    Collection read;
    stamp_ = StampOf(file_);
    unreadFile_ = ReadFile(file_, read, parent) == ReadOutcome::Failed;
    collection_ = std::move(read);
    saveFailureTold_ = false;
    saveProblem_ = unreadFile_
                       ? QStringLiteral("読めなかったﾌｧｲﾙは書き換えないため、変更は保存されません")
                       : QString();
    emit fileStateChanged();
    emit collectionReplaced();
    emit collectionChanged();
}

bool CollectionDocument::Save(QWidget* parent) {
    if (unreadFile_) return false;
    const FileStatus status = ReplaceFileAtomically(file_, FileBytes(collection_));
    if (status) {
        stamp_ = StampOf(file_);
        saveFailureTold_ = false;
        SetSaveProblem({});
        return true;
    }
    SetSaveProblem(QStringLiteral("保存できません: %1").arg(Reason(status)));
    if (!saveFailureTold_) {
        saveFailureTold_ = true;
        Tell(parent, QMessageBox::Warning,
             QStringLiteral("所持ｶｰﾄﾞを保存できません。\n%1\n%2\n\n"
                            "ﾌｧｲﾙは元のままです。変更はﾌﾟﾛｸﾞﾗﾑを終了するまで保たれ、"
                            "次の変更のときにまた保存を試みます。")
                 .arg(ShownPathText(file_), Reason(status)));
    }
    return false;
}

bool CollectionDocument::Apply(const CollectionEdit& edit, bool forward, QWidget* parent) {
    if (edit.Empty()) return true;
    // A spreadsheet may have saved the file meanwhile: writing over it would lose that.
    if (!unreadFile_ && StampOf(file_) != stamp_) {
        Tell(parent, QMessageBox::Warning,
             QStringLiteral("所持ｶｰﾄﾞのﾌｧｲﾙがほかのﾌﾟﾛｸﾞﾗﾑで変更されています。\n%1\n\n"
                            "ﾌｧｲﾙを読み直します。いまの変更は行っていません。")
                 .arg(ShownPathText(file_)));
        // Read again once the action at hand (an undo step, perhaps) has returned.
        QTimer::singleShot(0, this, [this, parent] {
            loaded_ = false;
            Load(parent);
        });
        return false;
    }
    ApplyCollectionEdit(collection_, edit, forward);
    emit collectionChanged();
    Save(parent);
    return true;
}

void CollectionDocument::UseFile(const std::filesystem::path& file, QWidget* parent) {
    Collection read;
    const FileStamp stamp = StampOf(file);
    const ReadOutcome outcome = ReadFile(file, read, parent);
    if (outcome == ReadOutcome::Failed) return;  // the collection stays where it was
    file_ = file;
    stamp_ = stamp;
    loaded_ = true;
    unreadFile_ = false;
    saveFailureTold_ = false;
    saveProblem_.clear();
    if (outcome == ReadOutcome::Read) {
        collection_ = std::move(read);
    } else {
        Save(parent);  // a new file: the collection moves there
    }
    // A name that is no UTF-8 would read back as another file: not remembered either.
    const CollectionFileSave saved = IsUtf8(file.native())
                                         ? SaveCollectionFile(settings_, PathText(file))
                                         : CollectionFileSave::CannotHold;
    switch (saved) {
        case CollectionFileSave::CannotHold:
            Tell(parent, QMessageBox::Information,
                 QStringLiteral(
                     "このﾌｧｲﾙの場所は設定ﾌｧｲﾙ (ZEMLO.ini) に書けない文字を含むか長すぎるため、"
                     "次に起動したときは元のﾌｧｲﾙを使います。\n%1")
                     .arg(ShownPathText(file)));
            break;
        case CollectionFileSave::Saved:
        case CollectionFileSave::Failed:  // the store tells the player
            break;
    }
    emit fileStateChanged();
    emit collectionReplaced();
    emit collectionChanged();
}

std::optional<Collection> CollectionDocument::ReadOtherFile(const std::filesystem::path& file,
                                                            QWidget* parent) {
    Collection read;
    switch (ReadFile(file, read, parent)) {
        case ReadOutcome::Read:
            return read;
        case ReadOutcome::Missing:
            Tell(parent, QMessageBox::Warning,
                 QStringLiteral("ﾌｧｲﾙが見つかりません。\n%1").arg(ShownPathText(file)));
            break;
        case ReadOutcome::Failed:
            break;
    }
    return std::nullopt;
}

bool CollectionDocument::WriteOtherFile(const std::filesystem::path& file, QWidget* parent) {
    const FileStatus status = ReplaceFileAtomically(file, FileBytes(collection_));
    if (status) return true;
    Tell(parent, QMessageBox::Warning,
         QStringLiteral("CSVﾌｧｲﾙを書き出せません。\n%1\n%2").arg(ShownPathText(file), Reason(status)));
    return false;
}

}  // namespace zemlo

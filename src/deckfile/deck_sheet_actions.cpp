#include "deckfile/deck_sheet_actions.h"

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QMenu>
#include <QPageLayout>
#include <QPageSize>
#include <QPaintEngine>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <algorithm>

#include "carddb/text_width.h"
#include "deckfile/deck_file_actions.h"
#include "deckfile/deck_file_format.h"
#include "deckfile/deck_sheet_painter.h"
#include "deckfile/sheet_heading_dialog.h"
#include "platform/busy_cursor.h"
#include "platform/dialog_service.h"
#include "platform/file_io.h"
#include "platform/path_text.h"
#include "platform/qt_paths.h"
#include "settings/sheet_settings.h"

namespace zemlo {
namespace {

QString ToQString(std::u16string_view text) {
    return QString::fromStdU16String(std::u16string(text));
}

QAction* NewItem(QMenu* menu, const char* name, const QString& caption) {
    auto* action = new QAction(caption, menu);
    action->setObjectName(name);
    return action;
}

// Whether anything stands at path, a dangling link included.
bool Exists(const QString& path) {
    std::error_code ec;
    return std::filesystem::symlink_status(PathOf(path), ec).type() !=
           std::filesystem::file_type::not_found;
}

// Whether path is a file of its own, not a link or a folder: only such a file can be the
// page of an earlier sheet that a save may remove.
bool IsPlainFile(const QString& path) {
    std::error_code ec;
    return std::filesystem::symlink_status(PathOf(path), ec).type() ==
           std::filesystem::file_type::regular;
}

QString ShownList(const std::vector<QString>& paths) {
    QStringList shown;
    for (const QString& path : paths) shown << ShownPathText(path);
    return shown.join(QLatin1Char('\n'));
}

// Qt's preview leaves its zoom box, its page number and its page view without a name a
// screen reader could speak.
void NamePreviewControls(QPrintPreviewDialog& preview) {
    for (QComboBox* zoom : preview.findChildren<QComboBox*>()) {
        zoom->setAccessibleName(QStringLiteral("倍率"));
    }
    for (QLineEdit* page : preview.findChildren<QLineEdit*>()) {
        if (!qobject_cast<QComboBox*>(page->parentWidget())) {
            page->setAccessibleName(QStringLiteral("ﾍﾟｰｼﾞ"));
        }
    }
    for (QPrintPreviewWidget* view : preview.findChildren<QPrintPreviewWidget*>()) {
        view->setAccessibleName(QStringLiteral("ﾃﾞｯｷｼｰﾄ"));
        for (QWidget* part : view->findChildren<QWidget*>()) {
            if (part->focusPolicy() != Qt::NoFocus && part->accessibleName().isEmpty()) {
                part->setAccessibleName(QStringLiteral("ﾃﾞｯｷｼｰﾄのﾍﾟｰｼﾞ"));
            }
        }
    }
}

}  // namespace

DeckSheetActions::DeckSheetActions(SettingsStore& settings, std::filesystem::path programDir,
                                   const Deck& deck, QWidget* parent)
    : QObject(parent),
      settings_(settings),
      programDir_(std::move(programDir)),
      deck_(deck),
      parentWidget_(parent) {}

void DeckSheetActions::AddMenuItems(QMenu* menu, QAction* after) {
    printSheetItem = NewItem(menu, "mnuPrintSheet", QStringLiteral("ﾃﾞｯｷｼｰﾄを印刷(&P)..."));
    printSheetItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    sheetPdfItem = NewItem(menu, "mnuSheetPdf", QStringLiteral("ﾃﾞｯｷｼｰﾄをPDFで保存..."));
    sheetImageItem = NewItem(menu, "mnuSheetImage", QStringLiteral("ﾃﾞｯｷｼｰﾄを画像で保存..."));

    const QList<QAction*> actions = menu->actions();
    const qsizetype at = actions.indexOf(after);
    QAction* before = at >= 0 && at + 1 < actions.size() ? actions.at(at + 1) : nullptr;
    menu->insertSeparator(before);
    menu->insertActions(before, {printSheetItem, sheetPdfItem, sheetImageItem});

    connect(printSheetItem, &QAction::triggered, this, &DeckSheetActions::Print);
    connect(sheetPdfItem, &QAction::triggered, this, &DeckSheetActions::SaveAsPdf);
    connect(sheetImageItem, &QAction::triggered, this, &DeckSheetActions::SaveAsImage);
}

void DeckSheetActions::FollowDeckFiles(DeckFileActions& files) {
    connect(&files, &DeckFileActions::deckSaved, this, &DeckSheetActions::DeckFileChanged);
    connect(&files, &DeckFileActions::deckOpened, this, [this](const QString& path, bool read) {
        // A file that was not a deck leaves the deck without a file.
        DeckFileChanged(read ? path : QString());
    });
    connect(&files, &DeckFileActions::deckFileForgotten, this, [this] { DeckFileChanged({}); });
}

void DeckSheetActions::DeckFileChanged(const QString& path) {
    deckFile_ = path;
    // A name in CP932 is offered as it reads.
    deckName_ = DeckNameOfFile(ShownPath(PathOf(path)));
}

int DeckSheetActions::RunModal(QDialog& dialog) {
    return dialog.exec();
}

std::optional<DeckSheet> DeckSheetActions::AskSheet() {
    const SheetSettings stored = LoadSheetSettings(settings_);
    SheetHeadingDialog dialog(ToQString(stored.player), ToQString(deckName_),
                              ToQString(stored.event), QDate::currentDate(), parentWidget_);
    if (RunModal(dialog) != QDialog::Accepted) return std::nullopt;

    SheetHeading heading = dialog.Heading();
    if (heading.player != stored.player || heading.event != stored.event) {
        // A failed write is told by the store; the sheet is made all the same.
        (void)SaveSheetSettings(settings_, SheetSettings{heading.player, heading.event});
    }
    deckName_ = heading.deckName;
    return BuildDeckSheet(deck_, std::move(heading));
}

void DeckSheetActions::Print() {
    const std::optional<DeckSheet> sheet = AskSheet();
    if (!sheet) return;
    QPrinter printer(QPrinter::HighResolution);
    // The sheet keeps its own margins, wider than any printer's unprintable edge.
    printer.setFullPage(true);
    printer.setPageLayout(SheetPageLayout());
    printer.setDocName(ToQString(kSheetTitle));
    // The print dialog's "print to file" offers the deck's folder and name, as the PDF save
    // does, where Qt's dialog can show that path; a printer of the desktop, where there is
    // one, stays the one chosen first.
    const std::filesystem::path offered = PathOf(OfferedPath(QStringLiteral(".pdf")));
    const QString shown = QtReadablePath(offered);
    if (PathOf(shown) == offered) {
        printer.setOutputFileName(shown);
        printer.setOutputFormat(QPrinter::NativeFormat);
    }
    QPrintPreviewDialog preview(&printer, parentWidget_);
    preview.setObjectName("frmSheetPreview");
    preview.setWindowTitle(QStringLiteral("ﾃﾞｯｷｼｰﾄの印刷ﾌﾟﾚﾋﾞｭｰ"));
    // A page large enough to read on the screen.
    if (const QScreen* screen = preview.screen()) {
        const QRect area = screen->availableGeometry();
        preview.resize(std::min(area.width(), area.height() * 4 / 5), area.height() * 9 / 10);
    }
    NamePreviewControls(preview);
    connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
            [this, &sheet](QPrinter* target) { PrintSheetOn(*target, *sheet); });
    RunModal(preview);
}

bool DeckSheetActions::PrintSheetOn(QPrinter& printer, const DeckSheet& sheet) {
    // The preview draws on a picture of its own; only the real print reaches the file.
    const QPaintEngine* engine = printer.paintEngine();
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat &&
                        !printer.outputFileName().isEmpty() && engine != nullptr &&
                        engine->type() != QPaintEngine::Picture;
    if (!toFile) {
        PrintSheet(printer, sheet);
        return true;
    }
    const QPageLayout& chosen = printer.pageLayout();
    BusyCursor busy;
    return Write(printer.outputFileName(),
                 SheetPdf(sheet, QPageLayout(chosen.pageSize(), chosen.orientation(),
                                             QMarginsF(0, 0, 0, 0))));
}

void DeckSheetActions::SaveAsPdf() {
    const std::optional<DeckSheet> sheet = AskSheet();
    if (!sheet) return;
    const QString path = AskSheetFile(QStringLiteral("ﾃﾞｯｷｼｰﾄをPDFで保存"),
                                      QStringLiteral("PDF (*.pdf)"), QStringLiteral(".pdf"));
    if (!path.isEmpty()) SaveSheetPdf(*sheet, path);
}

void DeckSheetActions::SaveAsImage() {
    const std::optional<DeckSheet> sheet = AskSheet();
    if (!sheet) return;
    const QString path = AskSheetFile(QStringLiteral("ﾃﾞｯｷｼｰﾄを画像で保存"),
                                      QStringLiteral("PNG (*.png)"), QStringLiteral(".png"));
    if (!path.isEmpty()) SaveSheetImages(*sheet, path);
}

QString DeckSheetActions::OfferedPath(const QString& extension) const {
    const QDate today = QDate::currentDate();
    const std::filesystem::path folder =
        deckFile_.isEmpty() ? programDir_ : AbsolutePath(PathOf(deckFile_)).parent_path();
    return PathQString(
        folder /
        PathOf(ToQString(SheetFileName(deckName_, today.month(), today.day())) + extension));
}

QString DeckSheetActions::AskSheetFile(const QString& title, const QString& filter,
                                       const QString& extension) {
    FileDialogRequest request;
    request.save = true;
    request.title = title;
    request.initialPath = OfferedPath(extension);
    request.filter = filter;
    request.defaultSuffix = extension.mid(1);
    request.confirmOverwrite = true;
    const std::u16string chosen =
        TrimBlanks(Dialogs().AskFileName(parentWidget_, request).toStdU16String());
    return chosen.empty() ? QString() : ToQString(chosen);
}

bool DeckSheetActions::SaveSheetPdf(const DeckSheet& sheet, const QString& chosen) {
    const QString path = ToQString(WithExtension(chosen.toStdU16String(), u".pdf"));
    if (!MayReplace(chosen, {path})) return false;
    BusyCursor busy;
    return Write(path, SheetPdf(sheet));
}

bool DeckSheetActions::SaveSheetImages(const DeckSheet& sheet, const QString& chosen) {
    const std::u16string first = WithExtension(chosen.toStdU16String(), u".png");
    std::vector<QString> paths;
    for (const std::u16string& path : SheetImagePaths(first, sheet.pages.size())) {
        paths.push_back(ToQString(path));
    }
    std::vector<QString> leftOver;
    for (const std::u16string& path : LeftOverSheetPages(
             first, sheet.pages.size(),
             [](const std::u16string& page) { return IsPlainFile(ToQString(page)); })) {
        leftOver.push_back(ToQString(path));
    }
    LeftOverPages answer = LeftOverPages::Keep;
    if (leftOver.empty()) {
        if (!MayReplace(chosen, paths)) return false;
    } else {
        answer = AskAboutLeftOverPages(chosen, paths, leftOver);
        if (answer == LeftOverPages::Cancel) return false;
    }

    BusyCursor busy;
    const std::vector<QByteArray> images = SheetPngs(sheet);
    const std::size_t count = std::min(images.size(), paths.size());
    for (std::size_t page = 0; page < count; ++page) {
        const FileStatus status = WriteFile(paths[page], images[page]);
        if (status) continue;
        TellNotSaved(paths[page], status, PagesNote(paths, page));
        return false;  // an earlier sheet's pages stay where this one is not whole
    }
    if (answer != LeftOverPages::Remove) return true;
    std::vector<QString> kept;
    FileStatus failed;
    for (const QString& path : leftOver) {
        const FileStatus status = RemoveRegularFile(PathOf(path));
        if (!status && status.error != ENOENT) {
            kept.push_back(path);
            failed = status;
        }
    }
    if (!kept.empty()) {
        Dialogs().Message(parentWidget_, QMessageBox::Warning, ApplicationTitle(),
                          QStringLiteral("前のﾃﾞｯｷｼｰﾄのﾍﾟｰｼﾞを削除できませんでした: %1\n%2")
                              .arg(ShownList(kept), ToQString(FileErrorText(failed))),
                          QMessageBox::Ok);
    }
    return true;
}

QString DeckSheetActions::PagesNote(const std::vector<QString>& paths, std::size_t failed) {
    if (paths.size() <= 1) return QString();
    std::vector<QString> written(paths.begin(), paths.begin() + static_cast<long>(failed));
    std::vector<QString> old;
    std::vector<QString> missing;
    for (std::size_t page = failed; page < paths.size(); ++page) {
        (Exists(paths[page]) ? old : missing).push_back(paths[page]);
    }
    QString note;
    const auto add = [&note](const QString& heading, const std::vector<QString>& pages) {
        if (pages.empty()) return;
        note += QStringLiteral("\n\n") + heading + QLatin1Char('\n') + ShownList(pages);
    };
    add(QStringLiteral("新しくなったﾍﾟｰｼﾞ:"), written);
    add(QStringLiteral("前のままのﾍﾟｰｼﾞ（このﾃﾞｯｷｼｰﾄのものではありません）:"), old);
    add(QStringLiteral("保存されていないﾍﾟｰｼﾞ:"), missing);
    return note;
}

DeckSheetActions::LeftOverPages DeckSheetActions::AskAboutLeftOverPages(
    const QString& chosen, const std::vector<QString>& paths,
    const std::vector<QString>& leftOver) {
    std::vector<QString> replaced;
    for (const QString& path : paths) {
        if (path != chosen && Exists(path)) replaced.push_back(path);
    }
    QString text;
    if (!replaced.empty()) text = ShownList(replaced) + QStringLiteral(" は置き換えます。\n\n");
    text += QStringLiteral(
                "このﾃﾞｯｷｼｰﾄは %1 ﾍﾟｰｼﾞです。同じ名前で前に保存したﾃﾞｯｷｼｰﾄの続きのﾍﾟｰｼﾞが"
                "残ります:\n%2\n\n残るﾍﾟｰｼﾞを削除しますか？\n"
                "はい: 保存して削除する　いいえ: 保存して残す　ｷｬﾝｾﾙ: 保存しない")
                .arg(paths.size())
                .arg(ShownList(leftOver));
    switch (Dialogs().AskYesNoCancel(parentWidget_, ApplicationTitle(), text)) {
        case QMessageBox::Yes:
            return LeftOverPages::Remove;
        case QMessageBox::No:
            return LeftOverPages::Keep;
        default:
            return LeftOverPages::Cancel;
    }
}

bool DeckSheetActions::MayReplace(const QString& chosen, const std::vector<QString>& paths) {
    QStringList existing;
    for (const QString& path : paths) {
        // The save dialog has asked about the name it returned.
        if (path != chosen && Exists(path)) existing << ShownPathText(path);
    }
    if (existing.isEmpty()) return true;
    const QString text =
        QStringLiteral("%1 は既にあります。置き換えますか？").arg(existing.join(QLatin1Char('\n')));
    return Dialogs().Message(parentWidget_, QMessageBox::Question, ApplicationTitle(), text,
                             QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

FileStatus DeckSheetActions::WriteFile(const QString& path, const QByteArray& bytes) {
    return ReplaceFileAtomically(PathOf(path), std::string_view(bytes.constData(), bytes.size()));
}

bool DeckSheetActions::Write(const QString& path, const QByteArray& bytes) {
    const FileStatus status = WriteFile(path, bytes);
    if (!status) TellNotSaved(path, status, QString());
    return static_cast<bool>(status);
}

void DeckSheetActions::TellNotSaved(const QString& path, const FileStatus& status,
                                    const QString& note) {
    Dialogs().Message(
        parentWidget_, QMessageBox::Critical, ApplicationTitle(),
        QStringLiteral("ﾃﾞｯｷｼｰﾄを保存できませんでした。\nファイルに書き込めません: %1\n%2")
                .arg(ShownPathText(path), ToQString(FileErrorText(status))) +
            note,
        QMessageBox::Ok);
}

}  // namespace zemlo

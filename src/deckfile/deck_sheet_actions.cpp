#include "deckfile/deck_sheet_actions.h"

#include <QAction>
#include <QDate>
#include <filesystem>
#include <system_error>

#include "deck/deck_document.h"
#include "deck/deck_summary.h"
#include "deckfile/deck_file_format.h"
#include "deckfile/deck_sheet_painter.h"
#include "deckfile/file_menu.h"
#include "deckfile/sheet_heading_dialog.h"
#include "platform/busy_cursor.h"
#include "platform/path_text.h"
#include "platform/qt_paths.h"
#include "settings/sheet_settings.h"

namespace zemlo {
namespace {

QString ToQString(std::u16string_view text) {
    return QString::fromStdU16String(std::u16string(text));
}

QAction* NewItem(QObject* parent, const char* name, const QString& caption) {
    auto* action = new QAction(caption, parent);
    action->setObjectName(name);
    return action;
}

// Whether path is a file of its own, not a link or a folder: only such a file can be the
// page of an earlier sheet that a save may remove.
bool IsPlainFile(const QString& path) {
    std::error_code ec;
    return std::filesystem::symlink_status(PathOf(path), ec).type() ==
           std::filesystem::file_type::regular;
}

}  // namespace

DeckSheetActions::DeckSheetActions(SettingsStore& settings, std::filesystem::path programDir,
                                   const DeckDocument& document, QWidget* parent)
    : QObject(parent),
      settings_(settings),
      programDir_(std::move(programDir)),
      document_(document),
      parentWidget_(parent),
      output_(parent, QStringLiteral("ﾃﾞｯｷｼｰﾄ"),
              [this](QDialog& dialog) { return RunModal(dialog); }) {
    connect(&document, &DeckDocument::fileChanged, this, &DeckSheetActions::DeckFileChanged);
}

void DeckSheetActions::AddMenuItems(FileMenu& menu) {
    printSheetItem = NewItem(this, "mnuPrintSheet", QStringLiteral("ﾃﾞｯｷｼｰﾄを印刷(&P)..."));
    printSheetItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    sheetPdfItem = NewItem(this, "mnuSheetPdf", QStringLiteral("ﾃﾞｯｷｼｰﾄをPDFで保存..."));
    sheetImageItem = NewItem(this, "mnuSheetImage", QStringLiteral("ﾃﾞｯｷｼｰﾄを画像で保存..."));
    for (QAction* item : {printSheetItem, sheetPdfItem, sheetImageItem}) {
        menu.Add(FileMenuSection::Sheet, item);
    }
    connect(printSheetItem, &QAction::triggered, this, &DeckSheetActions::Print);
    connect(sheetPdfItem, &QAction::triggered, this, &DeckSheetActions::SaveAsPdf);
    connect(sheetImageItem, &QAction::triggered, this, &DeckSheetActions::SaveAsImage);
}

void DeckSheetActions::DeckFileChanged(const QString& path) {
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
    return BuildDeckSheet(SummarizeDeck(document_.CurrentDeck()), std::move(heading));
}

void DeckSheetActions::Print() {
    const std::optional<DeckSheet> sheet = AskSheet();
    if (!sheet) return;
    // The print dialog's "print to file" offers the deck's folder and name, as the PDF save
    // does, where Qt's dialog can show that path.
    const std::filesystem::path offered = PathOf(OfferedPath(QStringLiteral(".pdf")));
    const QString shown = QtReadablePath(offered);
    output_.Preview(SheetPages(*sheet), "frmSheetPreview", QStringLiteral("ﾃﾞｯｷｼｰﾄの印刷ﾌﾟﾚﾋﾞｭｰ"),
                    PathOf(shown) == offered ? shown : QString());
}

bool DeckSheetActions::PrintSheetOn(QPrinter& printer, const DeckSheet& sheet) {
    return output_.PrintOn(printer, SheetPages(sheet));
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
    const QString& deckFile = document_.FileName();
    const std::filesystem::path folder =
        deckFile.isEmpty() ? programDir_ : AbsolutePath(PathOf(deckFile)).parent_path();
    return PathQString(
        folder /
        PathOf(ToQString(SheetFileName(deckName_, today.month(), today.day())) + extension));
}

QString DeckSheetActions::AskSheetFile(const QString& title, const QString& filter,
                                       const QString& extension) {
    return output_.AskFile(title, filter, extension, OfferedPath(extension));
}

bool DeckSheetActions::SaveSheetPdf(const DeckSheet& sheet, const QString& chosen) {
    const QString path = ToQString(WithExtension(chosen.toStdU16String(), u".pdf"));
    if (!output_.MayReplace(chosen, {path})) return false;
    BusyCursor busy;
    return output_.Write(path, SheetPdf(sheet));
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
    return output_.SavePages(chosen, paths, leftOver, [&sheet] { return SheetPngs(sheet); });
}

}  // namespace zemlo

#include "deckfile/print_output.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPaintEngine>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "carddb/text_width.h"
#include "deckfile/printed_pages.h"
#include "platform/busy_cursor.h"
#include "platform/dialog_service.h"
#include "platform/file_io.h"
#include "platform/qt_paths.h"

namespace zemlo {
namespace {

// Whether anything stands at path, a dangling link included.
bool Exists(const QString& path) {
    std::error_code ec;
    return std::filesystem::symlink_status(PathOf(path), ec).type() !=
           std::filesystem::file_type::not_found;
}

// Qt's preview leaves its zoom box, its page number and its page view without a name a
// screen reader could speak; what names the printout.
void NamePreviewControls(QPrintPreviewDialog& preview, const QString& what) {
    for (QComboBox* zoom : preview.findChildren<QComboBox*>()) {
        zoom->setAccessibleName(QStringLiteral("倍率"));
    }
    for (QLineEdit* page : preview.findChildren<QLineEdit*>()) {
        if (!qobject_cast<QComboBox*>(page->parentWidget())) {
            page->setAccessibleName(QStringLiteral("ﾍﾟｰｼﾞ"));
        }
    }
    for (QPrintPreviewWidget* view : preview.findChildren<QPrintPreviewWidget*>()) {
        view->setAccessibleName(what);
        for (QWidget* part : view->findChildren<QWidget*>()) {
            if (part->focusPolicy() != Qt::NoFocus && part->accessibleName().isEmpty()) {
                part->setAccessibleName(what + QStringLiteral("のﾍﾟｰｼﾞ"));
            }
        }
    }
}

}  // namespace

PrintOutput::PrintOutput(QWidget* parent, QString what, RunModal runModal)
    : parent_(parent), what_(std::move(what)), runModal_(std::move(runModal)) {}

void PrintOutput::Preview(const PrintedPages& pages, const char* name, const QString& title) {
    QPrinter printer(QPrinter::HighResolution);
    // The printouts keep their own margins, wider than any printer's unprintable edge.
    printer.setFullPage(true);
    printer.setPageLayout(A4PageLayout());
    printer.setDocName(pages.Title());
    QPrintPreviewDialog preview(&printer, parent_);
    preview.setObjectName(name);
    preview.setWindowTitle(title);
    // A page large enough to read on the screen.
    if (const QScreen* screen = preview.screen()) {
        const QRect area = screen->availableGeometry();
        preview.resize(std::min(area.width(), area.height() * 4 / 5), area.height() * 9 / 10);
    }
    NamePreviewControls(preview, what_);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [this, &pages](QPrinter* target) { PrintOn(*target, pages); });
    runModal_(preview);
}

bool PrintOutput::PrintOn(QPrinter& printer, const PrintedPages& pages) {
    // The preview draws on a picture of its own; only the real print reaches the file.
    const QPaintEngine* engine = printer.paintEngine();
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat &&
                        !printer.outputFileName().isEmpty() && engine != nullptr &&
                        engine->type() != QPaintEngine::Picture;
    if (!toFile) {
        PrintPages(printer, pages);
        return true;
    }
    const QPageLayout& chosen = printer.pageLayout();
    BusyCursor busy;
    return Write(printer.outputFileName(),
                 PagesPdf(pages, QPageLayout(chosen.pageSize(), chosen.orientation(),
                                             QMarginsF(0, 0, 0, 0))));
}

QString PrintOutput::AskFile(const QString& title, const QString& filter, const QString& extension,
                             const QString& offered) {
    FileDialogRequest request;
    request.save = true;
    request.title = title;
    request.initialPath = offered;
    request.filter = filter;
    request.defaultSuffix = extension.mid(1);
    request.confirmOverwrite = true;
    const std::u16string chosen =
        TrimBlanks(Dialogs().AskFileName(parent_, request).toStdU16String());
    return chosen.empty() ? QString() : QString::fromStdU16String(chosen);
}

bool PrintOutput::MayReplace(const QString& chosen, const std::vector<QString>& paths) {
    QStringList existing;
    for (const QString& path : paths) {
        // The save dialog has asked about the name it returned.
        if (path != chosen && Exists(path)) existing << ShownPathText(path);
    }
    if (existing.isEmpty()) return true;
    const QString text =
        QStringLiteral("%1 は既にあります。置き換えますか？").arg(existing.join(QLatin1Char('\n')));
    return Dialogs().Message(parent_, QMessageBox::Question, ApplicationTitle(), text,
                             QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool PrintOutput::Write(const QString& path, const QByteArray& bytes) {
    const FileStatus status =
        ReplaceFileAtomically(PathOf(path), std::string_view(bytes.constData(), bytes.size()));
    if (status) return true;
    Dialogs().Message(
        parent_, QMessageBox::Critical, ApplicationTitle(),
        QStringLiteral("%1を保存できませんでした。\nファイルに書き込めません: %2\n%3")
            .arg(what_, ShownPathText(path), QString::fromStdU16String(FileErrorText(status))),
        QMessageBox::Ok);
    return false;
}

}  // namespace zemlo

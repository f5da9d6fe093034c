#include "deckfile/print_output.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPaintEngine>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <algorithm>
#include <cerrno>
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

QString ShownList(const std::vector<QString>& paths) {
    QStringList shown;
    for (const QString& path : paths) shown << ShownPathText(path);
    return shown.join(QLatin1Char('\n'));
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

void PrintOutput::Preview(const PrintedPages& pages, const char* name, const QString& title,
                          const QString& offeredFile) {
    QPrinter printer(QPrinter::HighResolution);
    // The printouts keep their own margins, wider than any printer's unprintable edge.
    printer.setFullPage(true);
    printer.setPageLayout(A4PageLayout());
    printer.setDocName(pages.Title());
    if (!offeredFile.isEmpty()) {
        printer.setOutputFileName(offeredFile);
        printer.setOutputFormat(QPrinter::NativeFormat);
    }
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
    if (!status) TellNotSaved(path, status, QString());
    return static_cast<bool>(status);
}

bool PrintOutput::SavePages(const QString& chosen, const std::vector<QString>& paths,
                            const std::vector<QString>& leftOver,
                            const std::function<std::vector<QByteArray>()>& render) {
    LeftOverPages answer = LeftOverPages::Keep;
    if (leftOver.empty()) {
        if (!MayReplace(chosen, paths)) return false;
    } else {
        answer = AskAboutLeftOverPages(chosen, paths, leftOver);
        if (answer == LeftOverPages::Cancel) return false;
    }

    BusyCursor busy;
    const std::vector<QByteArray> images = render();
    const std::size_t count = std::min(images.size(), paths.size());
    for (std::size_t page = 0; page < count; ++page) {
        const QByteArray& bytes = images[page];
        const FileStatus status = ReplaceFileAtomically(
            PathOf(paths[page]), std::string_view(bytes.constData(), bytes.size()));
        if (status) continue;
        TellNotSaved(paths[page], status, PagesNote(paths, page));
        return false;  // an earlier printout's pages stay where this one is not whole
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
        Dialogs().Message(parent_, QMessageBox::Warning, ApplicationTitle(),
                          QStringLiteral("前の%1のﾍﾟｰｼﾞを削除できませんでした: %2\n%3")
                              .arg(what_, ShownList(kept),
                                   QString::fromStdU16String(FileErrorText(failed))),
                          QMessageBox::Ok);
    }
    return true;
}

QString PrintOutput::PagesNote(const std::vector<QString>& paths, std::size_t failed) const {
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
    add(QStringLiteral("前のままのﾍﾟｰｼﾞ（この%1のものではありません）:").arg(what_), old);
    add(QStringLiteral("保存されていないﾍﾟｰｼﾞ:"), missing);
    return note;
}

PrintOutput::LeftOverPages PrintOutput::AskAboutLeftOverPages(
    const QString& chosen, const std::vector<QString>& paths,
    const std::vector<QString>& leftOver) {
    std::vector<QString> replaced;
    for (const QString& path : paths) {
        if (path != chosen && Exists(path)) replaced.push_back(path);
    }
    QString text;
    if (!replaced.empty()) text = ShownList(replaced) + QStringLiteral(" は置き換えます。\n\n");
    text += QStringLiteral(
                "この%1は %2 ﾍﾟｰｼﾞです。同じ名前で前に保存した%1の続きのﾍﾟｰｼﾞが"
                "残ります:\n%3\n\n残るﾍﾟｰｼﾞを削除しますか？\n"
                "はい: 保存して削除する　いいえ: 保存して残す　ｷｬﾝｾﾙ: 保存しない")
                .arg(what_)
                .arg(paths.size())
                .arg(ShownList(leftOver));
    switch (Dialogs().AskYesNoCancel(parent_, ApplicationTitle(), text)) {
        case QMessageBox::Yes:
            return LeftOverPages::Remove;
        case QMessageBox::No:
            return LeftOverPages::Keep;
        default:
            return LeftOverPages::Cancel;
    }
}

void PrintOutput::TellNotSaved(const QString& path, const FileStatus& status,
                               const QString& note) {
    Dialogs().Message(
        parent_, QMessageBox::Critical, ApplicationTitle(),
        QStringLiteral("%1を保存できませんでした。\nファイルに書き込めません: %2\n%3")
                .arg(what_, ShownPathText(path), QString::fromStdU16String(FileErrorText(status))) +
            note,
        QMessageBox::Ok);
}

}  // namespace zemlo

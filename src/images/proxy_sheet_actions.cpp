#include "images/proxy_sheet_actions.h"

#include <QAction>
#include <QEventLoop>
#include <QProgressDialog>
#include <map>
#include <set>

#include "deckfile/deck_sheet.h"
#include "deckfile/file_menu.h"
#include "images/image_folder.h"
#include "images/image_loader.h"
#include "platform/busy_cursor.h"
#include "platform/dialog_service.h"
#include "platform/qt_paths.h"

namespace zemlo {
namespace {

// The progress window shows only when gathering the images takes longer than this.
constexpr int kProgressDelayMs = 400;
// Images that cannot be read are named in the message up to this many.
constexpr int kMaxNamedFailures = 10;

QAction* NewItem(QObject* parent, const char* name, const QString& caption) {
    auto* action = new QAction(caption, parent);
    action->setObjectName(name);
    return action;
}

}  // namespace

ProxySheetActions::ProxySheetActions(const CardDatabase& db, const Deck& deck, ImageFolder& folder,
                                     ImageLoader& loader, std::filesystem::path programDir,
                                     QWidget* parent)
    : QObject(parent),
      db_(db),
      deck_(deck),
      folder_(folder),
      loader_(loader),
      programDir_(std::move(programDir)),
      parentWidget_(parent),
      output_(parent, QStringLiteral("ﾌﾟﾛｷｼ"),
              [this](QDialog& dialog) { return RunModal(dialog); }) {}

void ProxySheetActions::AddMenuItems(FileMenu& menu) {
    printItem = NewItem(this, "mnuPrintProxy", QStringLiteral("ﾌﾟﾛｷｼを印刷..."));
    pdfItem = NewItem(this, "mnuProxyPdf", QStringLiteral("ﾌﾟﾛｷｼをPDFで保存..."));
    menu.Add(FileMenuSection::ProxySheet, printItem);
    menu.Add(FileMenuSection::ProxySheet, pdfItem);
    connect(printItem, &QAction::triggered, this, &ProxySheetActions::Print);
    connect(pdfItem, &QAction::triggered, this, &ProxySheetActions::SaveAsPdf);
}

int ProxySheetActions::RunModal(QDialog& dialog) {
    return dialog.exec();
}

void ProxySheetActions::Print() {
    const std::optional<ProxyPages> sheet = MakeSheet();
    if (!sheet) return;
    output_.Preview(*sheet, "frmProxyPreview", QStringLiteral("ﾌﾟﾛｷｼの印刷ﾌﾟﾚﾋﾞｭｰ"));
}

void ProxySheetActions::SaveAsPdf() {
    const std::optional<ProxyPages> sheet = MakeSheet();
    if (!sheet) return;
    const QString offered = PathQString(programDir_ / "proxy.pdf");
    const QString path =
        output_.AskFile(QStringLiteral("ﾌﾟﾛｷｼをPDFで保存"), QStringLiteral("PDF (*.pdf)"),
                        QStringLiteral(".pdf"), offered);
    if (!path.isEmpty()) SaveSheetPdf(*sheet, path);
}

bool ProxySheetActions::SaveSheetPdf(const ProxyPages& sheet, const QString& chosen) {
    const QString path = QString::fromStdU16String(WithExtension(chosen.toStdU16String(), u".pdf"));
    if (!output_.MayReplace(chosen, {path})) return false;
    BusyCursor busy;
    return output_.Write(path, PagesPdf(sheet));
}

std::optional<ProxyPages> ProxySheetActions::MakeSheet() {
    if (making_) return std::nullopt;  // a second command while the first gathers
    std::vector<ProxyCard> cards = ProxyCards(deck_);
    if (cards.empty()) {
        Dialogs().Message(parentWidget_, QMessageBox::Information, ApplicationTitle(),
                          QStringLiteral("ﾃﾞｯｷにｶｰﾄﾞがありません。"), QMessageBox::Ok);
        return std::nullopt;
    }
    const QSize box = ProxyImageBox();
    // The picture each key stands for, by card number.
    std::map<QByteArray, std::u16string> waiting;
    std::set<std::u16string> asked;
    for (const ProxyCard& card : cards) {
        if (!asked.insert(card.cardNo).second) continue;
        if (const ImageFile* file = folder_.Find(card.cardNo)) {
            waiting.emplace(ImageLoader::KeyOf(*file, box, false), card.cardNo);
        }
    }
    std::map<std::u16string, QImage> images;
    QStringList failures;
    const std::size_t total = waiting.size();
    bool cancelled = false;
    if (!waiting.empty()) {
        making_ = true;
        QEventLoop loop;
        QProgressDialog progress(QStringLiteral("ｶｰﾄﾞ画像を読み込んでいます..."),
                                 QStringLiteral("中止"), 0, static_cast<int>(total), parentWidget_);
        progress.setObjectName("frmProxyProgress");
        progress.setWindowTitle(QStringLiteral("ﾌﾟﾛｷｼ"));
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(kProgressDelayMs);
        progress.setValue(0);
        const auto received =
            connect(&loader_, &ImageLoader::imageReady, &progress,
                    [&](const QByteArray& key, const DecodedImage& result) {
                        const auto found = waiting.find(key);
                        if (found == waiting.end()) return;
                        if (result.image.isNull()) {
                            failures << QString::fromStdU16String(found->second) +
                                            QStringLiteral(": ") + result.error;
                        } else {
                            images.emplace(found->second, result.image);
                        }
                        waiting.erase(found);
                        progress.setValue(static_cast<int>(total - waiting.size()));
                        if (waiting.empty()) loop.quit();
                    });
        connect(&progress, &QProgressDialog::canceled, &loop, [&] {
            cancelled = true;
            loop.quit();
        });
        for (const auto& [key, cardNo] : waiting) {
            loader_.Request(ImageUse::Proxy, *folder_.Find(cardNo), box, false);
        }
        loop.exec();
        disconnect(received);
        loader_.Forget(ImageUse::Proxy);
        making_ = false;
    }
    if (cancelled) return std::nullopt;
    if (!failures.isEmpty()) {
        const qsizetype more = failures.size() - kMaxNamedFailures;
        if (more > 0)
            failures = failures.mid(0, kMaxNamedFailures) << QStringLiteral("ほか %1 枚").arg(more);
        Dialogs().Message(parentWidget_, QMessageBox::Warning, ApplicationTitle(),
                          QStringLiteral("次の画像を読めないため、ｶｰﾄﾞの文字で印刷します。\n") +
                              failures.join(QLatin1Char('\n')),
                          QMessageBox::Ok);
    }
    return ProxyPages(db_, std::move(cards), std::move(images));
}

}  // namespace zemlo

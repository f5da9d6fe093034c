// The proxy sheet as a player gets it: the deck's every copy on A4 pages, pictures at most
// 300 dpi in the PDF, drawn faces with their text for cards without one, a picture that
// cannot be read told once; read back with poppler's tools as any viewer would.
#include "images/proxy_sheet_actions.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>

#include "carddb/deck_entry.h"
#include "images/image_folder.h"
#include "images/image_limits.h"
#include "images/image_loader.h"
#include "support/card_builder.h"
#include "support/fake_dialogs.h"
#include "support/temp_dir.h"
#include "test_images.h"

namespace zemlo::test {
namespace {

const QColor kProxyRed(220, 20, 20);

// Counts the print preview's pages instead of showing it.
class CountedProxyActions : public ProxySheetActions {
public:
    using ProxySheetActions::ProxySheetActions;
    int previewPages = -1;

protected:
    int RunModal(QDialog& dialog) override {
        if (auto* preview = qobject_cast<QPrintPreviewDialog*>(&dialog)) {
            auto* pages = preview->findChild<QPrintPreviewWidget*>();
            pages->updatePreview();
            previewPages = pages->pageCount();
        }
        return QDialog::Rejected;
    }
};

QString Tool(const char* tool, QStringList arguments) {
    QProcess process;
    process.start(QString::fromLatin1(tool), arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        ADD_FAILURE() << tool << " failed (poppler-utils installed?): "
                      << process.readAllStandardError().toStdString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString FileName(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

class ProxySheetTest : public ::testing::Test {
protected:
    ProxySheetTest() {
        AddCard(db_.units, "ZM0001", {{unit_field::UnitName, "ガルダ"}});
        AddCard(db_.units, "ZM0002",
                {{unit_field::UnitName, "ベイル"}, {unit_field::SpAbility1, "霧の中でも撃てる"}});
        AddCard(db_.units, "ZM0004", {{unit_field::UnitName, "ロウガ"}});
        AddCard(db_.missions, "MI0001", {{mission_field::MissionName, "夜明けの港"}});
        std::filesystem::create_directories(dir_ / "images");
        // A scan finer than 300 dpi: the sheet keeps it at 300.
        WriteImage(dir_ / "images/ZM0001.png", kProxyRed, QSize(1260, 1760));
        WriteBytes(dir_ / "images/ZM0004.jpg", "not a picture at all");
        folder_.Start();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !folder_.Looking(); }));
    }

    void Add(CardKind kind, int record, int copies) {
        for (int copy = 0; copy < copies; ++copy) {
            deck_.Add(DeckEntry::OfRecord(db_, kind, record));
        }
    }

    TempDir dir_;
    CardDatabase db_;
    Deck deck_;
    SettingsStore settings_{dir_.Path()};
    ImageFolder folder_{settings_, dir_.Path()};
    ImageLoader loader_{kImageCacheBytes};
    QWidget window_;
    FakeDialogs dialogs_;
    CountedProxyActions actions_{db_, deck_, folder_, loader_, dir_.Path(), &window_};
};

TEST_F(ProxySheetTest, EveryCopyStandsAtCardSizeWithPicturesAtMost300DpiAndFacesWithText) {
    Add(CardKind::Unit, 0, 2);
    Add(CardKind::Unit, 1, 3);
    Add(CardKind::Unit, 2, 1);
    Add(CardKind::Mission, 0, 4);
    const std::optional<ProxyPages> sheet = actions_.MakeSheet();
    ASSERT_TRUE(sheet.has_value());
    EXPECT_EQ(sheet->Cards().size(), 10u);
    EXPECT_EQ(sheet->PageCount(), 2u);
    const QSize kept = sheet->ImageOf(u"ZM0001").size();
    EXPECT_EQ(kept.height(), ProxyImageBox().height());
    EXPECT_LE(kept.width(), ProxyImageBox().width());
    EXPECT_TRUE(sheet->ImageOf(u"ZM0004").isNull());
    // The picture that cannot be read is told once, by its card.
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_TRUE(dialogs_.messages[0].text.contains(QStringLiteral("ZM0004: 画像として読めません")))
        << dialogs_.messages[0].text.toStdString();

    dialogs_.fileAnswers = {FileName(dir_ / "proxies")};
    actions_.SaveAsPdf();
    const QString pdf = FileName(dir_ / "proxies.pdf");
    const QString info = Tool("pdfinfo", {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages: +2\\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();
    // One picture, drawn twice, at 300 dots per inch.
    const QStringList images = Tool("pdfimages", {"-list", pdf}).split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(images.size(), 3);
    for (const QString& line : images.mid(2)) {
        const QStringList columns = line.simplified().split(' ');
        ASSERT_GE(columns.size(), 14) << line.toStdString();
        EXPECT_LE(columns[12].toInt(), kProxyImageDpi) << line.toStdString();  // x-ppi
        EXPECT_LE(columns[13].toInt(), kProxyImageDpi) << line.toStdString();  // y-ppi
    }
    // The faces' texts are text, the unit's ability among them.
    const QString text = Tool("pdftotext", {pdf, "-"});
    for (const char* expected : {"ZM0002", "ベイル", "霧の中でも撃てる", "夜明けの港", "ロウガ"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    }

    // Page one at 25 dpi: the first card is the red picture, the edge outside the cards white.
    Tool("pdftoppm", {"-r", "25", "-f", "1", "-l", "1", "-png", pdf, FileName(dir_ / "page")});
    QImage page(FileName(dir_ / "page-1.png"));
    ASSERT_FALSE(page.isNull());
    const double perMm = page.width() / kPaperWidthMm;
    const PaperRect first = ProxyPlace(0);
    EXPECT_TRUE(Near(page.pixel(qRound((first.left + first.width / 2) * perMm),
                                qRound((first.top + first.height / 2) * perMm)),
                     kProxyRed, 40));
    EXPECT_EQ(page.pixel(2, 2), qRgb(255, 255, 255));
}

TEST_F(ProxySheetTest, CancellingWhileThePicturesAreReadMakesNoSheetAndDropsTheRest) {
    // The cancel is queued before the first picture can come back: it is handled first.
    for (int card = 0; card < 10; ++card) {
        const std::string number = "ZM1" + std::to_string(100 + card);
        AddCard(db_.units, number, {{unit_field::UnitName, "試作機"}});
        WriteImage(dir_ / ("images/" + number + ".png"), kProxyRed, QSize(126, 176));
        deck_.Add(DeckEntry::OfRecord(db_, CardKind::Unit, db_.units.Count() - 1));
    }
    folder_.Look();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !folder_.Looking() && folder_.Index().Cards() >= 10; }));
    QTimer::singleShot(0, &window_, [this] {
        auto* progress = window_.findChild<QProgressDialog*>("frmProxyProgress");
        ASSERT_NE(progress, nullptr);
        emit progress->canceled();  // as its 中止 button does
    });
    EXPECT_FALSE(actions_.MakeSheet().has_value());
    EXPECT_TRUE(dialogs_.messages.empty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return loader_.Pending() == 0u; }));
}

TEST_F(ProxySheetTest, PrintingShowsThePreviewAndAnEmptyDeckIsTold) {
    actions_.Print();
    EXPECT_EQ(actions_.previewPages, -1);
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].text, QStringLiteral("ﾃﾞｯｷにｶｰﾄﾞがありません。"));

    Add(CardKind::Unit, 1, 19);
    actions_.Print();
    EXPECT_EQ(actions_.previewPages, 3);
}

}  // namespace
}  // namespace zemlo::test

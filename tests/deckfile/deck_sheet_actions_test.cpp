// The deck sheet commands as a player meets them: the names dialog, the save dialogs and
// the files, read back with poppler's tools as any viewer would read them.
#include "deckfile/deck_sheet_actions.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QDateEdit>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QWidget>

#include "deck/deck_document.h"
#include "deckfile/deck_file_actions.h"
#include "deckfile/deck_sheet_painter.h"
#include "deckfile/sheet_heading_dialog.h"
#include "support/card_builder.h"
#include "support/fake_dialogs.h"
#include "support/file_faults.h"
#include "support/temp_dir.h"

namespace zemlo::test {
namespace {

// Answers the names dialog with the given names, or cancels it; a print preview is drawn
// and its pages counted instead of shown.
class AnsweredSheetActions : public DeckSheetActions {
public:
    using DeckSheetActions::DeckSheetActions;

    QString player = QStringLiteral("山田 ﾀﾛｳ");
    QString deckName;  // empty keeps the offered name
    QString event;
    QDate date;  // invalid keeps the offered date
    bool cancel = false;
    QStringList offered;  // player, deck name, event and date as the dialog offered them
    int previewPages = -1;
    // What the print dialog behind the preview's printer button offers to print to.
    QString printToFile;

protected:
    int RunModal(QDialog& dialog) override {
        if (auto* names = qobject_cast<SheetHeadingDialog*>(&dialog)) {
            offered = {names->playerBox->text(), names->deckNameBox->text(),
                       names->eventBox->text(), names->dateBox->text()};
            if (cancel) return QDialog::Rejected;
            names->playerBox->setText(player);
            if (!deckName.isEmpty()) names->deckNameBox->setText(deckName);
            names->eventBox->setText(event);
            if (date.isValid()) names->dateBox->setDate(date);
            return QDialog::Accepted;
        }
        if (auto* preview = qobject_cast<QPrintPreviewDialog*>(&dialog)) {
            auto* pages = preview->findChild<QPrintPreviewWidget*>();
            pages->updatePreview();
            previewPages = pages->pageCount();
            QPrintDialog print(preview->printer());
            if (auto* file = print.findChild<QLineEdit*>(QStringLiteral("filename"))) {
                printToFile = file->text();
            }
        }
        return QDialog::Rejected;
    }
};

DeckEntry MissionEntry(std::u16string_view no, std::u16string_view name, int points) {
    return DeckEntry(CardKind::Mission, no, name, std::u16string(1, char16_t(u'0' + points)));
}

// A poppler tool's standard output for file.
QString Poppler(const char* tool, const std::filesystem::path& file, QStringList options = {}) {
    options << QString::fromStdString(file.string());
    if (qstrcmp(tool, "pdftotext") == 0) options << QStringLiteral("-");
    QProcess process;
    process.start(QString::fromLatin1(tool), options);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << tool << " failed (poppler-utils installed?): "
                      << process.readAllStandardError().toStdString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

class DeckSheetActionsTest : public ::testing::Test {
protected:
    DeckSheetActionsTest()
        : settings_(dir_.Path()), actions_(settings_, dir_.Path(), document_, &window_) {}

    QString PathOf(const char* name) const {
        return QString::fromStdU16String((dir_ / name).u16string());
    }

    // Every kind of card, copies of some, and counters outside every rule.
    void FillDeck() {
        const DeckEntry blue(CardKind::Unit, u"ZM0001", u"蒼の機兵");
        Deck deck;
        deck.Fill({blue, blue, DeckEntry(CardKind::Unit, u"ZM0002", u"ﾃｽﾄ偵察機"),
                   MissionEntry(u"MI00001", u"辺境の防衛線", 3),
                   MissionEntry(u"MI00001", u"辺境の防衛線", 3),
                   DeckEntry(CardKind::Character, u"CH0001", u"ミナト・カイ")});
        SetDeck(deck);
    }

    // count distinct units and nothing else.
    void FillDistinctUnits(int count) {
        Deck deck;
        for (int i = 0; i < count; ++i) {
            const std::u16string digits =
                QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0')).toStdU16String();
            deck.Add(DeckEntry(CardKind::Unit, u"ZM" + digits, u"機体" + digits));
        }
        SetDeck(deck);
    }

    void SetDeck(const Deck& deck) {
        document_.History().ApplyDeckEdit(ReplaceDeckEdit(document_.CurrentDeck(), deck));
    }

    TempDir dir_;
    SettingsStore settings_;
    DeckDocument document_;
    QWidget window_;
    FakeDialogs dialogs_;
    AnsweredSheetActions actions_;
};

TEST_F(DeckSheetActionsTest, PdfCarriesEveryNameAndCountAsTextInAnEmbeddedFont) {
    FillDeck();
    actions_.deckName = QStringLiteral("大会用");
    actions_.event = QStringLiteral("冬季ﾘｰｸﾞ");
    actions_.date = QDate(2027, 1, 9);
    dialogs_.fileAnswers = {PathOf("sheet")};
    actions_.SaveAsPdf();

    ASSERT_EQ(dialogs_.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs_.fileRequests[0].initialPath, PathOf("大会用.pdf"));
    const auto pdf = dir_ / "sheet.pdf";
    ASSERT_TRUE(std::filesystem::exists(pdf));
    const QString text =
        Poppler("pdftotext", pdf, {QStringLiteral("-enc"), QStringLiteral("UTF-8")});
    for (const char* expected : {"ZEMLOSAGA ﾃﾞｯｷｼｰﾄ",
                                 "山田 ﾀﾛｳ",
                                 "大会用",
                                 "ZM0001",
                                 "蒼の機兵",
                                 "×２",
                                 "ﾃｽﾄ偵察機",
                                 "×１",
                                 "MI00001",
                                 "辺境の防衛線",
                                 "ミナト・カイ",
                                 "ユニット数：3（規定外）",
                                 "大会名：",
                                 "冬季ﾘｰｸﾞ",
                                 "2027年1月9日",
                                 "合計枚数：6",
                                 "獲得戦果（1枚）",
                                 "署名：",
                                 "ミッション数：2",
                                 "合計戦果：6（規定外）",
                                 "キャラクター数：1",
                                 "ミッション＋キャラクター数：3（規定外）"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    }
    // pdftotext may close up the blanks of "1 / 1".
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("1 ?/ ?1"))));
    const QString fonts = Poppler("pdffonts", pdf).section(QLatin1Char('\n'), 2);
    EXPECT_FALSE(fonts.trimmed().isEmpty());
    for (const QString& line : fonts.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        // Columns: name, type, encoding, emb, sub, uni, object, generation.
        const QStringList columns = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        ASSERT_GE(columns.size(), 7);
        EXPECT_EQ(columns[columns.size() - 5], QStringLiteral("yes")) << line.toStdString();
    }
    const QString info = Poppler("pdfinfo", pdf);
    EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();
}

// The top and bottom, in points, of the first word of page page that begins with prefix,
// from pdftotext's boxes.
std::pair<double, double> WordSpan(const std::filesystem::path& pdf, int page,
                                   const QString& prefix) {
    const QString boxes = Poppler(
        "pdftotext", pdf,
        {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
         QString::number(page), QStringLiteral("-enc"), QStringLiteral("UTF-8")});
    const QRegularExpression word(
        QStringLiteral(
            R"re(<word xMin="[-\d.]+" yMin="([-\d.]+)" xMax="[-\d.]+" yMax="([-\d.]+)">)re") +
        QRegularExpression::escape(prefix));
    const QRegularExpressionMatch found = word.match(boxes);
    if (!found.hasMatch()) {
        ADD_FAILURE() << "no word " << prefix.toStdString() << " on page " << page;
        return {0, 0};
    }
    return {found.captured(1).toDouble(), found.captured(2).toDouble()};
}

TEST_F(DeckSheetActionsTest, PagesAreFullUpToTheirNumberAndEveryPageHasOneTypeSize) {
    // The most different units one page holds, by the page breaks' own count: its last line,
    // the signature, stands above the page number.
    int full = 1;
    while (true) {
        FillDistinctUnits(full + 1);
        if (BuildDeckSheet(SummarizeDeck(document_.CurrentDeck()), {}).pages.size() > 1) break;
        ++full;
    }
    FillDistinctUnits(full);
    dialogs_.fileAnswers = {PathOf("full.pdf")};
    actions_.SaveAsPdf();
    EXPECT_TRUE(Poppler("pdfinfo", dir_ / "full.pdf").contains(QRegularExpression("Pages: +1\\n")));
    EXPECT_LT(WordSpan(dir_ / "full.pdf", 1, QStringLiteral("署名")).second,
              WordSpan(dir_ / "full.pdf", 1, QStringLiteral("/")).first);

    // Units running on to a second page: a full page and a nearly empty one, in one type.
    FillDistinctUnits(60);
    dialogs_.fileAnswers = {PathOf("more.pdf"), PathOf("more.png")};
    actions_.SaveAsPdf();
    EXPECT_TRUE(Poppler("pdfinfo", dir_ / "more.pdf").contains(QRegularExpression("Pages: +2\\n")));
    const QString second = Poppler("pdftotext", dir_ / "more.pdf",
                                   {QStringLiteral("-f"), QStringLiteral("2"),
                                    QStringLiteral("-enc"), QStringLiteral("UTF-8")});
    EXPECT_TRUE(second.contains(QStringLiteral("機体0059")));
    EXPECT_TRUE(second.contains(QStringLiteral("ユニット数：60（規定外）")));
    EXPECT_TRUE(second.contains(QRegularExpression(QStringLiteral("2 ?/ ?2"))));
    const auto [top, bottom] = WordSpan(dir_ / "more.pdf", 1, QStringLiteral("機体0000"));
    const auto [lastTop, lastBottom] = WordSpan(dir_ / "more.pdf", 2, QStringLiteral("機体0059"));
    EXPECT_GT(bottom - top, 0);
    EXPECT_NEAR(lastBottom - lastTop, bottom - top, 0.01);

    // One image per page, each an A4 page at 150 dpi on white.
    actions_.SaveAsImage();
    for (const char* name : {"more.png", "more-2.png"}) {
        const QImage image(QString::fromStdString((dir_ / name).string()));
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_EQ(image.size(), QSize(1240, 1754)) << name;
        EXPECT_EQ(image.pixel(3, 3), qRgb(255, 255, 255)) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(dir_ / "more-3.png"));
    EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(DeckSheetActionsTest, PreviewShowsEveryPageAndPrintingToAFileSavesIt) {
    FillDistinctUnits(61);
    actions_.deckName = QStringLiteral("決勝");
    actions_.Print();
    EXPECT_EQ(actions_.previewPages, 2);
    // Print to file offers the deck's folder and name, as the PDF save does.
    EXPECT_EQ(actions_.printToFile, PathOf("決勝.pdf"));

    // The print dialog's "print to file" writes through the file layer, never while the
    // preview draws.
    const auto sheet = actions_.AskSheet();
    ASSERT_TRUE(sheet.has_value());
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(PathOf("printed.pdf"));
    QPrintPreviewWidget preview(&printer);
    QObject::connect(&preview, &QPrintPreviewWidget::paintRequested,
                     [&](QPrinter* target) { actions_.PrintSheetOn(*target, *sheet); });
    preview.updatePreview();
    EXPECT_EQ(preview.pageCount(), 2);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "printed.pdf"));
    {
        InjectedFaults injected;
        injected.faults.readOnlyFolder = dir_.Path();
        EXPECT_FALSE(actions_.PrintSheetOn(printer, *sheet));
        EXPECT_EQ(dialogs_.messages.size(), 1u);
    }
    ASSERT_TRUE(actions_.PrintSheetOn(printer, *sheet));
    EXPECT_TRUE(
        Poppler("pdfinfo", dir_ / "printed.pdf").contains(QRegularExpression("Pages: +2\\n")));
}

TEST_F(DeckSheetActionsTest, EmptyDeckImageShowsItsCountersInRed) {
    dialogs_.fileAnswers = {PathOf("empty")};
    actions_.SaveAsImage();
    const QImage image(PathOf("empty.png"));
    ASSERT_FALSE(image.isNull());
    int red = 0;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            const QRgb pixel = image.pixel(x, y);
            red += qRed(pixel) > 200 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
        }
    }
    EXPECT_GT(red, 50);
}

TEST_F(DeckSheetActionsTest, NamesDialogOffersTheDeckFileAndRemembersThePlayer) {
    // The deck's name comes from the deck file last saved.
    CardDatabase db;
    DeckFileActions files(DeckFileContext{db, settings_, dir_.Path()}, document_, &window_);

    const QDate today = QDate::currentDate();
    const QString date =
        QString::fromStdU16String(SheetDateText(today.year(), today.month(), today.day()));
    actions_.cancel = true;
    EXPECT_FALSE(actions_.AskSheet().has_value());
    EXPECT_EQ(actions_.offered, (QStringList{QString(), QString(), QString(), date}));

    dialogs_.fileAnswers = {PathOf("予選.v2.htm")};
    ASSERT_TRUE(files.SaveDeck());
    actions_.cancel = false;
    const auto sheet = actions_.AskSheet();
    ASSERT_TRUE(sheet.has_value());
    EXPECT_EQ(actions_.offered[1], QStringLiteral("予選.v2"));
    EXPECT_EQ(sheet->heading.player, U("山田 ﾀﾛｳ"));
    EXPECT_EQ(settings_.ReadSetting(u"SHEET", u"PLAYER"), U("山田 ﾀﾛｳ"));
    EXPECT_EQ(sheet->heading.date, date.toStdU16String());

    // The event's name is kept too, and offered again.
    actions_.event = QStringLiteral("春の大会");
    ASSERT_TRUE(actions_.AskSheet().has_value());
    EXPECT_EQ(settings_.ReadSetting(u"SHEET", u"EVENT"), U("春の大会"));
    actions_.cancel = true;
    EXPECT_FALSE(actions_.AskSheet().has_value());
    EXPECT_EQ(actions_.offered[2], QStringLiteral("春の大会"));

    // Next time the player is offered; a cancelled dialog keeps the stored name.
    actions_.cancel = true;
    actions_.player = QStringLiteral("別人");
    EXPECT_FALSE(actions_.AskSheet().has_value());
    EXPECT_EQ(actions_.offered[0], QStringLiteral("山田 ﾀﾛｳ"));
    EXPECT_EQ(settings_.ReadSetting(u"SHEET", u"PLAYER"), U("山田 ﾀﾛｳ"));
}

TEST_F(DeckSheetActionsTest, FilesThatExistOrCannotBeWrittenAreNotReplacedSilently) {
    FillDistinctUnits(61);
    WriteBytes(dir_ / "old-2.png", "earlier page");
    // The dialog asked about old.png only; old-2.png needs a word of its own.
    dialogs_.fileAnswers = {PathOf("old.png")};
    dialogs_.messageAnswer = QMessageBox::No;
    actions_.SaveAsImage();
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_TRUE(dialogs_.messages[0].text.contains(PathOf("old-2.png")));
    EXPECT_FALSE(std::filesystem::exists(dir_ / "old.png"));
    EXPECT_EQ(ReadBytes(dir_ / "old-2.png"), "earlier page");

    WriteBytes(dir_ / "kept.pdf", "a file of the player's");
    InjectedFaults injected;
    injected.faults.readOnlyFolder = dir_.Path();
    dialogs_.fileAnswers = {PathOf("kept.pdf")};
    actions_.SaveAsPdf();
    ASSERT_EQ(dialogs_.messages.size(), 2u);
    EXPECT_EQ(dialogs_.messages[1].icon, QMessageBox::Critical);
    EXPECT_EQ(ReadBytes(dir_ / "kept.pdf"), "a file of the player's");
}

TEST_F(DeckSheetActionsTest, AnEarlierLongerSheetsPagesAreNamedAndGoOnlyWhenThePlayerAgrees) {
    FillDistinctUnits(61);  // two pages
    dialogs_.fileAnswers = {PathOf("big70.png")};
    actions_.SaveAsImage();
    ASSERT_TRUE(std::filesystem::exists(dir_ / "big70-2.png"));
    WriteBytes(dir_ / "big70-4.png", "not next to the sheet");
    WriteBytes(dir_ / "big70.txt", "a file of the player's");

    // A one-page sheet under that name: the question names the page it would leave.
    FillDeck();
    const std::string earlierPage = ReadBytes(dir_ / "big70-2.png");
    dialogs_.fileAnswers = {PathOf("big70.png")};
    dialogs_.questionAnswers = {QMessageBox::Cancel};
    actions_.SaveAsImage();
    ASSERT_EQ(dialogs_.questions.size(), 1);
    EXPECT_TRUE(dialogs_.questions[0].contains(PathOf("big70-2.png")));
    EXPECT_FALSE(dialogs_.questions[0].contains(PathOf("big70-4.png")));
    EXPECT_EQ(ReadBytes(dir_ / "big70-2.png"), earlierPage);

    dialogs_.fileAnswers = {PathOf("big70.png")};
    dialogs_.questionAnswers = {QMessageBox::No};  // saved, the page kept
    const auto beforeKeep = std::filesystem::last_write_time(dir_ / "big70.png");
    actions_.SaveAsImage();
    EXPECT_NE(std::filesystem::last_write_time(dir_ / "big70.png"), beforeKeep);
    EXPECT_EQ(ReadBytes(dir_ / "big70-2.png"), earlierPage);

    dialogs_.fileAnswers = {PathOf("big70.png")};
    dialogs_.questionAnswers = {QMessageBox::Yes};
    actions_.SaveAsImage();
    EXPECT_FALSE(std::filesystem::exists(dir_ / "big70-2.png"));
    // Nothing else goes.
    EXPECT_EQ(ReadBytes(dir_ / "big70-4.png"), "not next to the sheet");
    EXPECT_EQ(ReadBytes(dir_ / "big70.txt"), "a file of the player's");
    EXPECT_TRUE(std::filesystem::exists(dir_ / "big70.png"));
    EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(DeckSheetActionsTest, AFullDiskMidwaySaysWhichPagesAreNewAndWhichAreNot) {
    FillDistinctUnits(120);  // three pages
    const auto sheet = actions_.AskSheet();
    ASSERT_TRUE(sheet.has_value());
    ASSERT_EQ(sheet->pages.size(), 3u);
    WriteBytes(dir_ / "multi-2.png", "page two of before");
    const std::vector<QByteArray> images = SheetPngs(*sheet);
    dialogs_.messageAnswer = QMessageBox::Yes;  // replace the page the dialog did not ask about
    {
        InjectedFaults injected;
        injected.faults.diskFullAfterBytes = images[0].size() + 10;
        EXPECT_FALSE(actions_.SaveSheetImages(*sheet, PathOf("multi.png")));
    }
    ASSERT_EQ(dialogs_.messages.size(), 2u);  // the question, then the failure
    const QString told = dialogs_.messages[1].text;
    EXPECT_TRUE(told.contains(QStringLiteral("新しくなったﾍﾟｰｼﾞ:\n") + PathOf("multi.png")))
        << told.toStdString();
    EXPECT_TRUE(
        told.contains(QStringLiteral("前のままのﾍﾟｰｼﾞ（このﾃﾞｯｷｼｰﾄのものではありません）:\n") +
                      PathOf("multi-2.png")))
        << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("保存されていないﾍﾟｰｼﾞ:\n") + PathOf("multi-3.png")))
        << told.toStdString();
    EXPECT_EQ(ReadBytes(dir_ / "multi-2.png"), "page two of before");
    EXPECT_FALSE(std::filesystem::exists(dir_ / "multi-3.png"));
}

}  // namespace
}  // namespace zemlo::test

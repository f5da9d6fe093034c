#include "deckfile/deck_file_actions.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QUndoStack>
#include <QWidget>

#include "ui/program_state.h"
#include "deck/deck_history.h"
#include "deck/entry_merge.h"
#include "deck_test_cards.h"
#include "deckfile/deck_file_format.h"
#include "deckfile/deck_file_writer.h"
#include "platform/qt_paths.h"
#include "support/card_builder.h"
#include "support/fake_dialogs.h"
#include "support/file_faults.h"
#include "support/temp_dir.h"

namespace zemlo::test {
namespace {

class DeckFileActionsTest : public ::testing::Test {
protected:
    DeckFileActionsTest() : state_(dir_.Path()), actions_(state_.DeckFiles(), history_, &window_) {
        state_.db = NumberLengthCards();
        state_.output = FlagsFrom(u"11", u"01", u"001");
    }

    QString PathOf(const char* name) const {
        return QString::fromStdU16String((dir_ / name).u16string());
    }
    void FillDeck() {
        for (CardKind kind : kDeckKinds) {
            for (const auto& entry : EntriesOf(state_.db, kind, {3, 0, 2, 0})) {
                deck_.Add(kind, entry);
            }
        }
    }
    // The steps the deck's history holds.
    int Steps() const { return history_.Stack()->count(); }

    TempDir dir_;
    ProgramState state_;
    Deck& deck_ = state_.deck;
    DeckHistory history_{deck_, nullptr};
    QWidget window_;
    FakeDialogs dialogs_;
    DeckFileActions actions_;
};

TEST_F(DeckFileActionsTest, SaveDialogOffersZmAndTheDateAndAddsHtm) {
    const QDate before = QDate::currentDate();
    dialogs_.fileAnswers = {QStringLiteral("  /some where/deck.htm  ")};
    EXPECT_EQ(actions_.AskDeckFileName(DeckFileActions::FileDialogPurpose::Save),
              QStringLiteral("/some where/deck.htm"));
    const QDate after = QDate::currentDate();

    ASSERT_EQ(dialogs_.fileRequests.size(), 1u);
    const FileDialogRequest& request = dialogs_.fileRequests[0];
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.title, QStringLiteral("名前を付けてﾃﾞｯｷﾃﾞｰﾀを保存"));
    QStringList offered;
    for (const QDate& day : {before, after}) {
        offered << QDir(QString::fromStdU16String(dir_.Path().u16string()))
                       .filePath(
                           QString::fromStdU16String(OfferedDeckFileName(day.month(), day.day())));
    }
    EXPECT_TRUE(offered.contains(request.initialPath)) << request.initialPath.toStdString();
    EXPECT_EQ(request.filter, QStringLiteral("MS HTML Document(*.htm)"));
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("htm"));
    EXPECT_TRUE(request.confirmOverwrite);
}

TEST_F(DeckFileActionsTest, OpenDialogOffersHtmFilesAndCancelGivesEmpty) {
    EXPECT_EQ(actions_.AskDeckFileName(DeckFileActions::FileDialogPurpose::Open), QString());
    ASSERT_EQ(dialogs_.fileRequests.size(), 1u);
    const FileDialogRequest& request = dialogs_.fileRequests[0];
    EXPECT_FALSE(request.save);
    EXPECT_EQ(request.title, QStringLiteral("ﾃﾞｯｷﾃﾞｰﾀを開く"));
    EXPECT_EQ(request.initialPath, PathOf("*.htm"));
    EXPECT_EQ(request.filter, QStringLiteral("MS HTML Document(*.htm)"));
    EXPECT_TRUE(request.defaultSuffix.isEmpty());
    // A file dialog given this filter shows the entry as written and lists only .htm files.
    QFileDialog dialog(nullptr, request.title, dir_.Path().string().c_str(), request.filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    EXPECT_EQ(dialog.nameFilters(), QStringList{request.filter});
    auto* model = dialog.findChild<QFileSystemModel*>();
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->nameFilters(), QStringList{QStringLiteral("*.htm")});
}

TEST_F(DeckFileActionsTest, SaveWritesTheDeckWithTheCurrentFlags) {
    FillDeck();
    dialogs_.fileAnswers = {PathOf("deck.HTM")};
    actions_.SaveCommand();
    EXPECT_EQ(ReadBytes(dir_ / "deck.HTM"), DeckFileBytes(state_.db, state_.output, deck_));
    EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(DeckFileActionsTest, OtherEndingsAreToldAndANameWithoutExtensionIsSavedAsHtm) {
    FillDeck();
    dialogs_.fileAnswers = {QString(), PathOf("deck.txt")};
    EXPECT_FALSE(actions_.SaveDeck());  // cancelled: nothing to tell
    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_FALSE(actions_.SaveDeck());
    EXPECT_TRUE(std::filesystem::is_empty(dir_.Path()));
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].text,
              QStringLiteral("ﾃﾞｯｷﾃﾞｰﾀは保存されていません。ﾌｧｲﾙ名の末尾を .htm にしてください。"));
    EXPECT_EQ(dialogs_.messages[0].title, ApplicationTitle());

    dialogs_.messages.clear();
    dialogs_.fileAnswers = {PathOf("ZM1206")};
    EXPECT_TRUE(actions_.SaveDeck());
    EXPECT_EQ(ReadBytes(dir_ / "ZM1206.htm"), DeckFileBytes(state_.db, state_.output, deck_));
    EXPECT_FALSE(std::filesystem::exists(dir_ / "ZM1206"));
    EXPECT_TRUE(dialogs_.messages.empty());

    // The dialog never asked about the name with ".htm" added: replacing it is asked here.
    dialogs_.fileAnswers = {PathOf("ZM1206")};
    dialogs_.messageAnswer = QMessageBox::No;
    deck_.ClearAll();
    EXPECT_FALSE(actions_.SaveDeck());
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_TRUE(dialogs_.messages[0].text.contains(PathOf("ZM1206.htm")));
    EXPECT_NE(ReadBytes(dir_ / "ZM1206.htm"), DeckFileBytes(state_.db, state_.output, deck_));
}

TEST_F(DeckFileActionsTest, SaveAsCsvSaysNotYetAndKeepsAnExistingFile) {
    WriteBytes(dir_ / "deck.csv", "a,b\r\n");
    dialogs_.fileAnswers = {PathOf("deck.csv")};
    actions_.SaveCommand();
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].text, QStringLiteral("作成中"));
    EXPECT_EQ(dialogs_.messages[0].title, ApplicationTitle());
    EXPECT_EQ(ReadBytes(dir_ / "deck.csv"), "a,b\r\n");
}

TEST_F(DeckFileActionsTest, FailedSaveIsReportedAndNeverCalledDone) {
    FillDeck();
    std::filesystem::create_directory(dir_ / "taken.htm");
    WriteBytes(dir_ / "old.htm", "old deck");
    WriteBytes(dir_ / "file", "x");
    dialogs_.fileAnswers = {PathOf("taken.htm"), PathOf("file/deck.htm")};
    actions_.SaveCommand();
    actions_.SaveCommand();
    ASSERT_EQ(dialogs_.messages.size(), 2u);
    for (const RecordedMessage& message : dialogs_.messages) {
        EXPECT_EQ(message.icon, QMessageBox::Critical);
        EXPECT_TRUE(message.text.contains(QStringLiteral("保存できませんでした")));
    }
    EXPECT_TRUE(dialogs_.messages[0].text.contains(PathOf("taken.htm")));
    EXPECT_TRUE(std::filesystem::is_directory(dir_ / "taken.htm"));
    EXPECT_EQ(ReadBytes(dir_ / "old.htm"), "old deck");
    EXPECT_FALSE(actions_.WriteDeckHtml(PathOf("taken.htm")));
    EXPECT_TRUE(actions_.WriteDeckHtml(PathOf("fine.htm")));
}

TEST_F(DeckFileActionsTest, EveryFailedSaveKeepsTheOldFileAndTellsWhy) {
    FillDeck();
    const std::pair<WriteFault, QString> faults[] = {
        {WriteFault::ReadOnlyFolder, QStringLiteral("フォルダに書き込めません")},
        {WriteFault::PathIsFolder, QStringLiteral("同じ名前のフォルダがあります")},
        {WriteFault::DiskFull, QStringLiteral("ディスクの空き容量が足りません")},
        {WriteFault::ReadOnlyFile, QStringLiteral("読み取り専用のファイルです")}};
    for (const auto& [fault, reason] : faults) {
        SCOPED_TRACE(NameOf(fault));
        dialogs_.messages.clear();
        WriteBytes(dir_ / "deck.htm", "old deck");
        InjectedFaults injected;
        Arrange(injected, fault, dir_ / "deck.htm");
        EXPECT_FALSE(actions_.WriteDeckHtml(PathOf("deck.htm")));
        ASSERT_EQ(dialogs_.messages.size(), 1u);
        EXPECT_TRUE(dialogs_.messages[0].text.contains(PathOf("deck.htm")));
        EXPECT_TRUE(dialogs_.messages[0].text.contains(reason));
        if (fault != WriteFault::PathIsFolder) {
            EXPECT_EQ(ReadBytes(dir_ / "deck.htm"), "old deck");
        }
        std::filesystem::remove_all(dir_ / "deck.htm");
    }
}

TEST_F(DeckFileActionsTest, NamesInCp932SaveOpenAndAreToldAsTheyRead) {
    // A folder and a deck named in CP932, as an archive from a Windows machine unpacks them:
    // "デッキ" and "大会.htm".
    const std::filesystem::path folder = dir_ / "\x83\x66\x83\x62\x83\x4c";
    const std::filesystem::path file = folder / "\x91\xe5\x89\xef.htm";
    std::filesystem::create_directory(folder);
    FillDeck();
    const Deck saved = deck_;
    dialogs_.fileAnswers = {PathQString(file)};
    ASSERT_TRUE(actions_.SaveDeck());
    EXPECT_TRUE(std::filesystem::is_regular_file(file));

    Deck other;
    DeckHistory otherHistory(other, nullptr);
    DeckFileActions openInto(state_.DeckFiles(), otherHistory, &window_);
    EXPECT_TRUE(openInto.OpenDeckFile(PathQString(file)));
    EXPECT_EQ(other, saved);

    // A failure there names the file as it reads, and never ends the program.
    ::chmod(folder.c_str(), 0555);
    const bool written = actions_.WriteDeckHtml(PathQString(folder / "new.htm"));
    ::chmod(folder.c_str(), 0755);
    EXPECT_FALSE(written);
    ASSERT_FALSE(dialogs_.messages.empty());
    EXPECT_TRUE(dialogs_.messages.back().text.contains(QStringLiteral("デッキ/new.htm")))
        << dialogs_.messages.back().text.toStdString();
    EXPECT_FALSE(openInto.OpenDeckFile(PathQString(folder / "\x83\xff.htm")));
    EXPECT_TRUE(dialogs_.messages.back().text.contains(QStringLiteral("デッキ/\\x83\\xFF.htm")))
        << dialogs_.messages.back().text.toStdString();
}

TEST_F(DeckFileActionsTest, OpenReplacesTheDeckAsOneStep) {
    FillDeck();
    const Deck saved = deck_;
    ASSERT_TRUE(actions_.WriteDeckHtml(PathOf("deck.htm")));

    Deck other = DeckOf(EntriesOf(state_.db, CardKind::Unit, {1, 1}));
    DeckHistory otherHistory(other, nullptr);
    DeckFileActions openInto(state_.DeckFiles(), otherHistory, &window_);
    dialogs_.fileAnswers = {PathOf("deck.htm")};
    openInto.OpenCommand();
    EXPECT_EQ(other, saved);
    EXPECT_EQ(otherHistory.Stack()->count(), 1);
    EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(DeckFileActionsTest, CancelledOpenKeepsTheDeck) {
    FillDeck();
    const Deck before = deck_;
    actions_.OpenCommand();
    EXPECT_EQ(deck_, before);
    EXPECT_EQ(Steps(), 0);
}

TEST_F(DeckFileActionsTest, OpeningAnotherFileWarnsAndLeavesTheDeckEmpty) {
    FillDeck();
    WriteCp932(dir_ / "page.htm", "<HTML>\n<BODY>\n</BODY>\n</HTML>\n");
    dialogs_.fileAnswers = {PathOf("page.htm")};
    actions_.OpenCommand();
    EXPECT_TRUE(deck_.Empty());
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].icon, QMessageBox::Warning);
    EXPECT_EQ(dialogs_.messages[0].title, QStringLiteral("警告"));
    EXPECT_EQ(dialogs_.messages[0].text,
              QStringLiteral("指定したファイルはサポート外のフォーマットです。"));
    EXPECT_EQ(Steps(), 1);
}

TEST_F(DeckFileActionsTest, FileThatCannotBeReadIsToldAndLeavesTheDeckAsItWas) {
    FillDeck();
    const Deck before = deck_;
    std::filesystem::create_directory(dir_ / "folder.htm");
    WriteBytes(dir_ / "huge.htm", "");
    ASSERT_EQ(::truncate((dir_ / "huge.htm").c_str(), std::int64_t{64} << 30), 0);
    int opened = 0;
    QObject::connect(&actions_, &DeckFileActions::deckOpened, [&] { ++opened; });
    const std::pair<const char*, QString> files[] = {
        {"gone.htm", QStringLiteral("ファイルがありません")},
        {"folder.htm", QStringLiteral("同じ名前のフォルダがあります")},
        {"huge.htm", QStringLiteral("ファイルが大きすぎます")}};
    for (const auto& [name, cause] : files) {
        dialogs_.messages.clear();
        EXPECT_FALSE(actions_.OpenDeckFile(PathOf(name))) << name;
        ASSERT_EQ(dialogs_.messages.size(), 1u);
        EXPECT_TRUE(dialogs_.messages[0].text.contains(PathOf(name)));
        EXPECT_TRUE(dialogs_.messages[0].text.contains(cause)) << name;
    }
    EXPECT_EQ(deck_, before);
    EXPECT_EQ(Steps(), 0);
    EXPECT_EQ(opened, 0);
}

TEST_F(DeckFileActionsTest, RowsBeyondAListsLimitAreToldInTheOneMessage) {
    std::string rows;
    for (size_t i = 0; i < kMaxListEntries + 4; ++i)
        rows += "<TR>\n<TD noWrap>ZM0002</TD>\n</TR>\n";
    rows += "<TR>\n<TD noWrap>ZM7777</TD>\n</TR>\n";
    WriteCp932(dir_ / "big.htm",
               "<META NAME=\"GENERATOR\" Content=\"ZEMLOデッキ作成支援\";charset=Shift_JIS>\n"
               "<P align=center><STRONG>UNIT情報</STRONG></P>\n<TR>\n<TD noWrap>No</TD>\n</TR>\n" +
                   rows);
    EXPECT_TRUE(actions_.OpenDeckFile(PathOf("big.htm")));
    EXPECT_EQ(deck_.Size(CardKind::Unit), kMaxListEntries);
    EXPECT_EQ(Steps(), 1);
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    const QString text = dialogs_.messages[0].text;
    EXPECT_TRUE(text.contains("ZM7777"));
    EXPECT_TRUE(text.contains(QString::fromStdU16String(LeftOutText({4, 0, 0}))));
}

TEST_F(DeckFileActionsTest, OpeningOtherEndingsEmptiesTheDeck) {
    FillDeck();
    WriteBytes(dir_ / "deck.csv", "x");
    dialogs_.fileAnswers = {PathOf("deck.txt"), PathOf("deck.csv")};
    actions_.OpenCommand();
    EXPECT_TRUE(deck_.Empty());
    EXPECT_TRUE(dialogs_.messages.empty());
    FillDeck();
    actions_.OpenCommand();
    EXPECT_TRUE(deck_.Empty());
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].text, QStringLiteral("作成中"));
}

TEST_F(DeckFileActionsTest, SkippedRowsAreCountedAndListedInOneMessage) {
    std::string rows;
    const std::string huge = "ZM" + std::string(3'000'000, '9');  // a damaged file's "number"
    for (const std::string& number : {std::string("ZM0002"), std::string("ZM7777"),
                                      std::string("ZM001"), std::string("ZM8888"), huge}) {
        rows += "<TR>\n<TD noWrap>" + number + "</TD>\n</TR>\n";
    }
    WriteCp932(dir_ / "other.htm",
               "<META NAME=\"GENERATOR\" Content=\"ZEMLOデッキ作成支援\";charset=Shift_JIS>\n"
               "<P align=center><STRONG>UNIT情報</STRONG></P>\n<TR>\n<TD noWrap>No</TD>\n</TR>\n" +
                   rows);
    dialogs_.fileAnswers = {PathOf("other.htm")};
    actions_.OpenCommand();
    // Both known cards, at their sorted places.
    EXPECT_EQ(deck_.Entries(CardKind::Unit), EntriesOf(state_.db, CardKind::Unit, {1, 0}));
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    const QString text = dialogs_.messages[0].text;
    EXPECT_TRUE(text.contains(QStringLiteral("3行")));
    EXPECT_TRUE(text.contains("ZM7777"));
    EXPECT_TRUE(text.contains("ZM8888"));
    EXPECT_FALSE(text.contains("ZM0002"));
    // The long one is listed by its beginning only.
    EXPECT_TRUE(text.contains(QString::fromStdString(huge.substr(0, 40)) + QChar(0x2026)));
    EXPECT_LT(text.size(), 400);
}

TEST_F(DeckFileActionsTest, CopyPutsTheDeckTextOnTheClipboard) {
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->setText("before");
    actions_.CopyDeckText();
    EXPECT_EQ(clipboard->text(), QString());

    deck_.Add(CardKind::Mission, EntriesOf(state_.db, CardKind::Mission, {1})[0]);
    for (int i = 0; i < 3; ++i) {
        deck_.Add(CardKind::Unit, EntriesOf(state_.db, CardKind::Unit, {2})[0]);
    }
    actions_.CopyDeckText();
    EXPECT_EQ(clipboard->text(),
              QStringLiteral("ユニットカード\r\n機体2\t ×３\r\n\r\n\r\nミッションカード\r\n作戦1") +
                  QString(50, ' ') + QStringLiteral("2\t ×１\r\n\r\n\r\n"));
}

}  // namespace
}  // namespace zemlo::test

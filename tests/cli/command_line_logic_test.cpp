// The command line's logic: arguments kept as the bytes they were typed with, what a command
// line means and what is wrong with one, and each command's output and exit status on decks
// the tests write, down to paths no terminal shows plainly.
#include <gtest/gtest.h>

#include <random>

#include "carddb/deck_entry.h"
#include "cli/argument_text.h"
#include "cli/check_report.h"
#include "cli/command_decks.h"
#include "cli/command_request.h"
#include "cli/deck_commands.h"
#include "support/card_builder.h"
#include "support/file_faults.h"
#include "support/temp_dir.h"
#include "tools/library_decks.h"

namespace zemlo::test {
namespace {

namespace fs = std::filesystem;

TEST(ArgumentText, EveryByteStringComesBackAndOnlyWellFormedUtf8BecomesCharacters) {
    EXPECT_EQ(ArgumentText("デッキ.htm"), u"デッキ.htm");
    EXPECT_EQ(ArgumentText("\xF0\x9F\x83\x8F"), u"\U0001F0CF");
    // Stray, overlong, surrogate, cut-off and too large sequences: one escape per byte.
    EXPECT_EQ(ArgumentText("a\xFF"), u"a\xDCFF");
    EXPECT_EQ(ArgumentText("\xC0\x80"), u"\xDCC0\xDC80");
    EXPECT_EQ(ArgumentText("\xED\xA0\x80"), u"\xDCED\xDCA0\xDC80");
    EXPECT_EQ(ArgumentText("\xE3\x81"), u"\xDCE3\xDC81");
    EXPECT_EQ(ArgumentText("\xF4\x90\x80\x80"), u"\xDCF4\xDC90\xDC80\xDC80");
    EXPECT_EQ(ShownArgument(ArgumentText("\xFF\xF0\x9F\x83\x8F")), u"\uFFFD\U0001F0CF");
    // U+1F0CF's second half lies among the escapes and stays a character.
    EXPECT_EQ(ArgumentBytes(u"\U0001F0CF\xDCFF"), "\xF0\x9F\x83\x8F\xFF");

    std::mt19937 random(33);
    const std::string alphabet = "a/.\x80\xBF\xC2\xE3\x81\x82\xED\xA0\xF0\x9F\xF4\xFF";
    for (int n = 0; n < 20000; ++n) {
        std::string bytes(random() % 9, ' ');
        for (char& c : bytes) c = alphabet[random() % alphabet.size()];
        ASSERT_EQ(ArgumentBytes(ArgumentText(bytes)), bytes);
    }
}

TEST(CommandLineChoice, OnlyOurOptionsLeaveTheWindow) {
    using Args = std::vector<std::string_view>;
    EXPECT_FALSE(WantsCommandLine(Args{}));
    EXPECT_FALSE(WantsCommandLine(Args{"deck.htm"}));
    EXPECT_FALSE(WantsCommandLine(Args{"-platform", "offscreen", "deck.htm"}));
    EXPECT_FALSE(WantsCommandLine(Args{"--", "--check"}));
    EXPECT_TRUE(WantsCommandLine(Args{"decks", "--check"}));
    EXPECT_TRUE(WantsCommandLine(Args{"--bogus"}));
    EXPECT_TRUE(WantsCommandLine(Args{"-h"}));
    EXPECT_TRUE(WantsCommandLine(Args{"-osheet.pdf"}));

    EXPECT_EQ(WindowDeckFile(Args{}), std::nullopt);
    EXPECT_EQ(WindowDeckFile(Args{"--"}), std::nullopt);
    EXPECT_EQ(WindowDeckFile(Args{"deck.htm"}), "deck.htm");
    EXPECT_EQ(WindowDeckFile(Args{"--", "-deck.htm"}), "-deck.htm");
    EXPECT_EQ(WindowDeckFile(Args{"--", "--"}), "--");
}

CommandArguments Sheet(std::u16string output) {
    CommandArguments arguments;
    arguments.sheet = true;
    arguments.positional = {u"deck.htm"};
    arguments.output = std::move(output);
    return arguments;
}

TEST(Interpret, ACommandLineWithoutOneMeaningIsAUsageError) {
    std::vector<CommandArguments> wrong(12);
    wrong[1].check = wrong[1].text = true;  // wrong[0]: no command at all
    wrong[1].positional = {u"a.htm"};
    wrong[2].check = true;  // nothing to check
    wrong[3].text = true;
    wrong[3].positional = {u"a.htm", u"b.htm"};
    wrong[4].compare = true;
    wrong[4].positional = {u"a.htm"};
    wrong[5] = Sheet(u"sheet.pdf");
    wrong[5].output.reset();
    wrong[6] = Sheet(u"sheet.txt");
    wrong[7] = Sheet(u".pdf");
    wrong[8] = wrong[2];
    wrong[8].positional = {u"decks"};
    wrong[9] = wrong[8];
    wrong[8].player = u"山田";  // a sheet's option with another command
    wrong[9].format = u"xml";
    wrong[10] = Sheet(u"sheet.pdf");
    wrong[10].date = u"2027-02-29";
    wrong[11] = wrong[3];
    wrong[11].positional.pop_back();
    wrong[11].format = u"json";  // only --check has a format
    for (size_t i = 0; i < wrong.size(); ++i) {
        const Interpretation meaning = Interpret(wrong[i]);
        EXPECT_FALSE(meaning.request) << i;
        EXPECT_FALSE(meaning.problem.empty()) << i;
    }
    CommandArguments help = wrong[1];
    help.help = true;
    ASSERT_TRUE(Interpret(help).request);
    EXPECT_EQ(Interpret(help).request->command, Command::Help);
}

TEST(Interpret, RequestsKeepTheBytesTheyWereTypedWithAndTheSheetsOneLineNames) {
    CommandArguments arguments = Sheet(ArgumentText("OUT\xFF.PNG"));
    arguments.positional = {ArgumentText("d\xFF.htm")};
    arguments.dataFiles = {u"a.dat", ArgumentText("b\xFE.dat")};
    arguments.player = u"山田\n太郎 ";
    arguments.date = u"2028-02-29";
    arguments.event = u"冬季\n大会";
    const std::optional<CommandRequest> request = Interpret(arguments).request;
    ASSERT_TRUE(request);
    EXPECT_EQ(request->command, Command::Sheet);
    EXPECT_EQ(request->sheetFormat, SheetFormat::Png);
    EXPECT_EQ(request->output.native(), "OUT\xFF.PNG");
    EXPECT_EQ(request->paths, std::vector<fs::path>{"d\xFF.htm"});
    EXPECT_EQ(request->dataFiles, (std::vector<fs::path>{"a.dat", "b\xFE.dat"}));
    EXPECT_EQ(request->player, u"山田 太郎");
    EXPECT_EQ(request->event, u"冬季 大会");
    EXPECT_FALSE(request->deckName);
    ASSERT_TRUE(request->date);
    EXPECT_EQ(request->date->day, 29);

    for (const char16_t* date : {u"2026-02-29", u"1900-02-29", u"2026-13-01", u"2026-04-31",
                                 u"2026-1-07", u"２０２６-01-07", u"2026-01-07 "}) {
        EXPECT_FALSE(ParseSheetDate(date)) << U8(date);
    }
    EXPECT_TRUE(ParseSheetDate(u"2000-02-29"));
}

class CommandTest : public ::testing::Test {
protected:
    CommandTest() : db(LibraryCards()) {}

    // A deck of units 0-19 and the missions given, saved under dir.
    fs::path Save(const std::string& name, std::initializer_list<int> units,
                  std::initializer_list<int> missions, const CardDatabase* with = nullptr) {
        const fs::path path = dir / name;
        fs::create_directories(path.parent_path());
        SaveLibraryDeck(path, with ? *with : db, MakeDeck(with ? *with : db, units, missions, {}));
        return path;
    }

    CommandRequest Request(Command command, std::vector<fs::path> paths) {
        CommandRequest request;
        request.command = command;
        request.paths = std::move(paths);
        return request;
    }

    CardDatabase db;
    TempDir dir;
};

const std::initializer_list<int> kTwentyUnits = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,
                                                 10, 11, 12, 13, 14, 15, 16, 17, 18, 19};
const std::initializer_list<int> kTenMissions = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};  // 20 points

TEST_F(CommandTest, CheckListsEveryDeckInPathOrderAndEscapesWhatAPathCannotHold) {
    CardDatabase older = LibraryCards();
    AddCard(older.units, "ZM9999", {{unit_field::UnitName, "旧型"}});
    Save("decks/b.htm", kTwentyUnits, kTenMissions);
    Save("decks/a/short.htm", {0, 0, 4}, {0});
    Save("decks/unknown.htm",
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 27}, kTenMissions,
         &older);
    Save("decks/tab\tname.htm", kTwentyUnits, kTenMissions);
    Save("decks/\xFF.htm", kTwentyUnits, kTenMissions);
    Save("decks/.hidden.htm", {0}, {});
    WriteBytes(dir / "decks/page.htm", "<HTML></HTML>");

    CommandOutput tsv = CheckCommand(Request(Command::Check, {dir / "decks"}), db);
    const std::string at = (dir / "decks/").native();
    EXPECT_EQ(tsv.out,
              "ﾌｧｲﾙ\tﾕﾆｯﾄ数\tﾐｯｼｮﾝ+ｷｬﾗｸﾀｰ数\t合計戦果\t判定\t不明ｶｰﾄﾞ\n" + at +
                  "a/short.htm\t3\t1\t2\tﾕﾆｯﾄ 3、ﾐｯｼｮﾝ+ｷｬﾗｸﾀｰ 1、戦果 2\t0\n" + at +
                  "b.htm\t20\t10\t20\tOK\t0\n" + at + "tab\\tname.htm\t20\t10\t20\tOK\t0\n" + at +
                  "unknown.htm\t20\t10\t20\tOK\t1\n" + at +
                  "\xFF.htm\t20\t10\t20\tOK\t0\n"
                  "ﾃﾞｯｷ 5 件、規定外 1 件、不明ｶｰﾄﾞのあるﾃﾞｯｷ 1 件、ﾃﾞｯｷでないﾌｧｲﾙ 1 件\n");
    EXPECT_EQ(tsv.err, "");
    EXPECT_EQ(tsv.status, kStatusDeckNotOk);

    CommandRequest json = Request(Command::Check, {dir / "decks/a", dir / "decks/\xFF.htm"});
    json.format = CheckFormat::Json;
    const CommandOutput listed = CheckCommand(json, db);
    EXPECT_EQ(listed.out,
              "[\n{\"path\":\"" + at +
                  "a/short.htm\",\"units\":3,\"missionsAndCharacters\":1,\"points\":2,"
                  "\"ok\":false,\"broken\":[{\"rule\":\"units\",\"count\":3},"
                  "{\"rule\":\"missionsAndCharacters\",\"count\":1},"
                  "{\"rule\":\"points\",\"count\":2}],\"unknownRows\":0},\n"
                  "{\"path\":\"" +
                  at +
                  "\\udcff.htm\",\"units\":20,\"missionsAndCharacters\":10,\"points\":20,"
                  "\"ok\":true,\"broken\":[],\"unknownRows\":0}\n]\n");
    EXPECT_EQ(listed.err, "ﾃﾞｯｷ 2 件、規定外 1 件\n");
}

TEST_F(CommandTest, CheckTellsPathsItCannotReadAndListsADeckNamedTwiceOnce) {
    const fs::path deck = Save("b.htm", kTwentyUnits, kTenMissions);
    EXPECT_EQ(CheckCommand(Request(Command::Check, {deck}), db).status, kStatusOk);

    WriteBytes(dir / "page.txt", "<HTML></HTML>");
    const CommandOutput output = CheckCommand(
        Request(Command::Check, {dir / "gone", deck, dir / "page.txt", dir.Path()}), db);
    EXPECT_EQ(output.status, kStatusTrouble);
    EXPECT_EQ(output.out, "ﾌｧｲﾙ\tﾕﾆｯﾄ数\tﾐｯｼｮﾝ+ｷｬﾗｸﾀｰ数\t合計戦果\t判定\t不明ｶｰﾄﾞ\n" +
                              deck.native() + "\t20\t10\t20\tOK\t0\nﾃﾞｯｷ 1 件、規定外 0 件\n");
    EXPECT_EQ(output.err, "zemlo-deck: " + (dir / "gone").native() +
                              ": 読み込めません（ファイルがありません）\n"
                              "zemlo-deck: " +
                              (dir / "page.txt").native() +
                              ": 指定したファイルはサポート外のフォーマットです。\n");
}

TEST_F(CommandTest, TextAndCompareWriteWhatTheClipboardGets) {
    CardDatabase older = LibraryCards();
    AddCard(older.units, "ZM9999", {{unit_field::UnitName, "旧型"}});
    const fs::path first = Save("first.htm", {0, 0, 1}, {2});
    const fs::path second = Save("second.htm", {0, 3, 27}, {2, 2}, &older);

    const CommandOutput text = DeckTextCommand(Request(Command::Text, {first}), db);
    EXPECT_EQ(text.out,
              "ユニットカード\r\n試作機1\t ×２\r\n試作機2\t ×１\r\n\r\n\r\n"
              "ミッションカード\r\n作戦3" +
                  std::string(50, ' ') + "1\t ×１\r\n\r\n\r\n");
    EXPECT_EQ(text.status, kStatusOk);

    // The row naming a card the data lacks is left out, told, and makes the status 1.
    const CommandOutput difference = CompareCommand(Request(Command::Compare, {first, second}), db);
    EXPECT_EQ(difference.out,
              "－１\t試作機1\tZM0001\r\n－１\t試作機2\tZM0002\r\n＋１\t試作機4\tZM0004\r\n"
              "＋１\t作戦3\tMI0003\r\n");
    EXPECT_EQ(difference.err,
              "zemlo-deck: " + second.native() +
                  ": カードデータにないカード番号の行を1行読み飛ばしました: ZM9999\n");
    EXPECT_EQ(difference.status, kStatusDeckNotOk);

    WriteBytes(dir / "page.htm", "<HTML></HTML>");
    const CommandOutput foreign =
        CompareCommand(Request(Command::Compare, {first, dir / "page.htm"}), db);
    EXPECT_EQ(foreign.out, "");
    EXPECT_EQ(foreign.status, kStatusTrouble);
}

TEST_F(CommandTest, SheetIsHeadedWithTheFileNameAndTodayAndNamesAFileForEveryPage) {
    // 67 different units: two pages.
    for (int n = 0; n < 40; ++n) AddCard(db.units, "ZX" + std::to_string(100 + n));
    std::vector<DeckEntry> units;
    for (int i = 0; i < db.units.Count(); ++i)
        units.push_back(DeckEntry::OfRecord(db, CardKind::Unit, i));
    Deck deck;
    deck.Fill(std::move(units));
    const fs::path path = dir / "\xFFデッキ.htm";
    SaveLibraryDeck(path, db, deck);

    CommandRequest request = Request(Command::Sheet, {path});
    request.sheetFormat = SheetFormat::Png;
    request.output = dir / "out\xFF.png";
    CommandOutput output;
    const std::optional<SheetJob> job = PrepareSheet(request, db, SheetDate{2026, 12, 7}, output);
    ASSERT_TRUE(job);
    EXPECT_EQ(job->sheet.heading.player, u"");
    EXPECT_EQ(job->sheet.heading.deckName, u"\uFFFDデッキ");
    EXPECT_EQ(job->sheet.heading.date, u"2026年12月7日");
    EXPECT_EQ(job->files, (std::vector<fs::path>{dir / "out\xFF.png", dir / "out\xFF-2.png"}));

    EXPECT_EQ(job->sheet.heading.event, u"");
    request.deckName = u"決勝";
    request.date = SheetDate{2027, 1, 2};
    request.event = u"冬季大会";
    const std::optional<SheetJob> named = PrepareSheet(request, db, SheetDate{2026, 12, 7}, output);
    ASSERT_TRUE(named);
    EXPECT_EQ(named->sheet.heading.deckName, u"決勝");
    EXPECT_EQ(named->sheet.heading.date, u"2027年1月2日");
    EXPECT_EQ(named->sheet.heading.event, u"冬季大会");
    EXPECT_EQ(output.status, kStatusOk);

    // A write that fails leaves the old file and is trouble.
    WriteBytes(dir / "out.pdf", "old");
    InjectedFaults injected;
    Arrange(injected, WriteFault::ReadOnlyFolder, dir / "out.pdf");
    EXPECT_FALSE(WriteCommandFile(dir / "out.pdf", "%PDF", output));
    EXPECT_EQ(ReadBytes(dir / "out.pdf"), "old");
    EXPECT_EQ(output.status, kStatusTrouble);
}

TEST_F(CommandTest, CardDataThatCannotBeReadStopsTheCommandAndDataFilesAreReadInOrder) {
    CardDatabase loaded;
    CommandOutput output;
    EXPECT_FALSE(LoadCommandCardData(loaded, {}, dir.Path(), output));
    EXPECT_EQ(output.status, kStatusTrouble);
    EXPECT_EQ(output.err, "zemlo-deck: " + (dir / "ZEMLO.dat").native() +
                              ": カードデータを読み込めませんでした（ファイルがありません）\n");

    WriteCp932(dir / "a.dat", "[MI0001]\n名称：作戦\n獲得戦果：3\n");
    WriteCp932(dir / "b.dat", "[MI0002]\n名称：別の作戦\n獲得戦果：1\n");
    CommandOutput read;
    EXPECT_TRUE(LoadCommandCardData(loaded, {dir / "b.dat", dir / "a.dat"}, dir.Path(), read));
    EXPECT_EQ(read.status, kStatusOk);
    ASSERT_EQ(loaded.missions.Count(), 2);
    EXPECT_EQ(loaded.missions.Cell(1, 0), u"MI0002");

    // The program folder's ORVEL.dat counts as the window reads it.
    fs::copy_file(dir / "a.dat", dir / "ZEMLO.dat");
    WriteBytes(dir / "ORVEL.dat", "");
    InjectedFaults injected;
    injected.faults.unreadableFile = dir / "ORVEL.dat";
    CommandOutput orvel;
    EXPECT_FALSE(LoadCommandCardData(loaded, {}, dir.Path(), orvel));
    EXPECT_EQ(orvel.status, kStatusTrouble);
}

}  // namespace
}  // namespace zemlo::test

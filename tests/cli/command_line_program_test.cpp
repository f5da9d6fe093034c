// The real program on the command line, as a shell script runs it: no display, the C locale,
// card data in its own folder, decks the tests write. Each command's standard output and exit
// status are compared; the sheet's PDF is read back with pdftotext; nothing else is written.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "carddb/card_loader.h"
#include "support/card_builder.h"
#include "support/temp_dir.h"
#include "tools/library_decks.h"

namespace zemlo::test {
namespace {

namespace fs = std::filesystem;

struct Finished {
    std::string out;
    std::string err;
    int status = -1;  // -1 when the program did not exit by itself
};

// Cards in the data file's own format: 25 units, 12 missions worth 1 to 3 points, 6
// characters, as LibraryCards holds them; each record has every line its kind has.
std::string CardDataText() {
    std::string text;
    const auto number = [](const char* prefix, int n) {
        char no[16];
        std::snprintf(no, sizeof no, "[%s%04d]\n", prefix, n);
        return std::string(no);
    };
    const auto blanks = [](int lines) {
        std::string filler;
        for (int i = 0; i < lines; ++i) filler += "－\n";
        return filler;
    };
    for (int n = 1; n <= 25; ++n) {
        text +=
            number("ZM", n) + "型式番号：－\n名称：試作機" + std::to_string(n) + "\n" + blanks(23);
    }
    for (int n = 1; n <= 12; ++n) {
        text += number("MI", n) + "名称：作戦" + std::to_string(n) + "\n獲得戦果：" +
                std::to_string(n % 3 + 1) + "\n" + blanks(5);
    }
    for (int n = 1; n <= 6; ++n)
        text += number("CH", n) + "名称：隊長" + std::to_string(n) + "\n" + blanks(7);
    return text;
}

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(dir / "prog");
        fs::create_directories(dir / "config");
        fs::create_directories(dir / "decks/sub");
        fs::copy_file(ZEMLO_PROGRAM, program);
        WriteCp932(dir / "prog/ZEMLO.dat", CardDataText());
        ASSERT_TRUE(LoadCardData(db, dir / "prog").zemloRead);
        ASSERT_EQ(db.units.Count(), 25);
        ok = dir / "decks/ok.htm";
        SaveLibraryDeck(ok, db, RuleKeepingDeck(db));
    }

    // Runs tool with args in an environment without a display, in the C locale, with a
    // platform plugin that would need one.
    Finished Start(const fs::path& tool, const std::vector<std::string>& args, fs::path out = {}) {
        std::vector<std::string> environment = {"LANG=C",
                                                "LC_ALL=C",
                                                "QT_QPA_PLATFORM=xcb",
                                                "HOME=" + (dir / "config").native(),
                                                "XDG_CONFIG_HOME=" + (dir / "config").native(),
                                                "XDG_RUNTIME_DIR=" + (dir / "config").native()};
        std::vector<char*> argv = {const_cast<char*>(tool.c_str())};
        for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        std::vector<char*> envp;
        for (std::string& line : environment) envp.push_back(line.data());
        envp.push_back(nullptr);
        if (out.empty()) out = dir / "stdout";
        const fs::path err = dir / "stderr";

        const pid_t child = ::fork();
        if (child == 0) {
            ::dup2(::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDOUT_FILENO);
            ::dup2(::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDERR_FILENO);
            ::execve(argv[0], argv.data(), envp.data());
            ::_exit(127);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return Finished{out == dir / "stdout" ? ReadBytes(out) : "", ReadBytes(err),
                        WIFEXITED(status) ? WEXITSTATUS(status) : -1};
    }

    Finished Program(const std::vector<std::string>& args) { return Start(program, args); }

    TempDir dir;
    fs::path program = dir / "prog/zemlo-deck";
    CardDatabase db;
    fs::path ok;
};

TEST_F(ProgramTest, HelpAndVersionNeedNoDisplayAndSpeakUtf8InAnyLocale) {
    const Finished help = Program({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--check"), std::string::npos);
    EXPECT_NE(help.out.find("デッキシート"), std::string::npos) << help.out;
    EXPECT_EQ(Program({"--version"}).out, "zemlo-deck " ZEMLO_VERSION "\n");

    const Finished wrong = Program({"--check"});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_EQ(wrong.out, "");
    EXPECT_NE(wrong.err.find("--help"), std::string::npos);
    EXPECT_EQ(Program({"--chek", ok}).status, 2);

    // Output lost to a full disk is no success.
    const Finished full = Start(program, {"--version"}, "/dev/full");
    EXPECT_EQ(full.status, 2);
    EXPECT_NE(full.err.find("標準出力"), std::string::npos) << full.err;
}

TEST_F(ProgramTest, CheckJudgesAFolderOfDecksAndWritesNothingButItsOutput) {
    CardDatabase older = db;
    AddCard(older.units, "ZM9999", {{unit_field::UnitName, "旧型"}});
    SaveLibraryDeck(dir / "decks/sub/short.htm", db, MakeDeck(db, {0, 1}, {0}, {0}));
    SaveLibraryDeck(dir / "decks/old.html", older, MakeDeck(older, {25}, {}, {}));
    WriteBytes(dir / "decks/page.htm", "<HTML><BODY>Not a deck</BODY></HTML>");
    WriteBytes(dir / "decks/notes.txt", "notes");

    const std::string at = (dir / "decks/").native();
    const Finished check = Program({"--check", dir / "decks"});
    EXPECT_EQ(check.out,
              "ﾌｧｲﾙ\tﾕﾆｯﾄ数\tﾐｯｼｮﾝ+ｷｬﾗｸﾀｰ数\t合計戦果\t判定\t不明ｶｰﾄﾞ\n" + at +
                  "ok.htm\t20\t10\t20\tOK\t0\n" + at +
                  "old.html\t0\t0\t0\tﾕﾆｯﾄ 0、ﾐｯｼｮﾝ+ｷｬﾗｸﾀｰ 0、戦果 0\t1\n" + at +
                  "sub/short.htm\t2\t2\t2\tﾕﾆｯﾄ 2、ﾐｯｼｮﾝ+ｷｬﾗｸﾀｰ 2、戦果 2\t0\n"
                  "ﾃﾞｯｷ 3 件、規定外 2 件、不明ｶｰﾄﾞのあるﾃﾞｯｷ 1 件、ﾃﾞｯｷでないﾌｧｲﾙ 1 件\n");
    EXPECT_EQ(check.status, 1);

    const Finished json = Program({"--check", "--format=json", ok});
    EXPECT_EQ(json.out, "[\n{\"path\":\"" + ok.native() +
                            "\",\"units\":20,\"missionsAndCharacters\":10,\"points\":20,"
                            "\"ok\":true,\"broken\":[],\"unknownRows\":0}\n]\n");
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(Program({"--check", ok, dir / "decks/gone.htm"}).status, 2);

    // No settings file, no first-start flag: only what the test put there.
    std::vector<fs::path> left;
    for (const auto& entry : fs::recursive_directory_iterator(dir / "prog")) left.push_back(entry);
    for (const auto& entry : fs::recursive_directory_iterator(dir / "config"))
        left.push_back(entry);
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<fs::path>{dir / "prog/ZEMLO.dat", program}));
}

TEST_F(ProgramTest, TextAndCompareWriteTheClipboardsTextWhateverBytesTheirPathsHold) {
    const fs::path other = dir / "decks/\xFF\xFE.htm";
    SaveLibraryDeck(other, db, MakeDeck(db, {0, 0, 3}, {}, {5}));
    const Finished text = Program({"--text", other});
    EXPECT_EQ(text.out,
              "ユニットカード\r\n試作機1\t ×２\r\n試作機4\t ×１\r\n\r\n\r\n"
              "キャラクターカード\r\n隊長6\t ×１\r\n\r\n\r\n");
    EXPECT_EQ(text.status, 0);

    const fs::path newer = dir / "decks/newer.htm";
    SaveLibraryDeck(newer, db, MakeDeck(db, {0, 3, 3}, {}, {}));
    const Finished compare = Program({"--compare", other, newer});
    EXPECT_EQ(compare.out,
              "－１\t試作機1\tZM0001\r\n＋１\t試作機4\tZM0004\r\n－１\t隊長6\tCH0006\r\n");
    EXPECT_EQ(compare.status, 0);

    // Card data named on the command line instead of the program folder's.
    WriteCp932(dir / "few.dat", "[CH0006]\n名称：別名\n－\n－\n－\n－\n－\n－\n－\n");
    const Finished few = Program({"--text", "--data", dir / "few.dat", other});
    EXPECT_EQ(few.out, "キャラクターカード\r\n別名\t ×１\r\n\r\n\r\n");
    EXPECT_EQ(few.status, 1);
    const Finished none = Program({"--text", "--data", dir / "none.dat", other});
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.status, 2);
    EXPECT_NE(none.err.find((dir / "none.dat").native()), std::string::npos);
}

TEST_F(ProgramTest, SheetIsWrittenWithoutADisplayAsAPdfThatReadsBackAndAsPng) {
    const fs::path pdf = dir / "sheet.pdf";
    const Finished sheet = Program({"--sheet", ok, "-o", pdf, "--player", "山田 太郎", "--date",
                                    "2026-12-07", "--event", "冬季大会"});
    ASSERT_EQ(sheet.status, 0) << sheet.err;
    const Finished read = Start("/usr/bin/pdftotext", {"-enc", "UTF-8", pdf, "-"});
    ASSERT_EQ(read.status, 0) << "poppler-utils installed? " << read.err;
    for (const char* text :
         {"山田 太郎", "2026年12月7日", "冬季大会", "ok", "試作機20", "作戦10", "合計戦果"}) {
        EXPECT_NE(read.out.find(text), std::string::npos) << text << " in\n" << read.out;
    }

    const fs::path png = dir / "\xFF.PNG";
    EXPECT_EQ(Program({"--sheet", ok, "--output=" + png.native()}).status, 0);
    EXPECT_EQ(ReadBytes(png).substr(0, 8), "\x89PNG\r\n\x1A\n");
    EXPECT_EQ(Program({"--sheet", ok, "-o", dir / "sheet.txt"}).status, 2);
    EXPECT_FALSE(fs::exists(dir / "sheet.txt"));
}

}  // namespace
}  // namespace zemlo::test

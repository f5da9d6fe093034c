#include "carddb/card_loader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <atomic>

#include "platform/code_page.h"
#include "support/card_builder.h"
#include "support/card_records.h"
#include "support/memory_limit.h"
#include "support/temp_dir.h"

namespace zemlo {
namespace {

using test::CanLimitAddressSpace;
using test::CharRecord;
using test::ExpectSameTables;
using test::MissionRecord;
using test::RunWithLittleMemory;
using test::TempDir;
using test::U;
using test::U8;
using test::UnitRecord;
using test::WriteBytes;
using test::WriteCp932;

class LoaderTest : public ::testing::Test {
protected:
    LoadReport Load() { return LoadCardData(db, dir.Path()); }
    TempDir dir;
    CardDatabase db;
};

TEST_F(LoaderTest, ReadsEveryFieldOfEachKindInFileOrder) {
    WriteCp932(dir / "ZEMLO.dat",
               "; heading\n\n" + UnitRecord("[ZM0001]", "アルファ") + "comment between records\n" +
                   MissionRecord("[MI0001]", "作戦") + CharRecord("[CH0001]", "人物") +
                   UnitRecord("[ZM0002]", "ベータ"));
    const LoadReport report = Load();
    EXPECT_TRUE(report.zemloRead);
    EXPECT_FALSE(db.orvelDataLoaded);
    ASSERT_EQ(db.units.Count(), 2);
    ASSERT_EQ(db.missions.Count(), 1);
    ASSERT_EQ(db.characters.Count(), 1);
    EXPECT_EQ(db.units.Cell(unit_field::CardNo, 1), u"ZM0002");
    EXPECT_EQ(U8(db.units.Cell(unit_field::UnitName, 0)), "アルファ");
    EXPECT_EQ(U8(db.units.Cell(unit_field::FarWeapon, 0)), "砲[Ｂ]");
    EXPECT_EQ(U8(db.units.Cell(unit_field::SpAbility1, 0)), "跳躍：移動＋１");
    EXPECT_EQ(db.units.Cell(unit_field::DevLine2, 0), u"\uFF0D");  // the empty-field mark survives
    EXPECT_EQ(db.units.Cell(unit_field::CardCode, 0), u"AB-123");
    EXPECT_EQ(db.units.Cell(unit_field::Unused, 0), u"");
    EXPECT_EQ(U8(db.missions.Cell(mission_field::UnitsNeeded, 0)), "２");
    EXPECT_EQ(U8(db.missions.Cell(mission_field::CardText, 0)), "－");
    EXPECT_EQ(U8(db.characters.Cell(char_field::Timing, 0)), "常時：自軍");
    EXPECT_EQ(U8(db.characters.Cell(char_field::CardCode, 0)), "CD-9");
}

TEST_F(LoaderTest, TagLineGivesCardNumberWithoutFirstAndLastCharacter) {
    WriteCp932(dir / "ZEMLO.dat", UnitRecord("[ZM0001] ", "末尾空白") +
                                      UnitRecord("[ZMX12345]", "八文字") +
                                      MissionRecord("[MI001]", "五文字"));
    Load();
    ASSERT_EQ(db.units.Count(), 2);
    EXPECT_EQ(db.units.Cell(unit_field::CardNo, 0), u"ZM0001]");  // the blank is dropped, "]" kept
    EXPECT_EQ(db.units.Cell(unit_field::CardNo, 1), u"ZMX12345");
    EXPECT_EQ(db.missions.Cell(mission_field::CardNo, 0), u"MI001");
}

TEST_F(LoaderTest, ShortLinesLabelsAndFieldLinesThatLookLikeTags) {
    std::string unit = UnitRecord("[ZM0001]", "[ZM9999]");  // a name line is never a tag
    WriteCp932(dir / "ZEMLO.dat",
               unit + UnitRecord("[ZM0002]", "x", "") + UnitRecord("[ZM0003]", "y", "12"));
    Load();
    ASSERT_EQ(db.units.Count(), 3);
    EXPECT_EQ(db.units.Cell(unit_field::UnitName, 0), u"[ZM9999]");
    EXPECT_EQ(db.units.Cell(unit_field::Hp, 1), u"");  // only the label
    EXPECT_EQ(db.units.Cell(unit_field::Hp, 2), u"12");
    // A whole line of the wrong kind taken by position: a tag among the field lines.
    std::string tagInside = "[ZM0004]\n[ZM0005]\n" + UnitRecord("", "z").substr(1);
    WriteCp932(dir / "ZEMLO.dat", tagInside);
    Load();
    ASSERT_EQ(db.units.Count(), 1);
    EXPECT_EQ(db.units.Cell(unit_field::ModelNo, 0), u"05]");  // "[ZM00" is the 5-character label
}

TEST_F(LoaderTest, LowerCaseTagIsSkippedAndLinesAfterItAreExamined) {
    WriteCp932(dir / "ZEMLO.dat", "[zm0001]\n" + MissionRecord("[MI0001]", "作戦"));
    Load();
    EXPECT_EQ(db.units.Count(), 0);
    EXPECT_EQ(db.missions.Count(), 1);
}

TEST_F(LoaderTest, OrvelAppendsAfterZemlo) {
    WriteCp932(dir / "ZEMLO.dat",
               MissionRecord("[MI0001]", "一") + MissionRecord("[MI0002]", "二"));
    WriteCp932(dir / "ORVEL.dat", MissionRecord("[MI0900]", "外部"));
    Load();
    EXPECT_TRUE(db.orvelDataLoaded);
    ASSERT_EQ(db.missions.Count(), 3);
    EXPECT_EQ(db.missions.Cell(mission_field::CardNo, 2), u"MI0900");
}

TEST_F(LoaderTest, FolderNamedLikeTheExtraDataDoesNotCount) {
    WriteCp932(dir / "ZEMLO.dat", MissionRecord("[MI0001]", "一"));
    std::filesystem::create_directory(dir / "ORVEL.dat");
    Load();
    EXPECT_FALSE(db.orvelDataLoaded);
    EXPECT_EQ(db.missions.Count(), 1);
}

TEST_F(LoaderTest, RecordCutShortIsKeptWithMissingFieldsEmpty) {
    WriteCp932(dir / "ZEMLO.dat",
               UnitRecord("[ZM0001]", "完全") + "[ZM0002]\n形式番号：RX-2\n名称：途中");
    Load();
    ASSERT_EQ(db.units.Count(), 2);
    EXPECT_EQ(U8(db.units.Cell(unit_field::UnitName, 1)), "途中");
    EXPECT_EQ(db.units.Cell(unit_field::Team, 1), u"");
    EXPECT_EQ(db.units.Cell(unit_field::CardCode, 1), u"");
}

TEST_F(LoaderTest, AcceptsCrOnlyAndLfOnlyLineEnds) {
    for (const char* end : {"\r", "\n", "\r\n"}) {
        WriteCp932(dir / "ZEMLO.dat", CharRecord("[CH0001]", "甲") + CharRecord("[CH0002]", "乙"),
                   end);
        Load();
        ASSERT_EQ(db.characters.Count(), 2) << "line end " << int(end[0]);
        EXPECT_EQ(U8(db.characters.Cell(char_field::CharName, 1)), "乙");
        EXPECT_EQ(U8(db.characters.Cell(char_field::CardCode, 1)), "CD-9");
    }
}

TEST_F(LoaderTest, InvalidBytesBecomeReplacementCharactersAndLoadingGoesOn) {
    std::string bytes = EncodeCp932(FromUtf8(CharRecord("[CH0001]", "甲")));
    const size_t name = bytes.find(EncodeCp932(u"\u7532"));
    bytes.insert(name, "\xA0");
    bytes += EncodeCp932(FromUtf8(CharRecord("[CH0002]", "乙")));
    test::WriteBytes(dir / "ZEMLO.dat", bytes);
    Load();
    ASSERT_EQ(db.characters.Count(), 2);
    EXPECT_EQ(db.characters.Cell(char_field::CharName, 0), u"\uFFFD\u7532");
}

TEST_F(LoaderTest, MissingFileGivesEmptyTablesAndTellsWhereItLooked) {
    const LoadReport report = Load();
    EXPECT_FALSE(report.zemloRead);
    EXPECT_EQ(report.zemloPath, dir / "ZEMLO.dat");
    EXPECT_EQ(db.units.Count() + db.missions.Count() + db.characters.Count(), 0);
}

TEST_F(LoaderTest, RunningOutOfMemoryLeavesEmptyTablesAndSaysWhy) {
    if (!CanLimitAddressSpace()) GTEST_SKIP() << "the sanitizer build cannot lower RLIMIT_AS";
    WriteCp932(dir / "ORVEL.dat", CharRecord("[CH0001]", "甲"));
    WriteBytes(dir / "ZEMLO.dat", "");
    // Within the size ceiling, but the tables made ready for it do not fit.
    ASSERT_EQ(::truncate((dir / "ZEMLO.dat").c_str(), 96 << 20), 0);
    EXPECT_TRUE(RunWithLittleMemory(150 << 20, [&] {
        const LoadReport report = Load();
        return !report.zemloRead && report.zemloStatus.error == ENOMEM &&
               db.characters.Count() == 0 && !db.orvelDataLoaded;
    }));
}

TEST_F(LoaderTest, RecordsBeyondTheLimitAreCountedNotLoaded) {
    std::u16string text;
    const std::u16string body = FromUtf8(MissionRecord("", "m").substr(1));
    for (int i = 0; i < CardTable::kMaxRecords + 3; ++i) text += u"[MI0]\n" + body;
    text += FromUtf8(CharRecord("[CH0001]", "後"));
    LoadReport report;
    ReadCardRecords(db, text, report);
    EXPECT_EQ(db.missions.Count(), CardTable::kMaxRecords);
    EXPECT_EQ(report.droppedMissions, 3);
    EXPECT_EQ(report.Dropped(), 3);
    // The dropped records' field lines were consumed, not taken for tags.
    EXPECT_EQ(db.characters.Count(), 1);
}

TEST_F(LoaderTest, ReloadStartsFromEmptyTables) {
    WriteCp932(dir / "ZEMLO.dat", CharRecord("[CH0001]", "甲"));
    Load();
    Load();
    EXPECT_EQ(db.characters.Count(), 1);
}

// The file is decoded a line at a time; that must give what decoding it whole gives, also
// when a line ends in the first byte of a two-byte character.
TEST_F(LoaderTest, FileReadsAsItsWholeDecodedText) {
    std::string bytes =
        EncodeCp932(FromUtf8(UnitRecord("[ZM0001]", "甲") + MissionRecord("[MI0001]", "乙")));
    for (const char* cut : {"甲\n", "乙\n"}) {
        const std::string encoded = EncodeCp932(FromUtf8(cut));
        bytes.insert(bytes.find(encoded) + encoded.size() - 1, "\x81");
    }
    bytes.insert(bytes.find("[MI"), "\x82\r\n[Z\x81\r");
    test::WriteBytes(dir / "ZEMLO.dat", bytes);
    Load();
    CardDatabase whole;
    LoadReport report;
    ReadCardRecords(whole, DecodeCp932(bytes), report);
    ExpectSameTables(db, whole);
    EXPECT_EQ(db.units.Count(), 2);
    EXPECT_EQ(db.units.Cell(unit_field::UnitName, 0), u"\u7532\uFFFD");
}

// Each of the two passes of a large file passes over the other's records by counting line
// ends several bytes at a time: wherever a line end falls, and whatever mix of CR, LF and
// CR LF a file has, the passes must meet the same records that one reading of the whole
// decoded text meets, also at a last line without its end and at a record cut short.
TEST_F(LoaderTest, PassesByKindReadWhatTheWholeTextReads) {
    const std::vector<std::vector<std::string>> mixes = {
        {"\r\n"}, {"\r"}, {"\n"}, {"\r\n", "\n", "\r"}, {"\r", "\r", "\n", "\r\n", "\n"}};
    for (const auto& mix : mixes) {
        for (size_t shift = 0; shift < 9; ++shift) {
            std::string text = "; " + std::string(shift, 'x') + "\n";
            for (int n = 1; n <= 3; ++n) {
                const std::string no = std::to_string(n);
                text += UnitRecord("[ZM" + no + "]", "機体" + no) +
                        MissionRecord("[MI" + no + "]", "作戦" + no) + "\n" +
                        CharRecord("[CH" + no + "]", "人物" + no);
            }
            text += MissionRecord("[MI9]", "最後").substr(0, 30);
            std::string withEnds;
            size_t line = 0;
            for (const char c : text) {
                if (c == '\n') {
                    withEnds += mix[line++ % mix.size()];
                } else {
                    withEnds += c;
                }
            }
            const std::string bytes = EncodeCp932(FromUtf8(withEnds));
            CardDatabase byKind, whole;
            LoadReport report, wholeReport;
            ReadCardDataBytesByKind(byKind, bytes, report);
            ReadCardRecords(whole, DecodeCp932(bytes), wholeReport);
            SCOPED_TRACE(shift);
            ExpectSameTables(byKind, whole);
            EXPECT_EQ(byKind.missions.Count(), 4);
            EXPECT_EQ(byKind.characters.Cell(char_field::CardCode, 2), u"CD-9");
        }
    }
}

// Work on a kind's table starts while a large file is read on, once a record of another kind
// follows that kind's records, and stands only where the table stayed as the work saw it: not
// after a record of its kind came later, nor after another file was read.
TEST_F(LoaderTest, WorkOnAWholeTableStandsOnlyWhereTheTableStayedAsItSawIt) {
    const auto units = [](int from, int count) {
        std::string text;
        for (int n = from; n < from + count; ++n) {
            text += UnitRecord("[ZM" + std::to_string(n) + "]", "機体" + std::to_string(n));
        }
        return text;
    };
    const std::string others = MissionRecord("[MI1]", "作戦") + MissionRecord("[MI2]", "作戦") +
                               CharRecord("[CH1]", "人物");
    const std::string many = units(0, 5500);
    ASSERT_GT(EncodeCp932(FromUtf8(many)).size(), kCardDataTwoPassBytes);
    struct Case {
        std::string text;
        std::array<bool, 3> stands;
    };
    const Case cases[] = {{many + others, {true, true, false}},
                          {many + others + units(9000, 1), {false, true, true}}};
    for (const Case& c : cases) {
        WriteCp932(dir / "ZEMLO.dat", c.text);
        for (CardDataPasses passes : {CardDataPasses::One, CardDataPasses::Two}) {
            std::array<int, 3> seen = {-1, -1, -1};
            const TableReadWork work = [this, &seen](CardKind kind) {
                seen[static_cast<int>(kind)] = db.Table(kind).Count();
            };
            const LoadReport report = LoadCardData(db, dir.Path(), passes, work);
            EXPECT_EQ(report.tableWorkStands, c.stands);
            for (CardKind kind : {CardKind::Unit, CardKind::Mission, CardKind::Character}) {
                const int k = static_cast<int>(kind);
                if (c.stands[k]) {
                    EXPECT_EQ(seen[k], db.Table(kind).Count());
                }
            }
            EXPECT_EQ(db.units.Count(), c.stands[0] ? 5500 : 5501);
        }
    }
    // Work that waits at a gate that is never opened is dropped at the end of the loading;
    // through an open gate it runs.
    WriteCp932(dir / "ZEMLO.dat", many + others);
    for (const bool open : {false, true}) {
        TableWorkGate gate;
        if (open) gate.Open();
        std::atomic<int> ran = 0;
        const LoadReport report = LoadCardData(
            db, dir.Path(), CardDataPasses::One, [&ran](CardKind) { ++ran; }, &gate);
        EXPECT_EQ(report.tableWorkStands, (std::array<bool, 3>{open, open, false}));
        EXPECT_EQ(ran, open ? 2 : 0);
    }
    // Another file read after it: the work on the first no longer stands.
    WriteCp932(dir / "ORVEL.dat", CharRecord("[CH2]", "人物"));
    const LoadReport report = LoadCardData(db, dir.Path(), CardDataPasses::One, [](CardKind) {});
    EXPECT_EQ(report.tableWorkStands, (std::array<bool, 3>{false, false, false}));
    EXPECT_EQ(db.characters.Count(), 2);
}

// A file of two pieces and more is read in two passes on two threads (or in one), and each
// piece's last line is kept for the next: that must give what one reading of the whole
// decoded text gives, also where the first piece ends between the CR and the LF of a line
// end, or just after a CR that ends a line alone.
TEST_F(LoaderTest, LargeFileReadsAsItsWholeDecodedText) {
    for (const std::string end : {"\r\n", "\r"}) {
        std::string bytes;
        int n = 0;
        const auto addRecordsUpTo = [&](size_t size) {
            while (bytes.size() < size) {
                const std::string no = std::to_string(++n);
                bytes += EncodeCp932(FromUtf8(UnitRecord("[ZM" + no + "]", "機体" + no) +
                                              MissionRecord("[MI" + no + "]", "作戦" + no) +
                                              CharRecord("[CH" + no + "]", "人物" + no)));
            }
        };
        addRecordsUpTo(kCardDataPieceBytes - 4096);
        // A unit whose card text line ends where the first piece ends.
        std::string unit = EncodeCp932(FromUtf8(UnitRecord("[ZM0]", "境目")));
        const size_t lineEnd = unit.find('\n', unit.find(EncodeCp932(u"テキスト：")));
        unit.insert(lineEnd, kCardDataPieceBytes - 1 - bytes.size() - lineEnd, 'x');
        unit.replace(unit.find('\n', lineEnd), 1, end);
        bytes += unit;
        ASSERT_EQ(bytes[kCardDataPieceBytes - 1], '\r');
        addRecordsUpTo(kCardDataTwoPassBytes + kCardDataPieceBytes);
        WriteBytes(dir / "ZEMLO.dat", bytes);
        Load();

        CardDatabase whole;
        LoadReport report;
        ReadCardRecords(whole, DecodeCp932(bytes), report);
        ASSERT_EQ(db.units.Count(), n + 1);
        ExpectSameTables(db, whole);
        const int border = db.units.FindCardNo(u"ZM0");
        EXPECT_EQ(db.units.Cell(unit_field::CardCode, border), u"AB-123");
        // Read in one pass, as beside the window on two cores: the same tables.
        CardDatabase onePass;
        LoadCardData(onePass, dir.Path(), CardDataPasses::One);
        ExpectSameTables(db, onePass);
    }
}

}  // namespace
}  // namespace zemlo

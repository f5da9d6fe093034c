// Card data files that are damaged, foreign or extreme: the loader takes what it can and
// the program starts.
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cerrno>

#include "carddb/card_loader.h"
#include "platform/code_page.h"
#include "support/card_builder.h"
#include "support/file_faults.h"
#include "support/temp_dir.h"

namespace zemlo::test {
namespace {

const std::string kMission =
    "[MI0001]\r\n名称：作戦\r\n獲得戦果：3\r\n必要ユニット数：２\r\n地形適正：空\r\n"
    "勝利条件：生存\r\n効果：なし\r\nテキスト：－\r\n";

class BadCardData : public ::testing::Test {
protected:
    LoadReport Load(const std::string& bytes) {
        WriteBytes(dir_ / "ZEMLO.dat", bytes);
        return LoadCardData(db_, dir_.Path());
    }
    TempDir dir_;
    CardDatabase db_;
};

TEST_F(BadCardData, BinaryFileGivesNoCardsAndARecordAfterItStillLoads) {
    // Every byte value but "[", so no line can start a record.
    std::string binary;
    for (int i = 0; i < 200000; ++i) {
        const char c = static_cast<char>((i * 131 + i / 256) & 0xFF);
        binary += c == '[' ? '\0' : c;
    }
    const LoadReport report = Load(binary + "\r\n" + EncodeCp932(FromUtf8(kMission)));
    EXPECT_TRUE(report.zemloRead);
    EXPECT_EQ(db_.units.Count() + db_.characters.Count(), 0);
    ASSERT_EQ(db_.missions.Count(), 1);
    EXPECT_EQ(U8(db_.missions.Cell(mission_field::MissionName, 0)), "作戦");
}

TEST_F(BadCardData, LineOfSeveralMegabytesIsOneFieldAndTheNextRecordFollows) {
    const std::string longText(6 * 1024 * 1024, 'x');
    std::string record = EncodeCp932(FromUtf8(kMission));
    const std::string label = EncodeCp932(u"テキスト：");
    record.insert(record.find(label) + label.size(), longText);
    Load(record + EncodeCp932(FromUtf8(kMission)));
    ASSERT_EQ(db_.missions.Count(), 2);
    EXPECT_EQ(db_.missions.Cell(mission_field::CardText, 0).size(), longText.size() + 1);
    EXPECT_EQ(U8(db_.missions.Cell(mission_field::CardText, 1)), "－");
}

TEST_F(BadCardData, EmptyAndDashInEveryFieldAreKeptAsTheyAre) {
    std::string text = "[CH0001]\r\n";
    for (const char* label : {"名称：", "所属：", "損失戦果：", "使用タイミング：", "使用条件：",
                              "効果：", "テキスト：", "コード："}) {
        text += std::string(label) + "\r\n";
    }
    text += "[CH0002]\r\n";
    for (const char* label : {"名称：", "所属：", "損失戦果：", "使用タイミング：", "使用条件：",
                              "効果：", "テキスト：", "コード："}) {
        text += std::string(label) + "－\r\n";
    }
    Load(EncodeCp932(FromUtf8(text)));
    ASSERT_EQ(db_.characters.Count(), 2);
    for (int field = char_field::CharName; field < char_field::kCount; ++field) {
        EXPECT_EQ(db_.characters.Cell(field, 0), u"") << field;
        EXPECT_EQ(db_.characters.Cell(field, 1), u"\uFF0D") << field;
    }
}

TEST_F(BadCardData, UnreadableFileIsReportedAndLoadsNothing) {
    InjectedFaults injected;
    injected.faults.unreadableFile = dir_ / "ZEMLO.dat";
    const LoadReport report = Load(EncodeCp932(FromUtf8(kMission)));
    EXPECT_FALSE(report.zemloRead);
    EXPECT_EQ(db_.missions.Count(), 0);
}

// More missions than a table holds, then two megabytes of comment lines: a file read in two
// passes whose records, and the count of those left out, are all met before its last piece.
std::string MissionsBeyondTheLimitThenComments() {
    std::string bytes;
    const std::string mission = EncodeCp932(FromUtf8(kMission));
    for (int i = 0; i < CardTable::kMaxRecords + 5; ++i) bytes += mission;
    const std::string comment = "; " + std::string(98, '-') + "\r\n";
    while (bytes.size() < mission.size() * CardTable::kMaxRecords + (2 << 20)) bytes += comment;
    return bytes;
}

// A file that fails to read at its last piece, after every record of it went into the tables,
// adds nothing: no records, no count of records left out; what came before it stays, and the
// failure is told like any other. Both passes over the file meet the failure.
TEST_F(BadCardData, FileThatFailsToReadMidwayAddsNothingAndIsTold) {
    // The character after the missions makes their table whole while the file is read: work
    // on it starts, and must not stand once the file is taken back.
    std::string large = MissionsBeyondTheLimitThenComments();
    large.insert(large.find("; "), "[CH0001]\r\n");
    for (const char* failing : {"ZEMLO.dat", "ORVEL.dat"}) {
        const bool orvel = std::string(failing) == "ORVEL.dat";
        WriteBytes(dir_ / "ZEMLO.dat", orvel ? EncodeCp932(FromUtf8(kMission)) : large);
        if (orvel) WriteBytes(dir_ / "ORVEL.dat", large);
        InjectedFaults injected;
        const std::filesystem::path file = dir_ / failing;
        const std::uint64_t size = large.size();
        injected.faults.whileReading = [file, size](const std::filesystem::path& read,
                                                    std::uint64_t bytesRead) {
            return read == file && bytesRead == size ? EIO : 0;
        };
        std::atomic<bool> worked = false;
        const LoadReport report = LoadCardData(db_, dir_.Path(), CardDataPasses::Two,
                                               [&worked](CardKind) { worked = true; });
        EXPECT_TRUE(worked) << failing;
        EXPECT_EQ(report.tableWorkStands, (std::array<bool, 3>{false, false, false})) << failing;
        EXPECT_EQ(report.Dropped(), 0) << failing;
        EXPECT_EQ(db_.missions.Count(), orvel ? 1 : 0) << failing;
        // What came before keeps its text to its last field, and the table takes more.
        if (orvel) {
            EXPECT_EQ(db_.missions.Cell(mission_field::CardText, 0), u"－");
            db_.missions.MutableCell(1, db_.missions.AppendRecord()) = u"MI0002";
            EXPECT_EQ(db_.missions.Cell(mission_field::CardText, 0), u"－");
            EXPECT_EQ(db_.missions.Cell(1, 1), u"MI0002");
        }
        EXPECT_EQ(report.zemloRead, orvel);
        EXPECT_EQ((orvel ? report.orvelStatus : report.zemloStatus).error, EIO);
        EXPECT_FALSE(db_.orvelDataLoaded);
    }
}

// A file replaced (renamed over) while it is read is read to its end as it was when opened,
// by both passes, and nothing is told.
TEST_F(BadCardData, FileReplacedWhileReadIsReadWholeAsItWasWhenOpened) {
    WriteBytes(dir_ / "new.dat", "[CH0001]\r\n");
    const std::string large = MissionsBeyondTheLimitThenComments();
    std::string character = "[CH0009]\r\n";
    for (int line = 0; line < 8; ++line) character += "x\r\n";
    WriteBytes(dir_ / "ZEMLO.dat", character + large);
    InjectedFaults injected;
    std::atomic<bool> replaced = false;
    const std::filesystem::path from = dir_ / "new.dat";
    const std::filesystem::path to = dir_ / "ZEMLO.dat";
    injected.faults.whileReading = [&](const std::filesystem::path&, std::uint64_t) {
        if (!replaced.exchange(true)) std::filesystem::rename(from, to);
        return 0;
    };
    const LoadReport report = LoadCardData(db_, dir_.Path());
    EXPECT_TRUE(replaced);
    EXPECT_TRUE(report.zemloRead);
    EXPECT_EQ(db_.missions.Count(), CardTable::kMaxRecords);
    EXPECT_EQ(report.droppedMissions, 5);
    ASSERT_EQ(db_.characters.Count(), 1);
    EXPECT_EQ(db_.characters.Cell(char_field::CardNo, 0), u"CH0009");
}

}  // namespace
}  // namespace zemlo::test

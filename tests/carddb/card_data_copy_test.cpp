#include "carddb/card_data_copy.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/content_hash.h"
#include "support/card_records.h"
#include "support/file_faults.h"
#include "support/temp_dir.h"

namespace zemlo {
namespace {

using test::CharRecord;
using test::ExpectSameTables;
using test::MissionRecord;
using test::ReadBytes;
using test::TempDir;
using test::UnitRecord;
using test::WriteBytes;
using test::WriteCp932;

class CardDataCopyTest : public ::testing::Test {
protected:
    CardDataCopyTest() {
        // Records of each kind, the last cut short, and one mission more than a table holds.
        std::string zemlo = UnitRecord("[ZM0001]", "一号") + CharRecord("[CH0001]", "甲");
        for (int i = 0; i <= CardTable::kMaxRecords; ++i)
            zemlo += MissionRecord("[MI0001]", "任務");
        WriteCp932(dir / "ZEMLO.dat", zemlo + "[ZM0002]\n形式番号：X\n名称：");
        // A byte the code page has no character for.
        WriteBytes(dir / "ZEMLO.dat", ReadBytes(dir / "ZEMLO.dat") + "\xFF\n");
        WriteCp932(dir / "ORVEL.dat", CharRecord("[CH0900]", "外部"));
        report = LoadCardData(db, dir.Path());
    }

    bool ReadBack(CardDatabase& into, LoadReport& got) {
        return LoadCardDataCopy(
            copy,
            [this](const CardDataSources& sources) { return DataFilesHold(dir.Path(), sources); },
            into, got);
    }
    bool ReadBack() {
        CardDatabase into;
        LoadReport got;
        const bool read = ReadBack(into, got);
        EXPECT_EQ(into.characters.Count(), read ? db.characters.Count() : 0);
        return read;
    }

    TempDir dir;
    std::filesystem::path copy = dir / "cache" / "copy.bin";
    CardDatabase db;
    LoadReport report;
};

TEST_F(CardDataCopyTest, ReadsBackWhatTheDataFilesGaveWithTheLoadsCounts) {
    ASSERT_TRUE(SaveCardDataCopy(copy, db, report));
    CardDatabase back;
    LoadReport got;
    ASSERT_TRUE(ReadBack(back, got));
    EXPECT_TRUE(got.fromCopy);
    EXPECT_TRUE(got.zemloRead);
    EXPECT_EQ(got.droppedMissions, 1);
    EXPECT_EQ(got.sources, report.sources);
    EXPECT_TRUE(back.orvelDataLoaded);
    ExpectSameTables(db, back);
    EXPECT_EQ(back.units.Cell(3, 1), u"\uFFFD");
    EXPECT_EQ(back.characters.FindCardNo(u"CH0900"), 1);
}

TEST_F(CardDataCopyTest, DataFilesChangedAddedOrGoneLeaveItUnused) {
    ASSERT_TRUE(SaveCardDataCopy(copy, db, report));
    // The same size, one character otherwise.
    std::string bytes = ReadBytes(dir / "ORVEL.dat");
    bytes[bytes.size() - 2] = 'X';
    WriteBytes(dir / "ORVEL.dat", bytes);
    EXPECT_FALSE(ReadBack());
    std::filesystem::remove(dir / "ORVEL.dat");
    EXPECT_FALSE(ReadBack());

    // Kept without ORVEL.dat: one appearing, even empty, is new data.
    report = LoadCardData(db, dir.Path());
    ASSERT_TRUE(SaveCardDataCopy(copy, db, report));
    EXPECT_TRUE(ReadBack());
    WriteBytes(dir / "ORVEL.dat", "");
    EXPECT_FALSE(ReadBack());
}

TEST_F(CardDataCopyTest, DamagedCopyIsUnused) {
    ASSERT_TRUE(SaveCardDataCopy(copy, db, report));
    const std::string whole = ReadBytes(copy);
    std::string flipped = whole;
    flipped[whole.size() / 2] ^= 1;
    for (const std::string& damaged :
         {flipped, whole.substr(0, whole.size() - 1), whole + "x", std::string()}) {
        WriteBytes(copy, damaged);
        EXPECT_FALSE(ReadBack()) << damaged.size();
    }
    WriteBytes(copy, whole);
    EXPECT_TRUE(ReadBack());
}

TEST_F(CardDataCopyTest, OnlyAWholeLoadIsKeptAndUnfinishedCopiesGo) {
    const std::filesystem::path unfinished =
        copy.parent_path() / ("." + copy.filename().native() + std::string(kTemporaryMark) + "ab");
    std::filesystem::create_directories(copy.parent_path());
    {
        // A cache folder that cannot be written: no copy.
        test::InjectedFaults injected;
        injected.faults.readOnlyFolder = copy.parent_path();
        EXPECT_EQ(SaveCardDataCopy(copy, db, report).error, EROFS);
        EXPECT_FALSE(std::filesystem::exists(copy));
    }
    WriteBytes(unfinished, "half");
    ASSERT_TRUE(SaveCardDataCopy(copy, db, report));
    EXPECT_FALSE(std::filesystem::exists(unfinished));

    std::filesystem::remove(copy);
    std::filesystem::remove(dir / "ZEMLO.dat");
    report = LoadCardData(db, dir.Path());
    EXPECT_FALSE(SaveCardDataCopy(copy, db, report));
    EXPECT_FALSE(std::filesystem::exists(copy));
}

// A copy names the loader's revision, not the loader's code: when what the loader makes of a
// file changes, the revision must change with it, or copies made before would still be used.
// A file of every sort of line the loader meets, held to the tables' fingerprint.
TEST(CardDataCopy, LoaderRevisionFollowsWhatTheLoaderMakes) {
    TempDir dir;
    WriteCp932(dir / "ZEMLO.dat", "; comment\n[zm0000]\n" + UnitRecord("[ZM0001]", "ｶﾅ漢字\t") +
                                      MissionRecord("[MI0001]", "") +
                                      CharRecord("[CH0001]", "ＡＢ") + "[ZM0002]\n形式番号：X");
    // Line ends of each sort, bytes no character begins, a lone lead byte, a last record short
    // of its lines.
    WriteBytes(dir / "ZEMLO.dat", ReadBytes(dir / "ZEMLO.dat") +
                                      "\r\x96\xBC\x8F\xCC\x81\x46\xFF\x81\n[MI0002]\r\n[CH0002]");
    CardDatabase db;
    ASSERT_TRUE(LoadCardData(db, dir.Path()).zemloRead);
    // The last unit takes the tag lines after it for its fields, as its lines.
    ASSERT_EQ(db.units.Count() + db.missions.Count() + db.characters.Count(), 4);
    ContentHash hash;
    for (CardKind kind : {CardKind::Unit, CardKind::Mission, CardKind::Character}) {
        const CardTable& table = db.Table(kind);
        hash.Add(reinterpret_cast<const char*>(table.Starts().data()), table.Starts().size_bytes());
        hash.Add(reinterpret_cast<const char*>(table.Text().data()),
                 table.Text().size() * sizeof(char16_t));
    }
    // Revision 1 made this fingerprint. A change of the loader's output: raise the revision
    // and put the new fingerprint here.
    EXPECT_EQ(kCardDataCopyRevision, 1u);
    EXPECT_EQ(hash.Value(), 0xde6f983adc0509b0u) << std::hex << hash.Value();
}

}  // namespace
}  // namespace zemlo

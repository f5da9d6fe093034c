// Card data files that are damaged, foreign or extreme: the loader takes what it can and
// the program starts.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace zemlo::test

#include "deckfile/deck_file_writer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include "deck_test_cards.h"
#include "platform/code_page.h"
#include "support/card_builder.h"
#include "support/file_faults.h"
#include "support/temp_dir.h"

namespace zemlo::test {
namespace {

namespace u = unit_field;

// The small deck whose file is committed in data/small_deck.htm.
CardDatabase SmallDeckCards() {
    CardDatabase db;
    AddCard(db.units, "ZM0001",
            {{u::ModelNo, "ZX-01"},
             {u::UnitName, "ヴァルカ改"},
             {u::Team, "北方連合"},
             {u::RollOut, "2"},
             {u::NearWeapon, "雷斧"},
             {u::NearPower, "3"},
             {u::FarWeapon, "－"},
             {u::FarPower, "0"},
             {u::Hp, "4"},
             {u::CardText, "突撃 <強> & \"速\""}});
    AddCard(db.units, "ZM0002",
            {{u::ModelNo, "MR-2"},
             {u::UnitName, "ミラド"},
             {u::NearWeapon, "－"},
             {u::NearPower, "0"},
             {u::FarWeapon, "光弓"},
             {u::FarPower, "2"},
             {u::Hp, "2"}});
    AddCard(db.missions, "MI0001",
            {{mission_field::MissionName, "氷原の突破"},
             {mission_field::PointsGained, "3"},
             {mission_field::Terrain, "雪"}});
    AddCard(db.characters, "CH00001",
            {{char_field::CharName, "リオ・カナメ"}, {char_field::PointsLost, "1"}});
    return db;
}

TEST(DeckFileWriter, SmallDeckMatchesTheCommittedFileByteForByte) {
    const CardDatabase db = SmallDeckCards();
    const Deck deck =
        DeckOf(EntriesOf(db, CardKind::Unit, {0, 0, 1}), EntriesOf(db, CardKind::Mission, {0}),
               EntriesOf(db, CardKind::Character, {0}));
    // Name, form, weapons, HP and text for units; a stored 2 (unit item 3) is not a "1".
    const OutputFlags flags = FlagsFrom(u"110200001100010", u"1100000", u"10");

    const std::string expected =
        ReadBytes(std::filesystem::path(ZEMLO_DECKFILE_TEST_DATA) / "small_deck.htm");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(DeckFileBytes(db, flags, deck), expected);

    TempDir dir;
    ASSERT_TRUE(SaveDeckFile(dir / "deck.htm", db, flags, deck));
    EXPECT_EQ(ReadBytes(dir / "deck.htm"), expected);
}

TEST(DeckFileWriter, ColumnsFollowTheSelectedItemsInFileOrder) {
    const CardDatabase db = NumberLengthCards();
    const Deck deck =
        DeckOf(EntriesOf(db, CardKind::Unit, {1}), EntriesOf(db, CardKind::Mission, {1}),
               EntriesOf(db, CardKind::Character, {1}));

    // Only the weapons item: number, near weapon, near power, far weapon, far power.
    std::u16string text = DeckFileText(db, FlagsFrom(u"000000001", u"", u""), deck);
    EXPECT_EQ(SectionTitles(text, CardKind::Unit),
              (std::vector<std::u16string>{u"No", U("近距離武器"), U("近距離"), U("遠距離武器"),
                                           U("遠距離")}));
    EXPECT_EQ(SectionRows(text, CardKind::Unit),
              (std::vector<std::vector<std::u16string>>{
                  {u"ZM0002", u"u1f14", u"u1f15", u"u1f16", u"u1f17"}}));

    // Everything: every field after the number, in field order, for every kind.
    text = DeckFileText(db, FlagsFrom(u"111111111111111", u"1111111", u"11111111"), deck);
    for (CardKind kind : kDeckKinds) {
        const CardTable& table = db.Table(kind);
        std::vector<std::u16string> expected;
        for (int f = 1; f < table.FieldCount(); ++f) expected.emplace_back(table.Cell(f, 1));
        const auto rows = SectionRows(text, kind);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0], expected) << static_cast<int>(kind);
        EXPECT_EQ(SectionTitles(text, kind).size(), expected.size());
    }
    std::vector<std::u16string> unitTitles;
    for (const char* title :
         {"No",        "形式",        "名称",      "所属",          "ロール",        "地形",
          "開発系統1", "開発系統2",   "開発系統3", "ユニット系統1", "ユニット系統2", "設計条件1",
          "設計条件2", "近距離武器",  "近距離",    "遠距離武器",    "遠距離",        "ＨＰ",
          "特殊能力1", "特殊能力2",   "特殊機能1", "特殊機能2",     "補足1",         "補足2",
          "テキスト",  "黒歴史コード"}) {
        unitTitles.push_back(U(title));
    }
    EXPECT_EQ(SectionTitles(text, CardKind::Unit), unitTitles);
    std::vector<std::u16string> missionTitles;
    for (const char* title :
         {"No", "名称", "獲得戦果", "必要ユニット数", "地形", "勝利条件", "効果", "テキスト"}) {
        missionTitles.push_back(U(title));
    }
    EXPECT_EQ(SectionTitles(text, CardKind::Mission), missionTitles);
    std::vector<std::u16string> charTitles;
    for (const char* title : {"No", "名称", "所属", "損失戦果", "使用タイミング", "使用条件",
                              "効果", "テキスト", "黒歴史コード"}) {
        charTitles.push_back(U(title));
    }
    EXPECT_EQ(SectionTitles(text, CardKind::Character), charTitles);
}

TEST(DeckFileWriter, OnlyAnExactOneSelectsAnItem) {
    const CardDatabase db = NumberLengthCards();
    const Deck deck = DeckOf({}, EntriesOf(db, CardKind::Mission, {0}));
    for (std::u16string_view value : {u"", u"0", u"2", u" ", u"x"}) {
        const std::u16string text = DeckFileText(db, FlagsFrom(value, value, value), deck);
        for (CardKind kind : kDeckKinds) {
            EXPECT_EQ(SectionTitles(text, kind), std::vector<std::u16string>{u"No"});
        }
        EXPECT_EQ(SectionRows(text, CardKind::Mission),
                  (std::vector<std::vector<std::u16string>>{{u"MI001"}}));
    }
}

TEST(DeckFileWriter, EmptyDeckGivesThreeTablesOfHeaderRowsOnly) {
    const std::u16string text = DeckFileText(NumberLengthCards(), OutputFlags{}, Deck{});
    for (CardKind kind : kDeckKinds) {
        EXPECT_EQ(SectionTitles(text, kind), std::vector<std::u16string>{u"No"});
        EXPECT_TRUE(SectionRows(text, kind).empty());
    }
    EXPECT_TRUE(text.ends_with(u"</TABLE>\r\n</BODY>\r\n</HTML>\r\n"));
    // Every line ends in CR LF: no bare LF and no bare CR anywhere.
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n') {
            EXPECT_EQ(text[i - 1], u'\r') << i;
        }
        if (text[i] == u'\r') {
            EXPECT_EQ(text[i + 1], u'\n') << i;
        }
    }
}

TEST(DeckFileWriter, EveryCellIsEscaped) {
    CardDatabase db;
    AddCard(db.units, "ZM&<1>",
            {{u::UnitName, "<script>alert(\"x\")</script>"}, {u::CardText, "A&B > C"}});
    const Deck deck = DeckOf(EntriesOf(db, CardKind::Unit, {0}));
    const std::u16string text = DeckFileText(db, FlagsFrom(u"01000000000001", u"", u""), deck);
    EXPECT_EQ(text.find(u"<script>"), std::u16string::npos);
    EXPECT_EQ(SectionRows(text, CardKind::Unit),
              (std::vector<std::vector<std::u16string>>{
                  {u"ZM&amp;&lt;1&gt;", u"&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt;",
                   u"A&amp;B &gt; C"}}));
}

TEST(DeckFileWriter, RowsFollowTheDeckListOrderAndRepeatCopies) {
    const CardDatabase db = NumberLengthCards();
    // The list's order is the entries' text order: the longer numbers first here.
    const Deck deck = DeckOf(EntriesOf(db, CardKind::Unit, {3, 0, 0, 2}));
    const auto rows =
        SectionRows(DeckFileText(db, FlagsFrom(u"01", u"", u""), deck), CardKind::Unit);
    EXPECT_EQ(rows, (std::vector<std::vector<std::u16string>>{{u"ZM000004", U("機体3")},
                                                              {u"ZM00003", U("機体2")},
                                                              {u"ZM001", U("機体0")},
                                                              {u"ZM001", U("機体0")}}));
}

TEST(DeckFileWriter, AnEntryWhoseCardIsGoneKeepsItsRowWithEmptyCells) {
    const CardDatabase db = NumberLengthCards();
    const Deck deck = DeckOf({}, {}, {Entry(CardKind::Character, "CH9999", "消えた隊員")});
    const auto rows =
        SectionRows(DeckFileText(db, FlagsFrom(u"", u"", u"11"), deck), CardKind::Character);
    EXPECT_EQ(rows, (std::vector<std::vector<std::u16string>>{{u"CH9999", u"", u""}}));
}

// A failed save must leave the old file exactly as it was and say so.
class FailedSave : public ::testing::Test {
protected:
    void SetUp() override {
        db_ = NumberLengthCards();
        deck_ = DeckOf(EntriesOf(db_, CardKind::Unit, {0}));
    }
    bool Save(const std::filesystem::path& path) {
        return static_cast<bool>(SaveDeckFile(path, db_, FlagsFrom(u"1", u"", u""), deck_));
    }
    TempDir dir_;
    CardDatabase db_;
    Deck deck_;
};

TEST_F(FailedSave, ParentThatIsAFileFails) {
    WriteBytes(dir_ / "notafolder", "keep me\r\n");
    EXPECT_FALSE(Save(dir_ / "notafolder" / "deck.htm"));
    EXPECT_EQ(ReadBytes(dir_ / "notafolder"), "keep me\r\n");
}

TEST_F(FailedSave, TargetThatIsADirectoryFailsAndKeepsItsContents) {
    std::filesystem::create_directory(dir_ / "deck.htm");
    WriteBytes(dir_ / "deck.htm" / "inside.txt", "old");
    EXPECT_FALSE(Save(dir_ / "deck.htm"));
    EXPECT_TRUE(std::filesystem::is_directory(dir_ / "deck.htm"));
    EXPECT_EQ(ReadBytes(dir_ / "deck.htm" / "inside.txt"), "old");
    // No half-written temporary file is left beside it.
    int files = 0;
    for (const auto& item : std::filesystem::directory_iterator(dir_.Path())) {
        (void)item;
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST_F(FailedSave, WriteThatFailsBesideTheOldFileKeepsItByteForByte) {
    const std::string old = "<HTML>\r\nold deck \x82\xa0\r\n";
    WriteBytes(dir_ / "deck.htm", old);
    // The new file is written beside the old one first; the disk fills up meanwhile.
    InjectedFaults injected;
    injected.faults.diskFullAfterBytes = 10;
    EXPECT_FALSE(Save(dir_ / "deck.htm"));
    EXPECT_EQ(ReadBytes(dir_ / "deck.htm"), old);
    EXPECT_EQ(FolderListing(dir_.Path()), "deck.htm\n");
}

TEST_F(FailedSave, ReadOnlyFolderKeepsTheOldFile) {
    const std::string old = "<HTML>old deck\r\n";
    std::filesystem::create_directory(dir_ / "ro");
    WriteBytes(dir_ / "ro" / "deck.htm", old);
    // The superuser writes into folders without write permission; the file layer's fault
    // fails as a read-only file system does, for every user.
    ::chmod((dir_ / "ro").c_str(), 0555);
    InjectedFaults injected;
    injected.faults.readOnlyFolder = dir_ / "ro";
    EXPECT_FALSE(Save(dir_ / "ro" / "deck.htm"));
    EXPECT_EQ(ReadBytes(dir_ / "ro" / "deck.htm"), old);
    ::chmod((dir_ / "ro").c_str(), 0755);
}

TEST_F(FailedSave, KilledBeforeTheRenameLeavesTheOldFile) {
    const std::string old = "<HTML>old deck\r\n";
    WriteBytes(dir_ / "deck.htm", old);
    EXPECT_EXIT(KillBeforeRename([&] { Save(dir_ / "deck.htm"); }),
                ::testing::KilledBySignal(SIGKILL), "");
    EXPECT_EQ(ReadBytes(dir_ / "deck.htm"), old);
}

TEST_F(FailedSave, ASuccessfulSaveReplacesTheOldFileCompletely) {
    WriteBytes(dir_ / "deck.htm", std::string(100000, 'x'));
    ASSERT_TRUE(Save(dir_ / "deck.htm"));
    EXPECT_EQ(ReadBytes(dir_ / "deck.htm"), DeckFileBytes(db_, FlagsFrom(u"1", u"", u""), deck_));
}

}  // namespace
}  // namespace zemlo::test

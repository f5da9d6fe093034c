// Deck text read back into a deck: the text the deck-text command writes, the same text
// after players' editors, and names that match several cards or none.
#include <gtest/gtest.h>

#include <algorithm>

#include "deck_test_cards.h"
#include "deckfile/deck_text.h"
#include "deckfile/deck_text_matcher.h"
#include "support/card_builder.h"

namespace zemlo::test {
namespace {

class DeckTextImportTest : public ::testing::Test {
protected:
    DeckTextImportTest() {
        AddCard(db.units, "ZM0001", {{unit_field::UnitName, "ヴェルク"}});
        AddCard(db.units, "ZM0002", {{unit_field::UnitName, "Type x"}});
        AddCard(db.units, "ZM0003", {{unit_field::UnitName, "双子機"}});
        AddCard(db.units, "ZM0004", {{unit_field::UnitName, "双子機"}});
        AddCard(db.units, "ZM00005", {{unit_field::UnitName, "長番号機"}});
        AddCard(db.missions, "MI0001",
                {{mission_field::MissionName, "霧の峠"}, {mission_field::PointsGained, "3"}});
        AddCard(db.missions, "MI0002",
                {{mission_field::MissionName, "霧の峠"}, {mission_field::PointsGained, "5"}});
        AddCard(db.characters, "CH0001", {{char_field::CharName, "ロゼ"}});
    }
    DeckEntry Entry(CardKind kind, int record) const {
        return DeckEntry::OfRecord(db, kind, record);
    }
    DeckTextImport Import(std::string_view utf8) const {
        return DeckTextMatcher(db).Match(U(utf8));
    }

    CardDatabase db;
};

TEST_F(DeckTextImportTest, CopiedDeckComesBackTheSame) {
    const Deck deck = DeckOf(
        {Entry(CardKind::Unit, 0), Entry(CardKind::Unit, 0), Entry(CardKind::Unit, 1),
         Entry(CardKind::Unit, 4)},
        {Entry(CardKind::Mission, 0), Entry(CardKind::Mission, 1), Entry(CardKind::Mission, 1)},
        {Entry(CardKind::Character, 0)});
    const DeckTextImport result = DeckTextMatcher(db).Match(DeckText(SummarizeDeck(deck)));
    EXPECT_EQ(result.deck, deck);
    EXPECT_EQ(result.matchedLines, 6);
    EXPECT_TRUE(result.unmatchedLines.empty());
    EXPECT_TRUE(result.ambiguousNames.empty());
}

TEST_F(DeckTextImportTest, EveryCountTheTextWritesReadsBackAndAListStopsAtItsLimit) {
    const Deck deck = DeckOf(std::vector<DeckEntry>(1000, Entry(CardKind::Unit, 0)),
                             std::vector<DeckEntry>(kMaxListEntries, Entry(CardKind::Mission, 1)));
    const std::u16string text = DeckText(SummarizeDeck(deck));
    ASSERT_NE(text.find(u"×１０００"), std::u16string::npos);
    const DeckTextImport back = DeckTextMatcher(db).Match(text);
    EXPECT_EQ(back.deck, deck);
    EXPECT_EQ(back.leftOut, (LeftOutCounts{0, 0, 0}));

    // Lines asking for more than a list holds: the first copies up to the limit, the rest
    // counted.
    const DeckTextImport full = Import(
        "ユニットカード\nヴェルク ×32000\n長番号機 ×999\n"
        "ヴェルク ×１\nキャラクターカード\nロゼ ×3\n");
    const auto& units = full.deck.Entries(CardKind::Unit);
    ASSERT_EQ(units.size(), kMaxListEntries);
    EXPECT_EQ(std::count(units.begin(), units.end(), Entry(CardKind::Unit, 0)), 32000);
    EXPECT_EQ(std::count(units.begin(), units.end(), Entry(CardKind::Unit, 4)),
              static_cast<long>(kMaxListEntries) - 32000);
    EXPECT_EQ(full.leftOut, (LeftOutCounts{32000 + 999 + 1 - kMaxListEntries, 0, 0}));
    EXPECT_EQ(full.deck.Entries(CardKind::Character).size(), 3u);
    EXPECT_EQ(full.matchedLines, 4);
}

TEST_F(DeckTextImportTest, EditedTextStillReads) {
    // LF only, blanks for the TAB, x and X, ASCII and full-width digits, a missing count,
    // blank lines, the mission's blanks folded, words before and after the blocks.
    const DeckTextImport result = Import(
        "僕のデッキです\n"
        "ユニットカード\n"
        "ヴェルク   x2\n"
        "\n"
        "Type x X１\n"
        "長番号機\n"
        "  ミッションカード  \n"
        "霧の峠 5 ×3\n"
        "\n\n\n"
        "感想お待ちしています\n"
        "キャラクターカード\r\n"
        "ロゼ\t ×１\r\n");
    const Deck expected = DeckOf({Entry(CardKind::Unit, 0), Entry(CardKind::Unit, 0),
                                  Entry(CardKind::Unit, 1), Entry(CardKind::Unit, 4)},
                                 std::vector<DeckEntry>(3, Entry(CardKind::Mission, 1)),
                                 {Entry(CardKind::Character, 0)});
    EXPECT_EQ(result.deck, expected);
    EXPECT_TRUE(result.unmatchedLines.empty());
}

TEST_F(DeckTextImportTest, NumbersNamesSharedAndUnknown) {
    const DeckTextImport result = Import(
        "ミッションカード\n"
        "ZM0003 だれか ×2\n"  // a card number is taken whatever follows it, in its own kind
        "双子機 ×1\n"         // a unit's name under the mission heading is no mission
        "霧の峠 7\n"          // written points narrow a mission's name: none has 7
        "ユニットカード\n"
        "双子機\t ×１\n"
        "双子機 ×1\n"
        "ヴェルク ×32768\n");  // more than a deck list holds
    const Deck expected = DeckOf(std::vector<DeckEntry>(4, Entry(CardKind::Unit, 2)));
    EXPECT_EQ(result.deck, expected);
    EXPECT_EQ(result.matchedLines, 3);
    EXPECT_EQ(result.unmatchedLines,
              std::vector<std::u16string>({U("双子機 ×1"), U("霧の峠 7"), U("ヴェルク ×32768")}));
    EXPECT_EQ(result.ambiguousNames, std::vector<std::u16string>({U("双子機")}));
}

TEST_F(DeckTextImportTest, MissionsByNameAloneAndCountsWrittenFirst) {
    AddCard(db.units, "ZM0006", {{unit_field::UnitName, "3号機"}});
    AddCard(db.missions, "MI0003",
            {{mission_field::MissionName, "夜明け"}, {mission_field::PointsGained, "4"}});
    const DeckTextImport result = Import(
        "ユニットカード\n"
        "2 ヴェルク\n"
        "2x 長番号機\n"
        "１ × Type x\n"
        "3号機\n"  // a name that begins with digits is still the whole name
        "2 3号機\n"
        "３枚ヴェルク\n"
        "2ヴェルク\n"       // digits glued to a name are no count
        "40000 ヴェルク\n"  // more than a deck list holds
        "ミッションカード\n"
        "夜明け ×２\n"     // by name alone
        "２枚 霧の峠 5\n"  // the points still narrow
        "霧の峠\n");       // two missions of that name: the first in the table
    const Deck expected = DeckOf(
        {Entry(CardKind::Unit, 0), Entry(CardKind::Unit, 0), Entry(CardKind::Unit, 0),
         Entry(CardKind::Unit, 0), Entry(CardKind::Unit, 0), Entry(CardKind::Unit, 1),
         Entry(CardKind::Unit, 4), Entry(CardKind::Unit, 4), Entry(CardKind::Unit, 5),
         Entry(CardKind::Unit, 5), Entry(CardKind::Unit, 5)},
        {Entry(CardKind::Mission, 0), Entry(CardKind::Mission, 1), Entry(CardKind::Mission, 1),
         Entry(CardKind::Mission, 2), Entry(CardKind::Mission, 2)});
    EXPECT_EQ(result.deck, expected);
    EXPECT_EQ(result.matchedLines, 9);
    EXPECT_EQ(result.unmatchedLines,
              std::vector<std::u16string>({U("2ヴェルク"), U("40000 ヴェルク")}));
    EXPECT_EQ(result.ambiguousNames, std::vector<std::u16string>({U("霧の峠")}));
}

TEST_F(DeckTextImportTest, TextWithNothingRecognisableMatchesNothing) {
    for (const char* text : {"", "こんにちは\nヴェルク ×2\n", "ユニットカード\n\n\n"}) {
        const DeckTextImport result = Import(text);
        EXPECT_EQ(result.matchedLines, 0) << text;
        EXPECT_TRUE(result.deck.Empty()) << text;
        EXPECT_TRUE(result.unmatchedLines.empty()) << text;
    }
}

TEST_F(DeckTextImportTest, CardNamesAreIndexedAtTheFirstMatchOnly) {
    const DeckTextMatcher matcher(db);
    AddCard(db.characters, "CH0002", {{char_field::CharName, "リタ"}});
    EXPECT_EQ(matcher.Match(U("キャラクターカード\nリタ\n")).matchedLines, 1);
    // Later matches use the index of the first: card data is loaded once per run.
    AddCard(db.characters, "CH0003", {{char_field::CharName, "ユナ"}});
    EXPECT_EQ(matcher.Match(U("キャラクターカード\nユナ\n")).matchedLines, 0);
}

}  // namespace
}  // namespace zemlo::test

#include "carddb/deck_entry.h"

#include <gtest/gtest.h>

#include "support/card_builder.h"

namespace zemlo::test {
namespace {

TEST(DeckEntry, TextIsMadeFromTheFieldsAndTheWholeNumberStaysForEveryLength) {
    // Three blanks after numbers of up to six characters, one after longer ones.
    const struct {
        const char* cardNo;
        const char* text;
    } kCases[] = {
        {"ZM001", "ZM001   ガルド"},       {"ZM0002", "ZM0002   ガルド"},
        {"ZM00003", "ZM00003 ガルド"},     {"ZMX00004", "ZMX00004 ガルド"},
        {"ZM0000005", "ZM0000005 ガルド"}, {"ZM00000006", "ZM00000006 ガルド"},
    };
    CardDatabase db;
    for (const auto& c : kCases) AddCard(db.units, c.cardNo, {{unit_field::UnitName, "ガルド"}});
    for (int r = 0; r < static_cast<int>(std::size(kCases)); ++r) {
        const DeckEntry entry = DeckEntry::OfRecord(db, CardKind::Unit, r);
        SCOPED_TRACE(kCases[r].cardNo);
        EXPECT_EQ(entry.Kind(), CardKind::Unit);
        EXPECT_EQ(entry.CardNo(), U(kCases[r].cardNo));
        EXPECT_EQ(entry.Name(), U("ガルド"));
        EXPECT_EQ(entry.Text(), U(kCases[r].text));
        EXPECT_EQ(entry.NamePart(), U("ガルド"));
        EXPECT_EQ(entry.Points(), 0);
    }
}

TEST(DeckEntry, MissionsEndWithFiftyBlanksAndPointsGainedWhichGivesTheirPoints) {
    const std::u16string gap(50, u' ');
    const struct {
        const char* field;
        int points;
    } kCases[] = {{"3", 3}, {"12", 12}, {"105", 105}, {"－", 0},
                  {"", 0},  {"-2", -2}, {"4点", 4},   {"99999", 32767}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.field);
        const DeckEntry entry = Entry(CardKind::Mission, "MI001", "ネス作戦", c.field);
        EXPECT_EQ(entry.Text(), U("MI001   ネス作戦") + gap + U(c.field));
        EXPECT_EQ(entry.Points(), c.points);
        EXPECT_EQ(entry.Name(), U("ネス作戦"));
    }
    // The deck text writes the points after the name; without points the blanks go too.
    EXPECT_EQ(Entry(CardKind::Mission, "MI001", "ネス作戦", "3").NamePart(),
              U("ネス作戦") + gap + u"3");
    EXPECT_EQ(Entry(CardKind::Mission, "MI001", "ネス作戦").NamePart(), U("ネス作戦"));
}

TEST(DeckEntry, NamePartLosesOnlyTheHalfWidthBlanksAroundIt) {
    EXPECT_EQ(Entry(CardKind::Unit, "ZM0001", " 白 き 翼  ").NamePart(), U("白 き 翼"));
    EXPECT_EQ(Entry(CardKind::Unit, "ZM0001", "　翼").NamePart(), U("　翼"));
    EXPECT_EQ(Entry(CardKind::Unit, "ZM0001", "").NamePart(), u"");
}

TEST(DeckEntry, TheNameSearchLooksPastEveryCardNumber) {
    EXPECT_EQ(Entry(CardKind::Unit, "ZM001", "名").SearchedPart(), U("名"));
    EXPECT_EQ(Entry(CardKind::Unit, "ZM0001", "名").SearchedPart(), U(" 名"));
    EXPECT_EQ(Entry(CardKind::Unit, "ZMX00001", "名").SearchedPart(), U(" 名"));
    EXPECT_EQ(Entry(CardKind::Unit, "ZM0000009", "名").SearchedPart(), U(" 名"));
    EXPECT_EQ(Entry(CardKind::Unit, "ZM0001", "").SearchedPart(), u" ");
    EXPECT_EQ(Entry(CardKind::Unit, "ZM00000010", "").SearchedPart(), u" ");
}

TEST(DeckEntry, EqualEntriesAreCopiesOfOneCard) {
    EXPECT_EQ(Entry(CardKind::Unit, "ZM0001", "A"), Entry(CardKind::Unit, "ZM0001", "A"));
    EXPECT_FALSE(Entry(CardKind::Unit, "ZM0001", "A") == Entry(CardKind::Character, "ZM0001", "A"));
    EXPECT_FALSE(Entry(CardKind::Unit, "ZM0001", "A") == Entry(CardKind::Unit, "ZM0001", "A "));
}

}  // namespace
}  // namespace zemlo::test

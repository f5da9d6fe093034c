// The quick filter's word match, over card numbers and names or over every text the card
// information shows. The fold here has no normaliser (its Qt normalisation is tested with
// the fold); it still narrows full-width forms and turns hiragana and capitals.
#include "catalog/quick_filter.h"

#include <gtest/gtest.h>

#include "carddb/card_fields.h"
#include "support/card_builder.h"

namespace zemlo {
namespace {

using test::AddCard;
using test::U;
using Words = std::vector<std::u16string>;
using Records = std::vector<int>;

class QuickFilterTest : public ::testing::Test {
protected:
    Records All(CardKind kind) const {
        Records all;
        for (int r = 0; r < db.Table(kind).Count(); ++r) all.push_back(r);
        return all;
    }
    Records Narrow(CardKind kind, std::string_view text, bool texts) {
        return filter.Narrow(kind, All(kind), filter.Words(U(text)), texts);
    }

    CardDatabase db;
    QuickFilter filter{db, SearchFold(nullptr)};
};

TEST_F(QuickFilterTest, WordsAreSplitAtBlanksAndIdeographicSpacesAfterFolding) {
    EXPECT_EQ(filter.Words(U("ＧＡ　がる  d\tX")), (Words{u"ga", u"ガル", u"d", u"x"}));
    EXPECT_TRUE(filter.Words(U(" 　 ")).empty());
    EXPECT_TRUE(filter.Words(u"").empty());
}

TEST_F(QuickFilterTest, EveryWordOccursInTheCardNumberOrTheName) {
    AddCard(db.units, "ZM0001", {{unit_field::UnitName, "ガルド"}});
    AddCard(db.units, "ZM0002",
            {{unit_field::UnitName, "セリオ"}, {unit_field::SpAbility1, "ガルドの盾"}});
    AddCard(db.units, "ZMX00003", {{unit_field::UnitName, "ガルドⅡ"}});
    EXPECT_EQ(Narrow(CardKind::Unit, "がる", false), (Records{0, 2}));
    EXPECT_EQ(Narrow(CardKind::Unit, "ｇａｌ", false), Records{});
    EXPECT_EQ(Narrow(CardKind::Unit, "zm0002", false), Records{1});
    EXPECT_EQ(Narrow(CardKind::Unit, "0001 ガル", false), Records{0});  // number and name
    EXPECT_EQ(Narrow(CardKind::Unit, "ガル セリ", false), Records{});   // every word counts
    EXPECT_EQ(Narrow(CardKind::Unit, "", false), (Records{0, 1, 2}));
    // Only the records given, in their order.
    EXPECT_EQ(filter.Narrow(CardKind::Unit, {2, 1, 0}, filter.Words(u"ガルド"), false),
              (Records{2, 0}));
}

TEST_F(QuickFilterTest, TextsReachEveryFieldTheCardInformationShowsOneFieldAtATime) {
    for (CardKind kind : {CardKind::Unit, CardKind::Mission, CardKind::Character}) {
        CardTable& table = db.Table(kind);
        // One card per field, holding the word in that field alone.
        for (int f = 2; f < table.FieldCount(); ++f) {
            const std::string no = "XX" + std::to_string(1000 + f);
            AddCard(table, no, {{f, "とくべつゼクス"}});
        }
        SCOPED_TRACE(static_cast<int>(kind));
        EXPECT_EQ(Narrow(kind, "ぜくす", true), All(kind));
        const int name = kind == CardKind::Unit ? unit_field::UnitName : 2;
        EXPECT_EQ(Narrow(kind, "ぜくす", false), Records{name - 2});
        EXPECT_EQ(Narrow(kind, "xx1002", true), Records{0});  // the card number too
    }
}

TEST_F(QuickFilterTest, AWordStaysWithinOneFieldAndTheEmptyMarkIsNoText) {
    AddCard(db.missions, "MI0001",
            {{mission_field::MissionName, "砦"},
             {mission_field::VictoryCond, "ガル"},
             {mission_field::Effect, "ド"},
             {mission_field::CardText, "－"}});
    EXPECT_EQ(Narrow(CardKind::Mission, "ガルド", true), Records{});
    EXPECT_EQ(Narrow(CardKind::Mission, "ガル ド", true), Records{0});
    EXPECT_EQ(Narrow(CardKind::Mission, "-", true), Records{});
    EXPECT_EQ(Narrow(CardKind::Mission, "－", true), Records{});
}

TEST_F(QuickFilterTest, MatchesTheConditionsHideAreCountedApart) {
    AddCard(db.units, "ZM0001", {{unit_field::UnitName, "ガルド"}});
    AddCard(db.units, "ZM0002", {{unit_field::UnitName, "セリオ"}});
    AddCard(db.units, "ZM0003",
            {{unit_field::UnitName, "ヴァント"}, {unit_field::DevLine1, "ガル系"}});
    AddCard(db.units, "ZM0004", {{unit_field::UnitName, "ガルド改"}});
    const Words words = filter.Words(u"がる");
    // Passing 1 only: ZM0001 and ZM0004 match among the rest, ZM0003 with the texts.
    EXPECT_EQ(filter.CountOutside(CardKind::Unit, {1}, words, false), 2u);
    EXPECT_EQ(filter.CountOutside(CardKind::Unit, {1}, words, true), 3u);
    EXPECT_EQ(filter.CountOutside(CardKind::Unit, {3, 0}, words, false), 0u);
    EXPECT_EQ(filter.CountOutside(CardKind::Unit, {}, Words{}, false), 0u);  // no words
}

// The search looks at eight characters at a time; a word at any place, across a block's
// end, at the very end, or cut off by the end, is found exactly where a plain search finds it.
TEST(FindWordTest, FindsWhatAPlainSearchFindsAtEveryPlace) {
    for (size_t length = 0; length < 40; ++length) {
        for (size_t at = 0; at <= length; ++at) {
            std::u16string text(length, u'ア');
            const std::u16string word = u"アイウ";
            text.replace(at, std::min(word.size(), length - at), word.substr(0, length - at));
            for (size_t from = 0; from <= length; from += 3) {
                ASSERT_EQ(FindWord(text, word, from), std::u16string_view(text).find(word, from))
                    << length << " " << at << " " << from;
            }
        }
    }
    EXPECT_EQ(FindWord(u"abc", u""), std::u16string_view::npos);
}

}  // namespace
}  // namespace zemlo

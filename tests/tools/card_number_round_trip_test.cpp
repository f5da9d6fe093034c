// A card number of every length from 5 to 10 characters on every road a deck takes: the
// catalog's entry, the deck, the deck file written and read back, the deck text copied and
// taken again, the deck library's index and the comparison.
#include <gtest/gtest.h>

#include "catalog/catalog_order.h"
#include "deckfile/deck_file_reader.h"
#include "deckfile/deck_file_writer.h"
#include "deckfile/deck_text.h"
#include "deckfile/deck_text_matcher.h"
#include "platform/code_page.h"
#include "support/card_builder.h"
#include "support/temp_dir.h"
#include "tools/deck_difference.h"
#include "tools/deck_library.h"

namespace zemlo::test {
namespace {

// prefix and digits, length characters in all.
std::string Numbered(const std::string& prefix, int length) {
    return prefix + std::string(static_cast<size_t>(length) - prefix.size() - 1, '0') +
           std::to_string(length % 10);
}

TEST(CardNumberRoundTrip, EveryLengthFromFiveToTenTravelsWhole) {
    const std::u16string gapAfterMission(50, u' ');
    for (int length = 5; length <= 10; ++length) {
        SCOPED_TRACE(length);
        const std::string n = std::to_string(length);
        CardDatabase db;
        AddCard(db.units, Numbered("ZM", length), {{unit_field::UnitName, "機体" + n}});
        AddCard(db.missions, Numbered("MI", length),
                {{mission_field::MissionName, "作戦" + n}, {mission_field::PointsGained, "2"}});
        AddCard(db.characters, Numbered("CH", length), {{char_field::CharName, "隊員" + n}});
        // Three blanks after numbers of up to six characters, one after longer ones.
        const std::u16string gap = length < 7 ? u"   " : u" ";
        const std::u16string texts[3] = {
            U(Numbered("ZM", length)) + gap + U("機体" + n),
            U(Numbered("MI", length)) + gap + U("作戦" + n) + gapAfterMission + u"2",
            U(Numbered("CH", length)) + gap + U("隊員" + n)};

        // The catalog's entry, which a selection and an addition hand on whole.
        Deck deck;
        for (CardKind kind : kDeckKinds) {
            const DeckEntry entry = CatalogOrder(db, kind).Entry(0);
            EXPECT_EQ(entry.Text(), texts[static_cast<int>(kind)]);
            EXPECT_EQ(entry.CardNo(), db.Table(kind).Cell(1, 0));
            deck.Add(entry);
            deck.Add(entry);
        }

        // The deck file names every card by its whole number and reads back the same deck.
        TempDir dir;
        OutputFlags every;
        for (auto& flag : every.unit) flag = u"1";
        for (auto& flag : every.mission) flag = u"1";
        for (auto& flag : every.character) flag = u"1";
        ASSERT_TRUE(SaveDeckFile(dir / "deck.htm", db, every, deck));
        const std::u16string file = DecodeCp932(ReadBytes(dir / "deck.htm"));
        for (CardKind kind : kDeckKinds) {
            const std::u16string cell =
                u"<TD noWrap>" + std::u16string(db.Table(kind).Cell(1, 0)) + u"</TD>\r\n";
            EXPECT_NE(file.find(cell), std::u16string::npos);
        }
        const DeckFileReadResult read = ReadDeckFile(dir / "deck.htm", db);
        EXPECT_EQ(read.deck, deck);
        EXPECT_TRUE(read.skippedCardNos.empty());

        // The deck text, taken again.
        const DeckSummary summary = SummarizeDeck(deck);
        EXPECT_EQ(DeckTextMatcher(db).Match(DeckText(summary)).deck, deck);

        // The library's index holds each card by its whole number.
        const LibraryIndex index = IndexLibrary(dir.Path(), db);
        ASSERT_EQ(index.decks.size(), 1u);
        for (CardKind kind : kDeckKinds) {
            EXPECT_EQ(index.decks[0].CopiesOf(db.Table(kind).Cell(1, 0)), 2);
        }

        // The comparison lines the cards up by their whole numbers.
        const std::vector<CardDifference> differences =
            CompareDecks(summary, SummarizeDeck(Deck{}), false);
        ASSERT_EQ(differences.size(), 3u);
        for (const CardDifference& card : differences) {
            const CardTable& table = db.Table(card.kind);
            EXPECT_EQ(card.cardNo, table.Cell(1, 0));
            EXPECT_EQ(card.name, table.Cell(NameField(card.kind), 0));
            EXPECT_EQ(card.first, 2);
            EXPECT_EQ(card.second, 0);
        }
    }
}

}  // namespace
}  // namespace zemlo::test

// The rest of the card images' plain logic: the cache's bound, the proxy sheet's places and
// cut marks, and what a drawn card face says.
#include <gtest/gtest.h>

#include <string>

#include "carddb/card_fields.h"
#include "carddb/deck_entry.h"
#include "images/card_face.h"
#include "images/proxy_sheet.h"
#include "images/recent_cache.h"
#include "support/card_builder.h"

namespace zemlo::test {
namespace {

TEST(RecentCache, KeepsTheMostRecentlyUsedWithinItsBoundOfBytes) {
    RecentCache<std::string, int> cache(100);
    cache.Put("a", 1, 40);
    cache.Put("b", 2, 40);
    ASSERT_NE(cache.Find("a"), nullptr);  // "a" is now more recent than "b"
    cache.Put("c", 3, 40);                // 120 bytes: the least recent goes
    EXPECT_EQ(cache.Find("b"), nullptr);
    ASSERT_NE(cache.Find("a"), nullptr);
    EXPECT_EQ(*cache.Find("a"), 1);
    EXPECT_EQ(cache.Bytes(), 80u);

    cache.Put("a", 4, 10);  // replacing a value counts its new size only
    EXPECT_EQ(*cache.Find("a"), 4);
    EXPECT_EQ(cache.Bytes(), 50u);

    cache.Put("huge", 5, 101);  // larger than the whole bound: not held, nothing dropped
    EXPECT_EQ(cache.Find("huge"), nullptr);
    EXPECT_EQ(cache.Size(), 2u);

    cache.Put("d", 6, 100);  // fills the bound alone
    EXPECT_EQ(cache.Size(), 1u);
    EXPECT_EQ(cache.Bytes(), 100u);
}

CardDatabase ProxyCardsDatabase() {
    CardDatabase db;
    AddCard(db.units, "ZM0001", {{unit_field::UnitName, "ガルダ"}});
    AddCard(db.units, "ZM0002", {{unit_field::UnitName, "ベイル"}});
    AddCard(db.missions, "MI0001", {{mission_field::MissionName, "夜明けの港"}});
    AddCard(db.characters, "CH0001", {{char_field::CharName, "ミナ"}});
    return db;
}

TEST(ProxySheet, EveryCopyOfEveryCardStandsInDeckOrderNineToAPage) {
    const CardDatabase db = ProxyCardsDatabase();
    Deck deck;
    deck.Add(DeckEntry::OfRecord(db, CardKind::Character, 0));
    for (int copy = 0; copy < 3; ++copy) deck.Add(DeckEntry::OfRecord(db, CardKind::Unit, 1));
    deck.Add(DeckEntry::OfRecord(db, CardKind::Unit, 0));
    deck.Add(DeckEntry::OfRecord(db, CardKind::Mission, 0));
    const std::vector<ProxyCard> cards = ProxyCards(deck);
    const std::vector<ProxyCard> expected = {
        {CardKind::Unit, u"ZM0001"},    {CardKind::Unit, u"ZM0002"},
        {CardKind::Unit, u"ZM0002"},    {CardKind::Unit, u"ZM0002"},
        {CardKind::Mission, u"MI0001"}, {CardKind::Character, u"CH0001"}};
    EXPECT_EQ(cards, expected);

    EXPECT_EQ(ProxyPageCount(0), 0u);
    EXPECT_EQ(ProxyPageCount(1), 1u);
    EXPECT_EQ(ProxyPageCount(9), 1u);
    EXPECT_EQ(ProxyPageCount(10), 2u);
}

TEST(ProxySheet, CardsAreRealSizeEdgeToEdgeInTheMiddleOfA4AndCutMarksStayOffThem) {
    const PaperRect first = ProxyPlace(0);
    const PaperRect last = ProxyPlace(8);
    EXPECT_DOUBLE_EQ(first.width, 63.0);
    EXPECT_DOUBLE_EQ(first.height, 88.0);
    // Equal margins on either side, and above and below.
    EXPECT_DOUBLE_EQ(first.left, kPaperWidthMm - (last.left + last.width));
    EXPECT_DOUBLE_EQ(first.top, kPaperHeightMm - (last.top + last.height));
    EXPECT_GT(first.left, kCutMarkGapMm + kCutMarkLengthMm);
    // Neighbours share an edge: one cut parts them.
    EXPECT_DOUBLE_EQ(ProxyPlace(1).left, first.left + first.width);
    EXPECT_DOUBLE_EQ(ProxyPlace(3).top, first.top + first.height);

    const auto onAnyCard = [](double x, double y, std::size_t count) {
        for (std::size_t slot = 0; slot < count; ++slot) {
            const PaperRect card = ProxyPlace(slot);
            if (x >= card.left && x <= card.left + card.width && y >= card.top &&
                y <= card.top + card.height) {
                return true;
            }
        }
        return false;
    };
    for (std::size_t count : {1u, 4u, 9u}) {
        const std::vector<PaperLine> marks = ProxyCutMarks(count);
        const std::size_t columns = std::min<std::size_t>(count, 3);
        const std::size_t rows = (count + 2) / 3;
        // Two marks for every cut between and around the cards.
        EXPECT_EQ(marks.size(), 2 * (columns + 1) + 2 * (rows + 1)) << count;
        for (const PaperLine& mark : marks) {
            EXPECT_FALSE(onAnyCard(mark.x1, mark.y1, count)) << count;
            EXPECT_FALSE(onAnyCard(mark.x2, mark.y2, count)) << count;
            EXPECT_TRUE(mark.x1 == mark.x2 || mark.y1 == mark.y2);
            EXPECT_GE(std::min(mark.x1, mark.y1), 0.0);
        }
    }
    // With one card, the right-hand marks hug that card, not the empty places beside it.
    const std::vector<PaperLine> single = ProxyCutMarks(1);
    double rightmost = 0;
    for (const PaperLine& mark : single) rightmost = std::max({rightmost, mark.x1, mark.x2});
    EXPECT_DOUBLE_EQ(rightmost, first.left + first.width + kCutMarkGapMm + kCutMarkLengthMm);
}

TEST(CardFace, SaysKindNumberAndNameAndOnAProxyTheTextBelowTheName) {
    CardDatabase db = ProxyCardsDatabase();
    db.missions.MutableCell(mission_field::VictoryCond, 0) = U("敵ユニットを２体破壊");
    db.missions.MutableCell(mission_field::PointsGained, 0) = u"3";

    const CardFace plain = MakeCardFace(db, CardKind::Mission, u"MI0001", false);
    EXPECT_EQ(plain.kindName, U("ミッション"));
    EXPECT_EQ(plain.cardNo, u"MI0001");
    EXPECT_EQ(plain.name, U("夜明けの港"));
    EXPECT_TRUE(plain.textLines.empty());

    const CardFace proxy = MakeCardFace(db, CardKind::Mission, u"MI0001", true);
    ASSERT_FALSE(proxy.textLines.empty());
    EXPECT_EQ(proxy.textLines.front().rfind(U("戦果=3"), 0), 0u);
    EXPECT_EQ(proxy.textLines[1], U("勝利条件：敵ユニットを２体破壊"));
    for (const std::u16string& line : proxy.textLines) {
        EXPECT_EQ(line.find(U("夜明けの港")), std::u16string::npos);  // the name stands above
    }

    // A number no card of the kind has: the face still names it, without a name or text.
    const CardFace unknown = MakeCardFace(db, CardKind::Unit, u"ZM9999", true);
    EXPECT_EQ(unknown.cardNo, u"ZM9999");
    EXPECT_TRUE(unknown.name.empty());
    EXPECT_TRUE(unknown.textLines.empty());
}

}  // namespace
}  // namespace zemlo::test

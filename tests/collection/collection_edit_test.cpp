// Changes of the collection and what a deck lacks from it.
#include "collection/collection_edit.h"

#include <gtest/gtest.h>

#include "carddb/deck_entry.h"
#include "collection/deck_copies_tally.h"
#include "collection/deck_shortfall.h"
#include "support/card_builder.h"

namespace zemlo::test {
namespace {

Collection Owning(std::initializer_list<std::pair<std::u16string, int>> counts) {
    Collection collection;
    for (const auto& [cardNo, count] : counts) collection.Put(cardNo, OwnedCard{count, u"", {}});
    return collection;
}

// Applies edit and checks that taking it back gives the collection as it was.
void ApplyAndCheckUndo(Collection& collection, const CollectionEdit& edit) {
    const Collection before = collection;
    ApplyCollectionEdit(collection, edit, true);
    Collection undone = collection;
    ApplyCollectionEdit(undone, edit, false);
    EXPECT_EQ(undone, before);
}

TEST(CollectionEdit, ACountGoesTo0To999AndARowWithOnlyItsCountGoesAtZero) {
    Collection c = Owning({{u"ZM1", 2}});
    c.Put(u"ZM2", OwnedCard{4, u"", {u"", u"箱2"}});

    ApplyAndCheckUndo(c, SetOwnedEdit(c, u"ZM3", 5000));
    EXPECT_EQ(c.Owned(u"ZM3"), kMaxOwned);
    ApplyAndCheckUndo(c, SetOwnedEdit(c, u"ZM1", 0));
    EXPECT_EQ(c.Find(u"ZM1"), nullptr);
    // The player's own column keeps its row.
    ApplyAndCheckUndo(c, SetOwnedEdit(c, u"ZM2", 0));
    ASSERT_NE(c.Find(u"ZM2"), nullptr);
    EXPECT_EQ(c.Find(u"ZM2")->extras[1], u"箱2");
    EXPECT_TRUE(SetOwnedEdit(c, u"ZM2", 0).Empty());
    EXPECT_TRUE(SetOwnedEdit(c, u"ZM9", 0).Empty());
}

TEST(CollectionEdit, ADeckBoughtAddsItsCopiesUpTo999) {
    Collection c = Owning({{u"ZM1", 1}, {u"MI1", 998}});
    const CollectionEdit edit = AddCopiesEdit(c, {{u"ZM1", 3}, {u"MI1", 2}, {u"CH1", 1}});
    EXPECT_EQ(edit.capped, 1);
    ApplyAndCheckUndo(c, edit);
    EXPECT_EQ(c.Owned(u"ZM1"), 4);
    EXPECT_EQ(c.Owned(u"MI1"), 999);
    EXPECT_EQ(c.Owned(u"CH1"), 1);
}

TEST(CollectionEdit, AnImportAddsCountsOrReplacesEverything) {
    Collection c = Owning({{u"ZM1", 2}, {u"ZM2", 1}});
    c.SetRest({{u"メモ"}, {KeptRow{u"ZM8", u"", u"x", {}}}});
    Collection imported;
    imported.Put(u"ZM1", OwnedCard{3, u"ガルド", {u"新"}});
    imported.Put(u"ZM3", OwnedCard{1, u"新顔", {u"箱"}});
    imported.SetRest({{}, {KeptRow{u"", u"", u"9", {}}}});

    Collection added = c;
    ApplyAndCheckUndo(added, ImportEdit(added, imported, ImportMode::Add));
    EXPECT_EQ(added.Owned(u"ZM1"), 5);
    EXPECT_EQ(added.Find(u"ZM1")->name, u"");  // the row owned keeps its own fields
    EXPECT_EQ(added.Owned(u"ZM2"), 1);
    EXPECT_EQ(*added.Find(u"ZM3"), *imported.Find(u"ZM3"));
    EXPECT_EQ(added.Rest(), c.Rest());

    Collection replaced = c;
    ApplyAndCheckUndo(replaced, ImportEdit(replaced, imported, ImportMode::Replace));
    EXPECT_EQ(replaced, imported);
}

TEST(DeckShortfall, EachCardOfTheDeckOnceAndTheCopiesTheCollectionLacks) {
    CardDatabase db;
    AddCard(db.units, "ZM0001", {{unit_field::UnitName, "ガルド"}});
    AddCard(db.units, "ZM0002", {{unit_field::UnitName, "ベルク"}});
    AddCard(db.missions, "MI0001",
            {{mission_field::MissionName, "補給"}, {mission_field::PointsGained, "3"}});
    Deck deck;
    for (int i = 0; i < 3; ++i) deck.Add(DeckEntry::OfRecord(db, CardKind::Unit, 0));
    deck.Add(DeckEntry::OfRecord(db, CardKind::Unit, 1));
    for (int i = 0; i < 2; ++i) deck.Add(DeckEntry::OfRecord(db, CardKind::Mission, 0));

    const std::vector<DeckCard> cards = CardsOfDeck(deck);
    EXPECT_EQ(cards, (std::vector<DeckCard>{{CardKind::Unit, u"ZM0001", 3},
                                            {CardKind::Unit, u"ZM0002", 1},
                                            {CardKind::Mission, u"MI0001", 2}}));
    const Collection c = Owning({{u"ZM0001", 1}, {u"ZM0002", 5}});
    EXPECT_EQ(TotalMissing(c, cards), 4);
    const std::vector<DeckCard> missing = MissingCards(c, cards);
    EXPECT_EQ(ShoppingListText(db, missing),
              u"２\tガルド\tZM0001\r\n"
              u"２\t補給\tMI0001\r\n");
}

TEST(DeckCopiesTally, FollowsEveryEditRowByRowAsACountOverTheWholeDeckWould) {
    CardDatabase db;
    for (int i = 0; i < 6; ++i) AddCard(db.units, "ZM000" + std::to_string(i));
    for (int i = 0; i < 3; ++i) AddCard(db.missions, "MI000" + std::to_string(i));
    Collection owned = Owning({{u"ZM0001", 2}, {u"ZM0003", 1}, {u"MI0002", 4}});
    Deck deck;
    deck.Add(DeckEntry::OfRecord(db, CardKind::Unit, 1));
    DeckCopiesTally tally(deck, owned);
    int changes = 0;
    tally.onChanged = [&] { ++changes; };

    // Additions, removals, a cleared list and a whole deck put in place of the old.
    unsigned seed = 7;
    auto next = [&seed](unsigned below) {
        return (seed = seed * 1103515245 + 12345) / 65536 % below;
    };
    for (int step = 0; step < 300; ++step) {
        const auto kind = next(2) == 0 ? CardKind::Unit : CardKind::Mission;
        const int records = kind == CardKind::Unit ? 6 : 3;
        switch (next(8)) {
            case 0:
                deck.Clear(kind);
                break;
            case 1: {
                Deck other;
                for (int i = 0; i < 4; ++i) other.Add(DeckEntry::OfRecord(db, kind, next(records)));
                deck.ReplaceAll(std::move(other));
                break;
            }
            case 2:
            case 3:
                if (deck.Size(kind) > 0)
                    deck.RemoveAt(kind, next(static_cast<unsigned>(deck.Size(kind))));
                break;
            default:
                deck.Add(DeckEntry::OfRecord(db, kind, static_cast<int>(next(records))));
        }
        const std::vector<DeckCard> cards = CardsOfDeck(deck);
        ASSERT_EQ(tally.TotalMissing(), TotalMissing(owned, cards)) << "step " << step;
        for (const DeckCard& card : cards) ASSERT_EQ(tally.Copies(card.cardNo), card.copies);
    }
    EXPECT_GT(changes, 200);
    ApplyCollectionEdit(owned, SetOwnedEdit(owned, u"ZM0002", 9), true);
    tally.CollectionChanged();
    EXPECT_EQ(tally.TotalMissing(), TotalMissing(owned, CardsOfDeck(deck)));
}

}  // namespace
}  // namespace zemlo::test

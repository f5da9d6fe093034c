// The data of the deck's history: list changes kept as one replaced run, the edits of every
// player's action taken back and done again, and the change flag.
#include <gtest/gtest.h>

#include "deck/deck_edit.h"
#include "deck/deck_revisions.h"
#include "deck/entry_merge.h"
#include "deck/list_splice.h"

namespace zemlo {
namespace {

using List = std::vector<std::u16string>;

TEST(ListSplice, EveryKindOfChangeGoesBackAndForthExactly) {
    const List start = {u"A", u"B", u"B", u"C"};
    const List changes[] = {
        {u"A", u"B", u"B", u"B", u"C"},  // one more copy among equal ones
        {u"A", u"B", u"C"},              // one copy removed
        {},                              // cleared
        {u"X", u"Y"},                    // replaced by another deck
        {u"a", u"B", u"B", u"C"},        // differs only in case
    };
    for (const List& after : changes) {
        const ListSplice splice = MakeListSplice(start, after);
        List list = start;
        ASSERT_TRUE(ApplyListSplice(list, splice, true));
        EXPECT_EQ(list, after);
        ASSERT_TRUE(ApplyListSplice(list, splice, false));
        EXPECT_EQ(list, start);
    }
    // Only the changed run is kept, not the whole list.
    const ListSplice added = MakeListSplice(start, changes[0]);
    EXPECT_TRUE(added.removed.empty());
    EXPECT_EQ(added.inserted, List({u"B"}));
}

TEST(ListSplice, ListThatIsNotTheExpectedOneStaysUntouched) {
    const ListSplice splice = MakeListSplice({u"A", u"B"}, {u"A"});
    List other = {u"A", u"C"};
    EXPECT_FALSE(ApplyListSplice(other, splice, true));
    EXPECT_EQ(other, List({u"A", u"C"}));
    List shorter = {};
    EXPECT_FALSE(ApplyListSplice(shorter, splice, true));
}

Deck SmallDeck() {
    Deck deck;
    deck.Fill(CardKind::Unit, {u"ZM0001   A", u"ZM0002   B", u"ZM0002   B"});
    deck.Fill(CardKind::Mission, {u"MI0001   M" + std::u16string(50, u' ') + u"7"});
    return deck;
}

TEST(DeckEdit, EveryActionGoesBackAndForthExactly) {
    const Deck start = SmallDeck();
    Deck other;
    other.Fill(CardKind::Unit, {u"ZM0009   Z", u"ZM0001   A", u"ZM0002   B"});
    other.Fill(CardKind::Character, {u"CH0001   C"});
    const DeckEdit edits[] = {
        AddEntryEdit(start, CardKind::Unit, u"ZM0002   B"),
        AddEntryEdit(start, CardKind::Character, u"CH0001   C"),
        RemoveEntryEdit(start, CardKind::Unit, 1),
        ClearListEdit(start, CardKind::Mission),
        ClearDeckEdit(start),
        ReplaceDeckEdit(start, other),
    };
    for (const DeckEdit& edit : edits) {
        ASSERT_TRUE(edit.ChangesLists());
        Deck deck = start;
        ASSERT_TRUE(ApplyDeckEdit(deck, edit, true));
        EXPECT_NE(deck, start);
        ASSERT_TRUE(ApplyDeckEdit(deck, edit, false));
        EXPECT_EQ(deck, start);
    }
    Deck deck = start;
    ApplyDeckEdit(deck, edits[5], true);
    EXPECT_EQ(deck, other);
    // A replacement keeps only the run that differs.
    EXPECT_EQ(edits[5].lists[0].at, 2u);
    EXPECT_EQ(edits[5].lists[0].removed, List({u"ZM0002   B"}));
    EXPECT_EQ(edits[5].lists[0].inserted, List({u"ZM0009   Z"}));
    ApplyDeckEdit(deck, edits[0], true);  // made for another deck
    EXPECT_EQ(deck, other);
}

TEST(DeckEdit, ActionsThatWouldChangeNothingChangeNoList) {
    Deck full;
    full.Fill(CardKind::Mission, List(kMaxListEntries, u"MI0001   M"));
    const Deck start = SmallDeck();
    for (const DeckEdit& edit :
         {RemoveEntryEdit(start, CardKind::Unit, 3), RemoveEntryEdit(start, CardKind::Character, 0),
          ClearListEdit(start, CardKind::Character), ClearDeckEdit(Deck()),
          ReplaceDeckEdit(start, SmallDeck()),
          AddEntryEdit(full, CardKind::Mission, u"MI0001   M")}) {
        EXPECT_FALSE(edit.ChangesLists());
    }
}

TEST(DeckRevisions, ChangedUntilTheSavedStateComesBack) {
    DeckRevisions revisions;
    EXPECT_FALSE(revisions.IsChanged());
    const int first = revisions.Advance();
    EXPECT_TRUE(revisions.IsChanged());
    revisions.Restore(0);  // the only step taken back
    EXPECT_FALSE(revisions.IsChanged());
    revisions.Restore(first);
    revisions.MarkSaved();
    EXPECT_FALSE(revisions.IsChanged());
    revisions.Restore(0);
    EXPECT_TRUE(revisions.IsChanged());
    // A new step after going back never reuses the mark of the dropped one.
    EXPECT_NE(revisions.Advance(), first);
    EXPECT_TRUE(revisions.IsChanged());
}

}  // namespace
}  // namespace zemlo

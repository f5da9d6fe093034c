// The data of the deck's history: list changes kept as one replaced run, the edits of every
// player's action taken back and done again, and the change flag.
#include <gtest/gtest.h>

#include "deck/deck_edit.h"
#include "deck/deck_revisions.h"
#include "deck/entry_merge.h"
#include "deck/list_splice.h"
#include "support/card_builder.h"

namespace zemlo {
namespace {

using Entries = std::vector<DeckEntry>;

// A unit entry named by one letter, enough for lists whose order is not looked at.
DeckEntry U(std::u16string_view name) {
    return DeckEntry(CardKind::Unit, u"ZM0001", name);
}
DeckEntry Card(std::u16string_view no, std::u16string_view name) {
    return DeckEntry(CardKind::Unit, no, name);
}

TEST(ListSplice, EveryKindOfChangeGoesBackAndForthExactly) {
    const Entries start = {U(u"A"), U(u"B"), U(u"B"), U(u"C")};
    const Entries changes[] = {
        {U(u"A"), U(u"B"), U(u"B"), U(u"B"), U(u"C")},  // one more copy among equal ones
        {U(u"A"), U(u"B"), U(u"C")},                    // one copy removed
        {},                                             // cleared
        {U(u"X"), U(u"Y")},                             // replaced by another deck
        {U(u"a"), U(u"B"), U(u"B"), U(u"C")},           // differs only in case
    };
    for (const Entries& after : changes) {
        const ListSplice splice = MakeListSplice(start, after);
        Entries list = start;
        ASSERT_TRUE(ApplyListSplice(list, splice, true));
        EXPECT_EQ(list, after);
        ASSERT_TRUE(ApplyListSplice(list, splice, false));
        EXPECT_EQ(list, start);
    }
    // Only the changed run is kept, not the whole list.
    const ListSplice added = MakeListSplice(start, changes[0]);
    EXPECT_TRUE(added.removed.empty());
    EXPECT_EQ(added.inserted, Entries({U(u"B")}));
}

TEST(ListSplice, ListThatIsNotTheExpectedOneStaysUntouched) {
    const ListSplice splice = MakeListSplice({U(u"A"), U(u"B")}, {U(u"A")});
    Entries other = {U(u"A"), U(u"C")};
    EXPECT_FALSE(ApplyListSplice(other, splice, true));
    EXPECT_EQ(other, Entries({U(u"A"), U(u"C")}));
    Entries shorter = {};
    EXPECT_FALSE(ApplyListSplice(shorter, splice, true));
}

Deck SmallDeck() {
    Deck deck;
    deck.Fill({Card(u"ZM0001", u"A"), Card(u"ZM0002", u"B"), Card(u"ZM0002", u"B"),
               DeckEntry(CardKind::Mission, u"MI0001", u"M", u"7")});
    return deck;
}

TEST(DeckEdit, EveryActionGoesBackAndForthExactly) {
    const Deck start = SmallDeck();
    Deck other;
    other.Fill({Card(u"ZM0009", u"Z"), Card(u"ZM0001", u"A"), Card(u"ZM0002", u"B"),
                DeckEntry(CardKind::Character, u"CH0001", u"C")});
    const DeckEdit edits[] = {
        AddEntryEdit(start, Card(u"ZM0002", u"B")),
        AddEntryEdit(start, DeckEntry(CardKind::Character, u"CH0001", u"C")),
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
    EXPECT_EQ(edits[5].lists[0].removed, Entries({Card(u"ZM0002", u"B")}));
    EXPECT_EQ(edits[5].lists[0].inserted, Entries({Card(u"ZM0009", u"Z")}));
    ApplyDeckEdit(deck, edits[0], true);  // made for another deck
    EXPECT_EQ(deck, other);
}

TEST(DeckEdit, ActionsThatWouldChangeNothingChangeNoList) {
    Deck full;
    const DeckEntry mission(CardKind::Mission, u"MI0001", u"M");
    full.Fill(Entries(kMaxListEntries, mission));
    const Deck start = SmallDeck();
    for (const DeckEdit& edit :
         {RemoveEntryEdit(start, CardKind::Unit, 3), RemoveEntryEdit(start, CardKind::Character, 0),
          ClearListEdit(start, CardKind::Character), ClearDeckEdit(Deck()),
          ReplaceDeckEdit(start, SmallDeck()), AddEntryEdit(full, mission)}) {
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

// The data of the deck's history: list changes kept as one replaced run, whole steps taken
// back and done again, and the change flag.
#include <gtest/gtest.h>

#include "deck/deck_edit.h"
#include "deck/deck_revisions.h"
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

TEST(DeckEdit, StepRestoresListsAndCardInformationOfEitherSide) {
    DeckSnapshot before;
    before.lists[0] = {u"ZM0001   A"};
    before.info.front = CardKind::Mission;
    before.info.shown[1] = u"MI0001";
    DeckSnapshot after = before;
    after.lists[1] = {u"MI0001   M"};
    after.info.front = CardKind::Unit;
    after.info.shown[0] = u"ZM0001";
    const DeckEdit edit = MakeDeckEdit(before, after);
    EXPECT_TRUE(edit.ChangesLists());
    EXPECT_TRUE(edit.lists[0].Empty());

    DeckSnapshot deck = after;
    ASSERT_TRUE(ApplyDeckEdit(deck, edit, false));
    EXPECT_EQ(deck.lists, before.lists);
    EXPECT_EQ(deck.info, before.info);
    ASSERT_TRUE(ApplyDeckEdit(deck, edit, true));
    EXPECT_EQ(deck.lists, after.lists);
    EXPECT_EQ(deck.info, after.info);

    EXPECT_FALSE(MakeDeckEdit(before, before).ChangesLists());
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

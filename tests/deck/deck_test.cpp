// The deck on its own: its lists stay in order and within the limit whatever changes them,
// its points follow the missions, and every change tells exactly which rows went and came.
#include "deck/deck.h"

#include <gtest/gtest.h>

#include "deck/entry_merge.h"
#include "support/card_builder.h"

namespace zemlo {
namespace {

using List = std::vector<std::u16string>;
using test::TextsOf;

DeckEntry Unit(std::u16string_view no, std::u16string_view name) {
    return DeckEntry(CardKind::Unit, no, name);
}

DeckEntry Mission(int n, int points) {
    const std::u16string number = u"MI000" + std::u16string(1, char16_t(u'0' + n));
    const std::string digits = std::to_string(points);
    return DeckEntry(CardKind::Mission, number, u"M", std::u16string(digits.begin(), digits.end()));
}

// Writes down every notice as text: "?" before and "!" after a run of rows, "+" inserted or
// "-" removed, the list (U, M, C) and the rows; "changed" for the end of a change.
class Recorder : public DeckObserver {
public:
    Recorder(const Deck& deck, std::string name = "") : deck_(deck), name_(std::move(name)) {
        deck_.AddObserver(this);
    }
    ~Recorder() { deck_.RemoveObserver(this); }

    void DeckRowsAboutToChange(const DeckRows& rows) override { Note("?", rows); }
    void DeckRowsChanged(const DeckRows& rows) override { Note("!", rows); }
    void DeckChanged() override { log->push_back(name_ + "changed"); }

    std::vector<std::string> own;
    std::vector<std::string>* log = &own;

private:
    void Note(const char* when, const DeckRows& rows) {
        log->push_back(name_ + when + (rows.inserted ? "+" : "-") + "UMC"[int(rows.kind)] +
                       std::to_string(rows.first) + ":" + std::to_string(rows.count));
    }
    const Deck& deck_;
    std::string name_;
};

TEST(Deck, AddKeepsTheOrderOfTheListsAndTellsTheOneRow) {
    Deck deck;
    Recorder seen(deck);
    EXPECT_EQ(deck.Add(Unit(u"ZM0003", u"b")), 0u);
    EXPECT_EQ(deck.Add(Unit(u"ZM0001", u"a")), 0u);
    EXPECT_EQ(deck.Add(Unit(u"zm0003", u"B")), 2u);  // after the one equal but for case
    EXPECT_EQ(deck.Add(DeckEntry(CardKind::Character, u"CH0001", u"c")), 0u);
    EXPECT_EQ(TextsOf(deck.Entries(CardKind::Unit)),
              List({u"ZM0001   a", u"ZM0003   b", u"zm0003   B"}));
    EXPECT_EQ(seen.own[6], "?+U2:1");
    EXPECT_EQ(seen.own[7], "!+U2:1");
    EXPECT_EQ(seen.own[8], "changed");
    EXPECT_EQ(seen.own.size(), 12u);
    EXPECT_EQ(deck.Revision(), 4u);

    EXPECT_TRUE(deck.RemoveAt(CardKind::Unit, 1));
    EXPECT_FALSE(deck.RemoveAt(CardKind::Unit, 2));
    EXPECT_FALSE(deck.RemoveAt(CardKind::Mission, 0));
    EXPECT_EQ(TextsOf(deck.Entries(CardKind::Unit)), List({u"ZM0001   a", u"zm0003   B"}));
    EXPECT_EQ(seen.own.back(), "changed");
    EXPECT_EQ(seen.own[seen.own.size() - 2], "!-U1:1");
    // Only a change that changed something moves the revision on and is told.
    EXPECT_EQ(deck.Revision(), 5u);
    const size_t told = seen.own.size();
    deck.Clear(CardKind::Mission);
    deck.Fill({});
    EXPECT_EQ(seen.own.size(), told);
    EXPECT_EQ(deck.Revision(), 5u);
}

TEST(Deck, PointsFollowTheMissionsHoweverTheyChange) {
    Deck deck;
    deck.Add(Mission(1, 4));
    deck.Add(Mission(2, 12));
    deck.Add(DeckEntry(CardKind::Character, u"CH0001", u"99"));  // characters bring no points
    EXPECT_EQ(deck.TotalPoints(), 16);
    deck.Fill({Mission(3, 5), Mission(1, 4), Mission(4, 99)});
    EXPECT_EQ(deck.TotalPoints(), 16 + 5 + 4 + 99);
    deck.RemoveAt(CardKind::Mission, 0);  // MI0001, 4 points
    EXPECT_EQ(deck.TotalPoints(), 16 + 5 + 99);
    Deck other;
    other.Add(Mission(2, 7));
    deck = other;
    EXPECT_EQ(deck.TotalPoints(), 7);
    deck.ClearAll();
    EXPECT_EQ(deck.TotalPoints(), 0);
    EXPECT_TRUE(deck.Empty());
}

TEST(Deck, NoListGoesBeyondItsLimit) {
    Deck deck;
    EXPECT_EQ(deck.Fill(std::vector<DeckEntry>(kMaxListEntries + 3, Unit(u"ZM0002", u"b")))[0], 3u);
    EXPECT_TRUE(deck.Full(CardKind::Unit));
    EXPECT_FALSE(deck.Add(Unit(u"ZM0001", u"a")).has_value());
    EXPECT_EQ(deck.Fill({Unit(u"ZM0001", u"a")})[0], 1u);
    EXPECT_EQ(deck.Size(CardKind::Unit), kMaxListEntries);
    EXPECT_FALSE(deck.Full(CardKind::Mission));
}

TEST(Deck, FillAndReplaceTellOnlyTheRunThatDiffers) {
    Deck deck;
    deck.Fill({Unit(u"ZM0009", u"z"), Unit(u"ZM0001", u"a"), Unit(u"ZM0005", u"e")});
    Recorder seen(deck);
    // Between the first and last old entry: rows 1..1 go, rows 1..3 come.
    deck.Fill({Unit(u"ZM0006", u"f"), Unit(u"ZM0002", u"b")});
    EXPECT_EQ(TextsOf(deck.Entries(CardKind::Unit)),
              List({u"ZM0001   a", u"ZM0002   b", u"ZM0005   e", u"ZM0006   f", u"ZM0009   z"}));
    EXPECT_EQ(seen.own,
              std::vector<std::string>({"?-U1:1", "!-U1:1", "?+U1:3", "!+U1:3", "changed"}));

    seen.own.clear();
    Deck other = deck;
    other.RemoveAt(CardKind::Unit, 4);
    other.Add(DeckEntry(CardKind::Character, u"CH0001", u"c"));
    deck.ReplaceAll(other);
    EXPECT_EQ(deck, other);
    EXPECT_EQ(seen.own,
              std::vector<std::string>({"?-U4:1", "!-U4:1", "?+C0:1", "!+C0:1", "changed"}));
}

TEST(Deck, ObserversHearOfAChangeFirstToLastAndOfItsEndLastToFirst) {
    Deck deck;
    std::vector<std::string> log;
    Recorder outer(deck, "a");
    Recorder inner(deck, "b");
    outer.log = inner.log = &log;
    deck.Add(Mission(1, 1));
    EXPECT_EQ(log, std::vector<std::string>(
                       {"a?+M0:1", "b?+M0:1", "b!+M0:1", "a!+M0:1", "bchanged", "achanged"}));
    // A copy is watched by no one; assigning to a watched deck is told.
    log.clear();
    Deck copy = deck;
    copy.Clear(CardKind::Mission);
    EXPECT_TRUE(log.empty());
    deck = copy;
    EXPECT_EQ(log.size(), 6u);
    EXPECT_TRUE(deck.Empty());
}

TEST(Deck, ApplyRefusesRunsThatDoNotFitAndLeavesTheDeckAsItWas) {
    Deck deck;
    deck.Fill({Unit(u"ZM0001", u"a"), Unit(u"ZM0003", u"c"), Unit(u"ZM0005", u"e")});
    const Deck before = deck;
    auto splices = [](CardKind kind, ListSplice splice) {
        std::array<ListSplice, 3> all;
        all[static_cast<size_t>(kind)] = std::move(splice);
        return all;
    };
    Recorder seen(deck);
    const ListSplice refused[] = {
        {1, {Unit(u"ZM0005", u"e")}, {}},                         // not the entry at that row
        {3, {Unit(u"ZM0005", u"e")}, {}},                         // beyond the end
        {1, {}, {Unit(u"ZM0004", u"d")}},                         // after its neighbour
        {1, {}, {Unit(u"ZM0002", u"b"), Unit(u"ZM0001", u"a")}},  // a run out of order
    };
    for (const ListSplice& splice : refused) {
        EXPECT_FALSE(deck.Apply(splices(CardKind::Unit, splice), true));
    }
    // One list that does not fit stops the others too.
    std::array<ListSplice, 3> both = splices(CardKind::Unit, refused[0]);
    both[1] = {0, {}, {Mission(1, 3)}};
    EXPECT_FALSE(deck.Apply(both, true));
    EXPECT_FALSE(
        deck.Apply(splices(CardKind::Mission,
                           {0, {}, std::vector<DeckEntry>(kMaxListEntries + 1, Mission(1, 1))}),
                   true));
    EXPECT_EQ(deck, before);
    EXPECT_TRUE(seen.own.empty());

    const ListSplice fits = {1,
                             {Unit(u"ZM0003", u"c")},
                             {Unit(u"ZM0002", u"b"), Unit(u"ZM0003", u"c"), Unit(u"zm0003", u"C")}};
    ASSERT_TRUE(deck.Apply(splices(CardKind::Unit, fits), true));
    EXPECT_EQ(deck.Size(CardKind::Unit), 5u);
    ASSERT_TRUE(deck.Apply(splices(CardKind::Unit, fits), false));
    EXPECT_EQ(deck, before);
}

}  // namespace
}  // namespace zemlo

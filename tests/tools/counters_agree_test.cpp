// The counters and the deck rules' judgement as every window that shows them shows them: the
// deck panel under the deck lists, the deck sheet, the deck library's table and the
// comparison, for decks on each side of each rule.
#include <gtest/gtest.h>

#include <QLabel>

#include "deck/deck_document.h"
#include "deck/deck_panel.h"
#include "deckfile/deck_sheet.h"
#include "library_decks.h"
#include "support/temp_dir.h"
#include "tools/deck_comparison_window.h"
#include "tools/deck_library.h"

namespace zemlo::test {
namespace {

// One counter as a window shows it: its value and whether it breaks its rule.
struct Shown {
    long long value;
    bool broken;

    friend bool operator==(const Shown&, const Shown&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Shown& shown) {
        return out << shown.value << (shown.broken ? " broken" : " kept");
    }
};

// Units, missions plus characters and points, in the deck panel's order.
using Counters = std::array<Shown, 3>;

Counters FromPanel(const DeckPanel& panel) {
    Counters shown;
    for (int i = 0; i < 3; ++i) {
        const QLabel* label = panel.counts[i];
        shown[i] = {label->text().toLongLong(),
                    label->palette().color(QPalette::WindowText) == QColor(255, 0, 0)};
    }
    return shown;
}

Counters FromSheet(const DeckSheet& sheet) {
    const SheetTally* tallies[3] = {&sheet.sections[0].tallies[0], &sheet.sections[2].tallies[1],
                                    &sheet.sections[1].tallies[1]};
    Counters shown;
    for (int i = 0; i < 3; ++i) shown[i] = {tallies[i]->value, tallies[i]->outsideRule};
    return shown;
}

Counters FromLibrary(const LibraryDeck& deck) {
    const long long values[3] = {deck.counters.units, deck.counters.MissionsAndCharacters(),
                                 deck.counters.points};
    const DeckRule rules[3] = {DeckRule::Units, DeckRule::MissionsAndCharacters, DeckRule::Points};
    Counters shown;
    for (int i = 0; i < 3; ++i) {
        shown[i] = {values[i],
                    std::any_of(deck.broken.begin(), deck.broken.end(),
                                [&](const BrokenRule& b) { return b.rule == rules[i]; })};
    }
    return shown;
}

// The comparison's counter lines hold both decks' counters, a broken one in red markup.
QString ComparedText(const QString& caption, const Shown& shown) {
    const QString number = QString::number(shown.value);
    const QString coloured =
        shown.broken ? "<span style=\"color:#ff0000\">" + number + "</span>" : number;
    return caption + coloured + " → " + coloured;
}

TEST(CountersAgree, ThePanelTheSheetTheLibraryAndTheComparisonShowTheSameCounters) {
    const CardDatabase db = LibraryCards();
    // A mission of record r is worth (r + 1) % 3 + 1 points.
    const struct {
        const char* name;
        Deck deck;
        Counters expected;
    } kDecks[] = {
        {"empty", MakeDeck(db, {}, {}, {}), {{{0, true}, {0, true}, {0, true}}}},
        {"every rule kept", RuleKeepingDeck(db), {{{20, false}, {10, false}, {20, false}}}},
        {"one short of each",
         MakeDeck(db, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}, {2, 5, 8},
                  {0, 1, 2, 3, 4, 5}),
         {{{19, true}, {9, true}, {3, true}}}},
        {"one unit too many, fifteen others",
         MakeDeck(db, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 0},
                  {0, 1, 2, 3, 4, 5, 6}, {0, 1, 2, 3, 4, 5, 0, 1}),
         {{{21, true}, {15, false}, {14, false}}}},
        {"sixteen others",
         MakeDeck(db, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19},
                  {1, 1, 1, 4}, {0, 1, 2, 3, 4, 5, 0, 1, 2, 3, 4, 5}),
         {{{20, false}, {16, true}, {12, false}}}},
        {"nine points",
         MakeDeck(db, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19},
                  {0, 1, 2, 3, 5}, {0, 1, 2, 3, 4}),
         {{{20, false}, {10, false}, {9, true}}}},
        {"ten points",
         MakeDeck(db, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19},
                  {0, 1, 2, 3, 6}, {0, 1, 2, 3, 4}),
         {{{20, false}, {10, false}, {10, false}}}},
    };

    TempDir dir;
    for (const auto& d : kDecks) SaveLibraryDeck(dir / (std::string(d.name) + ".htm"), db, d.deck);
    const LibraryIndex index = IndexLibrary(dir.Path(), db);
    ASSERT_EQ(index.decks.size(), std::size(kDecks));

    DeckDocument document;
    DeckPanel panel(document.History());
    // As the main window's FormInit colours them.
    panel.CheckDeckCount();
    panel.ShowTotalPoint();
    DeckComparisonWindow comparison;
    for (const auto& d : kDecks) {
        SCOPED_TRACE(d.name);
        document.History().ApplyDeckEdit(ReplaceDeckEdit(document.CurrentDeck(), d.deck));
        EXPECT_EQ(FromPanel(panel), d.expected);

        const DeckSummary summary = SummarizeDeck(d.deck);
        EXPECT_EQ(FromSheet(BuildDeckSheet(summary, {})), d.expected);

        const auto found = std::find_if(index.decks.begin(), index.decks.end(), [&](auto& deck) {
            return deck.path.filename() == std::string(d.name) + ".htm";
        });
        ASSERT_NE(found, index.decks.end());
        EXPECT_EQ(FromLibrary(*found), d.expected);

        comparison.Compare({"a", {}, summary}, {"b", {}, summary});
        const QString units = ComparedText("ユニット数：", d.expected[0]);
        const QString others = ComparedText("ミッション＋キャラクター数：", d.expected[1]);
        const QString points = ComparedText("合計戦果：", d.expected[2]);
        EXPECT_EQ(comparison.counterLabels[0]->text(), units);
        EXPECT_EQ(comparison.counterLabels[1]->text(), others + "　　" + points);
        EXPECT_EQ(comparison.counterLabels[2]->text(), others);
    }
}

}  // namespace
}  // namespace zemlo::test

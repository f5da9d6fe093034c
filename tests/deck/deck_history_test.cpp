// The history's signals, which is all that others (the card information) learn of its steps:
// which step an edit made, which step went back or forward, and which steps are gone.
#include "deck/deck_history.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QUndoStack>
#include <vector>

#include "support/card_builder.h"

namespace zemlo {
namespace {

using test::Entry;

class DeckHistoryTest : public ::testing::Test {
protected:
    // Adds one unit card; returns the step it made, 0 when it made none.
    int AddUnit(std::string_view cardNo) {
        const qsizetype before = recorded.count();
        history.ApplyDeckEdit(AddEntryEdit(deck, Entry(CardKind::Unit, cardNo, "機体")));
        return recorded.count() > before ? recorded.last().at(0).toInt() : 0;
    }
    std::vector<int> Forgotten() const {
        std::vector<int> steps;
        for (const QList<QVariant>& arguments : forgotten) steps.push_back(arguments.at(0).toInt());
        return steps;
    }

    Deck deck;
    DeckHistory history{deck};
    QSignalSpy starting{&history, &DeckHistory::stepStarting};
    QSignalSpy recorded{&history, &DeckHistory::stepRecorded};
    QSignalSpy replayed{&history, &DeckHistory::stepReplayed};
    QSignalSpy forgotten{&history, &DeckHistory::stepForgotten};
};

TEST_F(DeckHistoryTest, AStepIsAnnouncedBeforeItsEditAndNamedAfterItsCompanion) {
    std::vector<int> order;
    QObject::connect(&history, &DeckHistory::stepStarting, [&] { order.push_back(1); });
    QObject::connect(&history, &DeckHistory::stepRecorded, [&] { order.push_back(3); });
    history.ApplyDeckEdit(AddEntryEdit(deck, Entry(CardKind::Unit, "ZM0001", "機体")),
                          [&] { order.push_back(deck.Size(CardKind::Unit) == 1 ? 2 : -2); });
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
    const int step = recorded.last().at(0).toInt();

    // An edit that changes nothing is announced, but makes no step.
    history.ApplyDeckEdit(RemoveEntryEdit(deck, CardKind::Unit, 5));
    EXPECT_EQ(starting.count(), 2);
    EXPECT_EQ(recorded.count(), 1);

    history.Stack()->undo();
    history.Stack()->redo();
    ASSERT_EQ(replayed.count(), 2);
    EXPECT_EQ(replayed.at(0), (QList<QVariant>{step, false}));
    EXPECT_EQ(replayed.at(1), (QList<QVariant>{step, true}));
    EXPECT_EQ(deck.Size(CardKind::Unit), 1u);
}

TEST_F(DeckHistoryTest, StepsThatLeaveTheStackAreForgottenByName) {
    const int first = AddUnit("ZM0001");
    const int second = AddUnit("ZM0002");
    history.Stack()->undo();
    const int third = AddUnit("ZM0003");  // drops the step taken back
    EXPECT_EQ(Forgotten(), (std::vector<int>{second}));
    EXPECT_NE(third, second);

    // Beyond the limit the oldest go, one per new step.
    for (int i = 0; i < DeckHistory::kStepLimit - 1; ++i) AddUnit("ZM0004");
    EXPECT_EQ(Forgotten(), (std::vector<int>{second, first}));
    AddUnit("ZM0005");
    EXPECT_EQ(Forgotten(), (std::vector<int>{second, first, third}));
}

TEST(DeckHistoryClosing, AHistoryThatGoesForgetsItsStepsSilently) {
    Deck deck;
    auto history = std::make_unique<DeckHistory>(deck);
    history->ApplyDeckEdit(AddEntryEdit(deck, Entry(CardKind::Unit, "ZM0001", "機体")));
    QSignalSpy forgotten(history.get(), &DeckHistory::stepForgotten);
    history.reset();
    EXPECT_EQ(forgotten.count(), 0);
}

}  // namespace
}  // namespace zemlo

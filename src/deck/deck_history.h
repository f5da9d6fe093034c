// The one road by which the deck changes, and its history. Every player action hands its
// edit to ApplyDeckEdit, which applies it to the Deck and records it as one step of a
// QUndoStack; taking a step back or doing it again applies the same edit backward or forward.
// Lists, counters and anything else that shows the deck follow the Deck's own notices; what
// else a step should bring back (the card information shown) listens to the history's
// signals and keeps it itself. It also knows whether the deck differs from the one last
// saved or opened.
#pragma once

#include <QObject>
#include <functional>

#include "deck/deck.h"
#include "deck/deck_edit.h"
#include "deck/deck_revisions.h"

class QUndoStack;

namespace zemlo {

class DeckHistory : public QObject {
    Q_OBJECT
public:
    // Steps kept; the oldest goes when a new one would exceed it.
    static constexpr int kStepLimit = 200;

    explicit DeckHistory(Deck& deck, QObject* parent = nullptr);
    ~DeckHistory() override;

    const Deck& CurrentDeck() const { return deck_; }

    // Applies edit as one step. alongside, when given, runs once the deck has changed, as
    // part of the step: what it shows is what the step shows when done again. An edit that
    // changes no list makes no step; alongside still runs. False when the deck is not the
    // one the edit was made for (it is left as it was).
    bool ApplyDeckEdit(DeckEdit edit, const std::function<void()>& alongside = {});

    QUndoStack* Stack() const { return stack_; }

    bool IsChanged() const { return revisions_.IsChanged(); }
    // The deck shown now is the one in a file (just saved or opened).
    void MarkSaved() { revisions_.MarkSaved(); }

    // Applies a recorded step backward or forward (the step's own undo and redo).
    void Replay(const DeckEdit& edit, bool forward);
    // A recorded step left the stack (beyond the limit, or dropped by a new step after
    // steps were taken back).
    void Forget(const DeckEdit& edit);

signals:
    // An edit is about to be applied; stepRecorded follows when it made a step.
    void stepStarting();
    // The edit started last made the step named step, alongside included.
    void stepRecorded(int step);
    // The step was taken back (forward false) or done again.
    void stepReplayed(int step, bool forward);
    void stepForgotten(int step);

private:
    Deck& deck_;
    QUndoStack* stack_;
    DeckRevisions revisions_;
    // While the history goes, its steps leave without being told.
    bool closing_ = false;
};

}  // namespace zemlo

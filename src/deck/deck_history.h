// The one road by which the deck changes, and its history. Every player action hands its
// edit to ApplyDeckEdit, which applies it to the Deck and records it as one step of a
// QUndoStack; taking a step back or doing it again applies the same edit backward or forward
// and brings back what the card information panel showed. Lists, counters and anything else
// that shows the deck follow the Deck's own notices. It also knows whether the deck differs
// from the one last saved or opened.
#pragma once

#include <QObject>
#include <functional>

#include "deck/deck.h"
#include "deck/deck_edit.h"
#include "deck/deck_revisions.h"

class QUndoStack;

namespace zemlo {

class CardInfoPanel;

class DeckHistory : public QObject {
    Q_OBJECT
public:
    // Steps kept; the oldest goes when a new one would exceed it.
    static constexpr int kStepLimit = 200;

    // info, when given, is the panel whose view each step restores.
    DeckHistory(Deck& deck, CardInfoPanel* info, QObject* parent = nullptr);

    const Deck& CurrentDeck() const { return deck_; }

    // Applies edit as one step. alongside, when given, runs once the deck has changed, as
    // part of the step: the card it shows is what the step shows when done again. An edit
    // that changes no list makes no step; alongside still runs. False when the deck is not
    // the one the edit was made for (it is left as it was).
    bool ApplyDeckEdit(DeckEdit edit, const std::function<void()>& alongside = {});

    QUndoStack* Stack() const { return stack_; }

    bool IsChanged() const { return revisions_.IsChanged(); }
    // The deck shown now is the one in a file (just saved or opened).
    void MarkSaved() { revisions_.MarkSaved(); }

    // Applies a recorded step backward or forward (the step's own undo and redo).
    void Replay(const DeckEdit& edit, bool forward);

private:
    Deck& deck_;
    CardInfoPanel* info_;
    QUndoStack* stack_;
    DeckRevisions revisions_;
};

}  // namespace zemlo

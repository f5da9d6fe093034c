// The deck's history: every change of the deck lists made by a player's action becomes one
// step of a QUndoStack, and taking a step back or doing it again brings back the deck lists,
// their counters and the card information exactly as they were. It also knows whether the
// deck differs from the one last saved or opened.
#pragma once

#include <QObject>
#include <functional>

#include "deck/deck_edit.h"
#include "deck/deck_revisions.h"

class QUndoStack;

namespace zemlo {

class CardInfoPanel;
class DeckPanel;

class DeckHistory : public QObject {
    Q_OBJECT
public:
    // Steps kept; the oldest goes when a new one would exceed it.
    static constexpr int kStepLimit = 200;

    // Attaches itself to the panel: from now on every change of the deck is recorded.
    DeckHistory(DeckPanel& deck, CardInfoPanel& info, QObject* parent = nullptr);

    // Performs change as one step. Changes made while another is being recorded belong to
    // that one; a change that leaves the lists as they were makes no step.
    void Record(const std::function<void()>& change);

    QUndoStack* Stack() const { return stack_; }

    bool IsChanged() const { return revisions_.IsChanged(); }
    // The deck shown now is the one in a file (just saved or opened).
    void MarkSaved() { revisions_.MarkSaved(); }

    // Puts the deck of one side of a step on the panels (the step's own undo and redo).
    void Apply(const DeckEdit& edit, bool forward);

private:
    DeckSnapshot Snapshot() const;

    DeckPanel& deck_;
    CardInfoPanel& info_;
    QUndoStack* stack_;
    DeckRevisions revisions_;
    int recording_ = 0;
};

}  // namespace zemlo

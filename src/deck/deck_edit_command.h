// One step of the deck's history on the undo stack.
#pragma once

#include <QUndoCommand>

#include "deck/deck_edit.h"

namespace zemlo {

class DeckHistory;

class DeckEditCommand : public QUndoCommand {
public:
    // The change has already been made when the step is pushed.
    DeckEditCommand(DeckHistory& history, DeckEdit edit);
    ~DeckEditCommand() override;

    void undo() override;
    void redo() override;

private:
    DeckHistory& history_;
    DeckEdit edit_;
    bool done_ = true;
};

}  // namespace zemlo

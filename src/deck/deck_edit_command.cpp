#include "deck/deck_edit_command.h"

#include "deck/deck_history.h"

namespace zemlo {

DeckEditCommand::DeckEditCommand(DeckHistory& history, DeckEdit edit)
    : history_(history), edit_(std::move(edit)) {}

DeckEditCommand::~DeckEditCommand() {
    history_.Forget(edit_);
}

void DeckEditCommand::undo() {
    history_.Replay(edit_, false);
    done_ = false;
}

void DeckEditCommand::redo() {
    // The stack redoes a step as it is pushed; the player's action has already done it.
    if (!done_) history_.Replay(edit_, true);
    done_ = false;
}

}  // namespace zemlo

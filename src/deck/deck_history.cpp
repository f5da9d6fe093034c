#include "deck/deck_history.h"

#include <QUndoStack>

#include "deck/deck_edit_command.h"

namespace zemlo {

DeckHistory::DeckHistory(Deck& deck, QObject* parent)
    : QObject(parent), deck_(deck), stack_(new QUndoStack(this)) {
    stack_->setUndoLimit(kStepLimit);
}

DeckHistory::~DeckHistory() {
    closing_ = true;
    delete stack_;
}

bool DeckHistory::ApplyDeckEdit(DeckEdit edit, const std::function<void()>& alongside) {
    emit stepStarting();
    if (!zemlo::ApplyDeckEdit(deck_, edit, true)) return false;
    if (alongside) alongside();
    if (!edit.ChangesLists()) return true;
    edit.revisionBefore = revisions_.Current();
    edit.revisionAfter = revisions_.Advance();
    const int step = edit.revisionAfter;
    // The stack drops the steps after the current one, and the oldest beyond the limit, as
    // the new step comes.
    stack_->push(new DeckEditCommand(*this, std::move(edit)));
    emit stepRecorded(step);
    return true;
}

void DeckHistory::Replay(const DeckEdit& edit, bool forward) {
    // A deck changed behind the history's back is left alone rather than damaged.
    if (!zemlo::ApplyDeckEdit(deck_, edit, forward)) return;
    revisions_.Restore(forward ? edit.revisionAfter : edit.revisionBefore);
    emit stepReplayed(edit.revisionAfter, forward);
}

void DeckHistory::Forget(const DeckEdit& edit) {
    if (!closing_) emit stepForgotten(edit.revisionAfter);
}

}  // namespace zemlo

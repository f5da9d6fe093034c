#include "deck/deck_history.h"

#include <QUndoStack>

#include "deck/card_info_panel.h"
#include "deck/deck_edit_command.h"

namespace zemlo {

DeckHistory::DeckHistory(Deck& deck, CardInfoPanel* info, QObject* parent)
    : QObject(parent), deck_(deck), info_(info), stack_(new QUndoStack(this)) {
    stack_->setUndoLimit(kStepLimit);
}

bool DeckHistory::ApplyDeckEdit(DeckEdit edit, const std::function<void()>& alongside) {
    if (info_ != nullptr) edit.infoBefore = info_->View();
    if (!zemlo::ApplyDeckEdit(deck_, edit, true)) return false;
    if (alongside) alongside();
    if (!edit.ChangesLists()) return true;
    if (info_ != nullptr) edit.infoAfter = info_->View();
    edit.revisionBefore = revisions_.Current();
    edit.revisionAfter = revisions_.Advance();
    stack_->push(new DeckEditCommand(*this, std::move(edit)));
    return true;
}

void DeckHistory::Replay(const DeckEdit& edit, bool forward) {
    // A deck changed behind the history's back is left alone rather than damaged.
    if (!zemlo::ApplyDeckEdit(deck_, edit, forward)) return;
    if (info_ != nullptr) info_->RestoreView(forward ? edit.infoAfter : edit.infoBefore);
    revisions_.Restore(forward ? edit.revisionAfter : edit.revisionBefore);
}

}  // namespace zemlo

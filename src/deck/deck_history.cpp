#include "deck/deck_history.h"

#include <QUndoStack>

#include "deck/card_info_panel.h"
#include "deck/deck_edit_command.h"
#include "deck/deck_list_model.h"
#include "deck/deck_panel.h"

namespace zemlo {

DeckHistory::DeckHistory(DeckPanel& deck, CardInfoPanel& info, QObject* parent)
    : QObject(parent), deck_(deck), info_(info), stack_(new QUndoStack(this)) {
    stack_->setUndoLimit(kStepLimit);
    deck_.SetChangeRecorder([this](const std::function<void()>& change) { Record(change); });
}

DeckSnapshot DeckHistory::Snapshot() const {
    DeckSnapshot snapshot;
    for (int k = 0; k < 3; ++k) {
        snapshot.lists[static_cast<size_t>(k)] = deck_.Model(static_cast<CardKind>(k))->Entries();
    }
    snapshot.info = info_.View();
    return snapshot;
}

void DeckHistory::Record(const std::function<void()>& change) {
    if (recording_ > 0) {
        change();
        return;
    }
    const DeckSnapshot before = Snapshot();
    ++recording_;
    try {
        change();
    } catch (...) {
        --recording_;
        throw;
    }
    --recording_;
    DeckEdit edit = MakeDeckEdit(before, Snapshot());
    if (!edit.ChangesLists()) return;
    edit.revisionBefore = revisions_.Current();
    edit.revisionAfter = revisions_.Advance();
    stack_->push(new DeckEditCommand(*this, std::move(edit)));
}

void DeckHistory::Apply(const DeckEdit& edit, bool forward) {
    for (int k = 0; k < 3; ++k) {
        const ListSplice& splice = edit.lists[static_cast<size_t>(k)];
        if (splice.Empty()) continue;
        DeckListModel* model = deck_.Model(static_cast<CardKind>(k));
        std::vector<std::u16string> entries = model->Entries();
        if (ApplyListSplice(entries, splice, forward)) model->SetEntries(std::move(entries));
    }
    deck_.RefreshCounters();
    info_.RestoreView(forward ? edit.infoAfter : edit.infoBefore);
    revisions_.Restore(forward ? edit.revisionAfter : edit.revisionBefore);
}

}  // namespace zemlo

#include "deck/deck_edit.h"

namespace zemlo {

bool DeckEdit::ChangesLists() const {
    for (const ListSplice& splice : lists) {
        if (!splice.Empty()) return true;
    }
    return false;
}

DeckEdit MakeDeckEdit(const DeckSnapshot& before, const DeckSnapshot& after) {
    DeckEdit edit;
    for (size_t k = 0; k < edit.lists.size(); ++k) {
        edit.lists[k] = MakeListSplice(before.lists[k], after.lists[k]);
    }
    edit.infoBefore = before.info;
    edit.infoAfter = after.info;
    return edit;
}

bool ApplyDeckEdit(DeckSnapshot& deck, const DeckEdit& edit, bool forward) {
    DeckSnapshot result = deck;
    for (size_t k = 0; k < edit.lists.size(); ++k) {
        if (!ApplyListSplice(result.lists[k], edit.lists[k], forward)) return false;
    }
    result.info = forward ? edit.infoAfter : edit.infoBefore;
    deck = std::move(result);
    return true;
}

}  // namespace zemlo

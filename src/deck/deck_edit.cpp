#include "deck/deck_edit.h"

namespace zemlo {

bool DeckEdit::ChangesLists() const {
    for (const ListSplice& splice : lists) {
        if (!splice.Empty()) return true;
    }
    return false;
}

DeckEdit AddEntryEdit(const Deck& deck, DeckEntry entry) {
    DeckEdit edit;
    const CardKind kind = entry.Kind();
    if (deck.Full(kind)) return edit;
    ListSplice& splice = edit.lists[static_cast<std::size_t>(kind)];
    splice.at = deck.InsertPosition(entry);
    splice.inserted.push_back(std::move(entry));
    return edit;
}

DeckEdit RemoveEntryEdit(const Deck& deck, CardKind kind, std::size_t row) {
    DeckEdit edit;
    const auto& entries = deck.Entries(kind);
    if (row >= entries.size()) return edit;
    ListSplice& splice = edit.lists[static_cast<std::size_t>(kind)];
    splice.at = row;
    splice.removed.push_back(entries[row]);
    return edit;
}

DeckEdit ClearListEdit(const Deck& deck, CardKind kind) {
    DeckEdit edit;
    edit.lists[static_cast<std::size_t>(kind)].removed = deck.Entries(kind);
    return edit;
}

DeckEdit ClearDeckEdit(const Deck& deck) {
    DeckEdit edit;
    for (CardKind kind : kDeckKinds) {
        edit.lists[static_cast<std::size_t>(kind)].removed = deck.Entries(kind);
    }
    return edit;
}

DeckEdit ReplaceDeckEdit(const Deck& deck, const Deck& replacement) {
    DeckEdit edit;
    for (CardKind kind : kDeckKinds) {
        edit.lists[static_cast<std::size_t>(kind)] =
            MakeListSplice(deck.Entries(kind), replacement.Entries(kind));
    }
    return edit;
}

bool ApplyDeckEdit(Deck& deck, const DeckEdit& edit, bool forward) {
    return deck.Apply(edit.lists, forward);
}

}  // namespace zemlo

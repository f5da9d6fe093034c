// One step of the deck's history: what a player's action did to the three deck lists and
// to the card information panel, so the step can be taken back and done again exactly.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "carddb/card_fields.h"
#include "deck/list_splice.h"

namespace zemlo {

// What the card information panel shows: the frame in front and, per kind, the card
// number its boxes were last filled from ("" while they are empty).
struct CardInfoView {
    CardKind front = CardKind::Unit;
    std::array<std::u16string, 3> shown;

    friend bool operator==(const CardInfoView&, const CardInfoView&) = default;
};

// The deck as the player sees it at one moment.
struct DeckSnapshot {
    std::array<std::vector<std::u16string>, 3> lists;  // by CardKind
    CardInfoView info;
};

struct DeckEdit {
    std::array<ListSplice, 3> lists;  // by CardKind
    CardInfoView infoBefore;
    CardInfoView infoAfter;
    // The change flag's marks of the deck before and after the step.
    int revisionBefore = 0;
    int revisionAfter = 0;

    // False when the action left every list as it was.
    bool ChangesLists() const;
};

DeckEdit MakeDeckEdit(const DeckSnapshot& before, const DeckSnapshot& after);

// Takes the step back (forward false) or does it again on a snapshot; false when the
// snapshot's lists are not the ones the step expects.
bool ApplyDeckEdit(DeckSnapshot& deck, const DeckEdit& edit, bool forward);

}  // namespace zemlo

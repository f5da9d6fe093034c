// The whole card database: the three tables the loader fills at start-up.
#pragma once

#include "carddb/card_fields.h"
#include "carddb/card_table.h"

namespace zemlo {

struct CardDatabase {
    CardTable units{unit_field::kCount};
    CardTable missions{mission_field::kCount};
    CardTable characters{char_field::kCount};
    // True when ORVEL.dat was present; the window title says so.
    bool orvelDataLoaded = false;

    CardTable& Table(CardKind kind) {
        return kind == CardKind::Unit ? units : kind == CardKind::Mission ? missions : characters;
    }
    const CardTable& Table(CardKind kind) const {
        return kind == CardKind::Unit ? units : kind == CardKind::Mission ? missions : characters;
    }
};

// The kind a card number belongs to by its first two letters ("ZM", "MI", "CH").
// Returns false for any other beginning.
bool KindOfCardNo(std::u16string_view cardNo, CardKind& kind);

}  // namespace zemlo

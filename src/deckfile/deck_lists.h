// A copy of the deck as plain data: the entry texts of the three deck lists, in list order.
// The file writer, the reader and the deck text work on this copy so they never touch the
// windows that hold the deck.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "carddb/card_fields.h"

namespace zemlo {

struct DeckLists {
    std::vector<std::u16string> unit;
    std::vector<std::u16string> mission;
    std::vector<std::u16string> character;

    std::vector<std::u16string>& Of(CardKind kind) {
        return kind == CardKind::Unit ? unit : kind == CardKind::Mission ? mission : character;
    }
    const std::vector<std::u16string>& Of(CardKind kind) const {
        return kind == CardKind::Unit ? unit : kind == CardKind::Mission ? mission : character;
    }

    bool Empty() const { return unit.empty() && mission.empty() && character.empty(); }

    friend bool operator==(const DeckLists&, const DeckLists&) = default;
};

// Entries a deck file or a deck text named beyond what a deck list holds, by CardKind.
using LeftOutCounts = std::array<std::size_t, 3>;

// What the player is told about them: "" when none was left out.
std::u16string LeftOutText(const LeftOutCounts& leftOut);

inline constexpr CardKind kDeckKinds[] = {CardKind::Unit, CardKind::Mission, CardKind::Character};

}  // namespace zemlo

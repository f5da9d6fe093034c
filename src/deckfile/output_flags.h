// Which column groups the deck file writes: one "1" (write), "0" or "" (left out) per output
// item, as the output-items dialog stores them.
#pragma once

#include <array>
#include <string>

namespace zemlo {

struct OutputFlags {
    std::array<std::u16string, 15> unit;
    std::array<std::u16string, 7> mission;
    std::array<std::u16string, 8> character;
};

}  // namespace zemlo

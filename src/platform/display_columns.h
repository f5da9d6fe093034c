// How wide a text is on a fixed grid of columns: a half-width character (ASCII, half-width
// katakana) takes one column, any other two. Finding the widest of many list entries by
// columns first leaves only a few to measure in a font.
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace zemlo {

int DisplayColumns(std::u16string_view text);

// How many of the entries with the most display columns are measured to find the widest.
inline constexpr std::size_t kWidthCandidates = 64;

// The entries with the most display columns, at most `most` of them: the entry that is
// widest when drawn is among them, so measuring these few in a font stands for measuring
// all.
std::vector<int> MostDisplayColumns(int count,
                                    const std::function<std::u16string_view(int)>& entryAt,
                                    std::size_t most = kWidthCandidates);

}  // namespace zemlo

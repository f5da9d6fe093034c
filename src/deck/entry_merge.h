// Filling a deck list with many entries at once, as opening a deck file or importing deck
// text does: one sorted merge instead of one sorted insertion per entry, which for a list of
// tens of thousands of entries is the difference between milliseconds and minutes.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "carddb/deck_entry.h"

namespace zemlo {

// The most entries a deck list holds: the card tables' own limit, and the largest pile the
// draw odds are exact for. The fuzz build makes it small, so the fuzzers meet full lists in
// every run instead of spending milliseconds on filling one.
#ifdef ZEMLO_FUZZ_LIST_LIMIT
inline constexpr std::size_t kMaxListEntries = ZEMLO_FUZZ_LIST_LIMIT;
#else
inline constexpr std::size_t kMaxListEntries = 32767;
#endif

// Where a sorted list (EntryLess) takes a new entry: after every entry that does not sort
// after it, so copies of one card stand side by side in the order they were added.
std::size_t SortedInsertPosition(const std::vector<DeckEntry>& entries, const DeckEntry& entry);

// Adds entries to list, which is sorted (EntryLess), giving exactly the list that adding them
// one at a time at their sorted places would give (SortedInsertPosition). Only the first
// entries, in their given order, that keep the list within kMaxListEntries are added.
// Returns how many were left out.
std::size_t MergeEntries(std::vector<DeckEntry>& list, std::vector<DeckEntry> entries);

// Entries a deck file or a deck text named beyond what a deck list holds, by CardKind.
using LeftOutCounts = std::array<std::size_t, 3>;

// What the player is told about them: "" when none was left out.
std::u16string LeftOutText(const LeftOutCounts& leftOut);

}  // namespace zemlo

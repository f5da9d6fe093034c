// The text of a catalog line, and reading a card back from any list entry's text. List
// entries carry no data of their own: everything is derived from the text.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "carddb/card_database.h"

namespace zemlo {

// CardNo, three blanks (one when the number has 7 or more characters), the name; a mission
// entry goes on with 50 blanks and PointsGained.
std::u16string CatalogEntry(const CardDatabase& db, CardKind kind, int record);
// The same, appended to out, and its length.
void AppendCatalogEntry(const CardDatabase& db, CardKind kind, int record, std::u16string& out);
size_t CatalogEntryLength(const CardDatabase& db, CardKind kind, int record);

// How many of the entries with the most display columns are measured to find the widest.
inline constexpr size_t kWidthCandidates = 64;

// The entries with the most display columns (a full-width character takes two), at most
// `most` of them: the entry that is widest when drawn is among them, so measuring these
// few in a font stands for measuring all.
std::vector<int> MostDisplayColumns(int count,
                                    const std::function<std::u16string_view(int)>& entryAt,
                                    size_t most = kWidthCandidates);

// The card number of an entry: its first 8 characters with surrounding blanks removed.
std::u16string EntryCardNo(std::u16string_view entry);

// The order of the sorted card lists: ascending entry text, case-insensitive (ASCII and
// full-width Latin letters fold together); equal texts stand side by side.
bool EntryLess(std::u16string_view a, std::u16string_view b);

}  // namespace zemlo

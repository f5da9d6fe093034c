// The text of a catalog line, and reading a card back from any list entry's text. List
// entries carry no data of their own: everything is derived from the text.
#pragma once

#include <string>
#include <string_view>

#include "carddb/card_database.h"

namespace zemlo {

// CardNo, three blanks (one when the number has 7 or more characters), the name; a mission
// entry goes on with 50 blanks and PointsGained.
std::u16string CatalogEntry(const CardDatabase& db, CardKind kind, int record);

// The card number of an entry: its first 8 characters with surrounding blanks removed.
std::u16string EntryCardNo(std::u16string_view entry);

// The order of the sorted card lists: ascending entry text, case-insensitive (ASCII and
// full-width Latin letters fold together); equal texts stand side by side.
bool EntryLess(std::u16string_view a, std::u16string_view b);

}  // namespace zemlo

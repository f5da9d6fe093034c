// The card record of every deck entry: the first record whose card number equals the
// entry's card number exactly, as a lookup from the top would find it, through the table's
// card number index rather than a scan per entry.
#pragma once

#include <string>
#include <vector>

#include "carddb/card_table.h"

namespace zemlo {

// One record number per entry, in entry order; -1 where no card has the entry's number.
std::vector<int> DeckRecords(const CardTable& table, const std::vector<std::u16string>& entries);

}  // namespace zemlo

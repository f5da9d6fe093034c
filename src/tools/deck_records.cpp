#include "tools/deck_records.h"

#include "catalog/catalog_entry.h"

namespace zemlo {

std::vector<int> DeckRecords(const CardTable& table, const std::vector<std::u16string>& entries) {
    // The table's card number index gives the first record of each number.
    std::vector<int> records;
    records.reserve(entries.size());
    for (const std::u16string& entry : entries)
        records.push_back(table.FindCardNo(EntryCardNo(entry)));
    return records;
}

}  // namespace zemlo

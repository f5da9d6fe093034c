#include "tools/deck_records.h"

#include <unordered_map>

#include "carddb/card_fields.h"
#include "catalog/catalog_entry.h"

namespace zemlo {

std::vector<int> DeckRecords(const CardTable& table, const std::vector<std::u16string>& entries) {
    std::vector<std::u16string> cardNos;
    cardNos.reserve(entries.size());
    std::unordered_map<std::u16string, int> firstRecord;
    for (const std::u16string& entry : entries) {
        cardNos.push_back(EntryCardNo(entry));
        firstRecord.emplace(cardNos.back(), -1);
    }
    size_t missing = firstRecord.size();
    const int count = table.Count();
    for (int r = 0; r < count && missing > 0; ++r) {
        auto it = firstRecord.find(table.Cell(unit_field::CardNo, r));
        if (it != firstRecord.end() && it->second < 0) {
            it->second = r;
            --missing;
        }
    }
    std::vector<int> records;
    records.reserve(entries.size());
    for (const std::u16string& cardNo : cardNos) records.push_back(firstRecord[cardNo]);
    return records;
}

}  // namespace zemlo

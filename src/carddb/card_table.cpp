#include "carddb/card_table.h"

#include "carddb/card_fields.h"

namespace zemlo {

int CardTable::AppendRecord() {
    int record = Count();
    cells_.resize(cells_.size() + fieldCount_);
    return record;
}

int CardTable::FindCardNo(std::u16string_view cardNo) const {
    const int count = Count();
    for (int r = 0; r < count; ++r) {
        if (Cell(unit_field::CardNo, r) == cardNo) return r;
    }
    return -1;
}

}  // namespace zemlo

#include "carddb/card_table.h"

#include <algorithm>
#include <limits>

#include "carddb/card_fields.h"

namespace zemlo {

int CardTable::AppendRecord() {
    const int record = Count();
    const size_t first = cells_.size();
    cells_.resize(first + fieldCount_);
    // Field 0 gets a character of room from the start, so the filters' pass marks are
    // written in place and the buffer never moves under a filter run.
    cells_[first].offset = static_cast<uint32_t>(text_.size());
    text_.push_back(u'\0');
    return record;
}

void CardTable::SetCell(int field, int record, std::u16string_view text) {
    Span& span = cells_[static_cast<size_t>(record) * fieldCount_ + field];
    // The room a cell has is what it held first (one character at least for field 0), as
    // cells only ever shrink in place.
    const size_t room = field == 0 ? std::max<size_t>(span.length, 1) : span.length;
    if (text.size() <= room) {
        std::char_traits<char16_t>::move(text_.data() + span.offset, text.data(), text.size());
        span.length = static_cast<uint32_t>(text.size());
        return;
    }
    // Offsets are 32-bit: a table never holds 4 G characters of text; past that a cell
    // stays as it was.
    if (text_.size() + text.size() > std::numeric_limits<uint32_t>::max()) return;
    span.offset = static_cast<uint32_t>(text_.size());
    span.length = static_cast<uint32_t>(text.size());
    text_.append(text);
}

void CardTable::Clear() {
    std::u16string().swap(text_);
    std::vector<Span>().swap(cells_);
}

void CardTable::Reserve(int records, size_t textChars) {
    cells_.reserve(cells_.size() + static_cast<size_t>(records) * fieldCount_);
    text_.reserve(text_.size() + records + textChars);
}

int CardTable::FindCardNo(std::u16string_view cardNo) const {
    const int count = Count();
    for (int r = 0; r < count; ++r) {
        if (Cell(unit_field::CardNo, r) == cardNo) return r;
    }
    return -1;
}

}  // namespace zemlo

#include "carddb/card_table.h"

#include <algorithm>
#include <functional>
#include <limits>

#include "carddb/card_fields.h"

namespace zemlo {

int CardTable::AppendRecord() {
    cardNoSlots_.clear();
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
    if (field == unit_field::CardNo) cardNoSlots_.clear();
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

void CardTable::TruncateTo(int records, size_t textChars) {
    cardNoSlots_.clear();
    cells_.resize(static_cast<size_t>(records) * fieldCount_);
    text_.resize(textChars);
}

void CardTable::Clear() {
    std::u16string().swap(text_);
    std::vector<Span>().swap(cells_);
    std::vector<int>().swap(cardNoSlots_);
}

void CardTable::Reserve(int records, size_t textChars) {
    cells_.reserve(cells_.size() + static_cast<size_t>(records) * fieldCount_);
    text_.reserve(text_.size() + records + textChars);
}

void CardTable::BuildCardNoIndex() const {
    const int count = Count();
    size_t slots = 16;
    while (slots < static_cast<size_t>(count) * 2) slots *= 2;
    cardNoSlots_.assign(slots, -1);
    longestCardNo_ = 0;
    const std::hash<std::u16string_view> hash;
    // Records go in in order, so the first record of a number takes its slot.
    for (int r = 0; r < count; ++r) {
        const std::u16string_view cardNo = Cell(unit_field::CardNo, r);
        longestCardNo_ = std::max(longestCardNo_, cardNo.size());
        for (size_t s = hash(cardNo) & (slots - 1);; s = (s + 1) & (slots - 1)) {
            const int held = cardNoSlots_[s];
            if (held < 0) {
                cardNoSlots_[s] = r;
                break;
            }
            if (Cell(unit_field::CardNo, held) == cardNo) break;
        }
    }
}

size_t CardTable::LongestCardNo() const {
    if (Count() == 0) return 0;
    if (cardNoSlots_.empty()) BuildCardNoIndex();
    return longestCardNo_;
}

int CardTable::FindCardNo(std::u16string_view cardNo) const {
    if (Count() == 0) return -1;
    if (cardNoSlots_.empty()) BuildCardNoIndex();
    const size_t mask = cardNoSlots_.size() - 1;
    for (size_t s = std::hash<std::u16string_view>()(cardNo) & mask;; s = (s + 1) & mask) {
        const int held = cardNoSlots_[s];
        if (held < 0) return -1;
        if (Cell(unit_field::CardNo, held) == cardNo) return held;
    }
}

}  // namespace zemlo

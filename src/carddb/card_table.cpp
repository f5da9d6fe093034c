#include "carddb/card_table.h"

#include <algorithm>
#include <functional>
#include <limits>

#include "carddb/card_fields.h"

namespace zemlo {

int CardTable::AppendRecord() {
    cardNoSlots_.clear();
    if (inOrder_) {
        // Every field empty, starting where the text ends.
        const uint32_t end = starts_.back();
        starts_.insert(starts_.end(), fieldCount_, end);
    } else {
        cells_.resize(cells_.size() + fieldCount_, Span{static_cast<uint32_t>(text_.size()), 0});
    }
    return records_++;
}

int CardTable::AppendRecord(std::u16string_view text, std::span<const uint32_t> ends) {
    const size_t fields = std::min(ends.size(), static_cast<size_t>(fieldCount_ - 1));
    if (!inOrder_ || text.size() > std::numeric_limits<uint32_t>::max() - text_.size()) {
        // Each field as a write of its own, which gives up a field the offsets cannot hold.
        const int record = AppendRecord();
        for (size_t k = 0, start = 0; k < fields; start = ends[k++]) {
            SetCell(static_cast<int>(k) + 1, record, text.substr(start, ends[k] - start));
        }
        return record;
    }
    cardNoSlots_.clear();
    // The last entry, the end of the text, is where field 0 (always empty) and field 1 start.
    const uint32_t base = starts_.back();
    const uint32_t used = fields > 0 ? ends[fields - 1] : 0;
    const uint32_t end = base + used;
    starts_.push_back(base);
    for (size_t k = 0; k + 1 < fields; ++k) starts_.push_back(base + ends[k]);
    starts_.resize(starts_.size() + fieldCount_ - 1 - (fields > 0 ? fields - 1 : 0), end);
    text_.append(text.substr(0, used));
    return records_++;
}

bool CardTable::AppendInOrder(size_t cell, std::u16string_view text) {
    const size_t lastRecordStart = starts_.size() - 1 - fieldCount_;
    if (cell < lastRecordStart || starts_[cell] != text_.size()) return false;
    text_.append(text);
    // The cells after it are empty and start where the text now ends: a few of them at
    // most, the rest of the last record.
    std::fill(starts_.begin() + cell + 1, starts_.end(), static_cast<uint32_t>(text_.size()));
    return true;
}

void CardTable::LeaveOrder() {
    cells_.resize(starts_.size() - 1);
    for (size_t c = 0; c < cells_.size(); ++c)
        cells_[c] = {starts_[c], starts_[c + 1] - starts_[c]};
    std::vector<uint32_t>().swap(starts_);
    inOrder_ = false;
}

void CardTable::SetCell(int field, int record, std::u16string_view text) {
    if (field == unit_field::CardNo) cardNoSlots_.clear();
    const size_t cell = static_cast<size_t>(record) * fieldCount_ + field;
    // Offsets are 32-bit: a table never holds 4 G characters of text; past that a cell
    // that would have to grow stays as it was.
    const bool fitsAfter = text.size() <= std::numeric_limits<uint32_t>::max() - text_.size();
    if (inOrder_) {
        if (text.empty() && Cell(field, record).empty()) return;
        if (fitsAfter && AppendInOrder(cell, text)) return;
        LeaveOrder();
    }
    Span& span = cells_[cell];
    // A cell's room is what it held first, as cells only ever shrink in place.
    if (text.size() <= span.length) {
        std::char_traits<char16_t>::move(text_.data() + span.offset, text.data(), text.size());
        span.length = static_cast<uint32_t>(text.size());
        return;
    }
    if (!fitsAfter) return;
    span.offset = static_cast<uint32_t>(text_.size());
    span.length = static_cast<uint32_t>(text.size());
    text_.append(text);
}

void CardTable::TruncateTo(int records, size_t textChars) {
    cardNoSlots_.clear();
    records_ = records;
    const size_t cells = static_cast<size_t>(records) * fieldCount_;
    if (inOrder_) {
        // The first cell dropped started where the text kept ends.
        starts_.resize(cells + 1);
        starts_.back() = static_cast<uint32_t>(textChars);
    } else {
        cells_.resize(cells);
    }
    text_.resize(textChars);
}

void CardTable::Clear() {
    std::u16string().swap(text_);
    std::vector<Span>().swap(cells_);
    std::vector<uint32_t>{0}.swap(starts_);
    inOrder_ = true;
    records_ = 0;
    std::vector<int>().swap(cardNoSlots_);
}

bool CardTable::Adopt(int records, std::vector<uint32_t> starts, std::u16string text) {
    if (records < 0 || records > kMaxRecords ||
        starts.size() != static_cast<size_t>(records) * fieldCount_ + 1 || starts.front() != 0 ||
        starts.back() != text.size() || !std::is_sorted(starts.begin(), starts.end())) {
        return false;
    }
    Clear();
    records_ = records;
    starts_ = std::move(starts);
    text_ = std::move(text);
    return true;
}

void CardTable::Reserve(int records, size_t textChars) {
    const size_t cells = static_cast<size_t>(records) * fieldCount_;
    if (inOrder_) {
        starts_.reserve(starts_.size() + cells);
    } else {
        cells_.reserve(cells_.size() + cells);
    }
    text_.reserve(text_.size() + textChars);
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

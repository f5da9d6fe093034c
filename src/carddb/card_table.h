// One card table: strings addressed by (field, record), records in the order the loader
// met them. Field 0 is the filter's pass mark, field 1 the card number.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zemlo {

class CardTable {
public:
    // Counts are 16-bit in the card data's world; no table holds more records.
    static constexpr int kMaxRecords = 32767;

    explicit CardTable(int fieldCount) : fieldCount_(fieldCount) {}

    int FieldCount() const { return fieldCount_; }
    int Count() const { return static_cast<int>(cells_.size() / fieldCount_); }

    const std::u16string& Cell(int field, int record) const {
        return cells_[static_cast<size_t>(record) * fieldCount_ + field];
    }
    std::u16string& MutableCell(int field, int record) {
        return cells_[static_cast<size_t>(record) * fieldCount_ + field];
    }

    // Appends a record with every field empty and returns its record number.
    int AppendRecord();
    void Clear() { cells_.clear(); }
    void Reserve(int records) { cells_.reserve(static_cast<size_t>(records) * fieldCount_); }

    // The first record whose card number equals cardNo exactly, or -1.
    int FindCardNo(std::u16string_view cardNo) const;

private:
    int fieldCount_;
    std::vector<std::u16string> cells_;
};

}  // namespace zemlo

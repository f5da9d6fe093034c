// One card table: texts addressed by (field, record), records in the order the loader met
// them. Field 1 is the card number. The loader fills a table; after loading nothing writes
// to it (the catalogs' filters read it and return the passing records).
//
// The tables hold about 1.5 million cells at the largest card pool, so a cell is not a
// string of its own: all of a table's text lives in one buffer. While every write comes in
// order, as the loader's do (each record's fields after the last one written, the records
// one after another), a cell is just where its text starts, and it ends where the next
// cell's starts: 4 bytes a cell. The first write out of that order turns the table into an
// offset and a length for each cell, which any write can change. Cells are read as views; a
// view stays valid until the next write that makes a cell longer than it was.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zemlo {

class CardTable {
public:
    // Counts are 16-bit in the card data's world; no table holds more records.
    static constexpr int kMaxRecords = 32767;

    // Writes one cell: `table.MutableCell(field, record) = text;`.
    class CellWriter {
    public:
        CellWriter& operator=(std::u16string_view text) {
            table_.SetCell(field_, record_, text);
            return *this;
        }
        CellWriter& assign(std::u16string_view text) { return *this = text; }
        operator std::u16string_view() const { return table_.Cell(field_, record_); }

    private:
        friend class CardTable;
        CellWriter(CardTable& table, int field, int record)
            : table_(table), field_(field), record_(record) {}
        CardTable& table_;
        int field_;
        int record_;
    };

    explicit CardTable(int fieldCount) : fieldCount_(fieldCount) {}

    int FieldCount() const { return fieldCount_; }
    int Count() const { return records_; }

    std::u16string_view Cell(int field, int record) const {
        const size_t cell = static_cast<size_t>(record) * fieldCount_ + field;
        if (inOrder_) return {text_.data() + starts_[cell], starts_[cell + 1] - starts_[cell]};
        const Span span = cells_[cell];
        return {text_.data() + span.offset, span.length};
    }
    CellWriter MutableCell(int field, int record) { return CellWriter(*this, field, record); }
    void SetCell(int field, int record, std::u16string_view text);

    // Appends a record with every field empty and returns its record number.
    int AppendRecord();
    // Appends a record whose fields from 1 on hold text one after another: field k + 1 ends
    // where ends[k] says (ascending, none beyond the text), the first starts at 0; the
    // fields after them are empty. The same as AppendRecord and a SetCell for each, in one
    // write.
    int AppendRecord(std::u16string_view text, std::span<const uint32_t> ends);
    // Drops the records from the given count on and the text from the given length on: takes
    // back what was appended since the table held that much.
    void TruncateTo(int records, size_t textChars);
    // Empties the table and gives its memory back.
    void Clear();
    // Room for this many more records and characters of cell text, so that loading grows
    // nothing. Room that is never written is never touched.
    void Reserve(int records, size_t textChars = 0);

    // The first record whose card number equals cardNo exactly, or -1. Deck files name up
    // to thousands of cards, so the answer comes from a hash index of the card numbers,
    // built on the first look-up after the card numbers changed.
    int FindCardNo(std::u16string_view cardNo) const;
    // The length of the longest card number, from the same index: a longer text names no card.
    size_t LongestCardNo() const;

    // Characters of cell text held, for the memory figures.
    size_t TextSize() const { return text_.size(); }

    // The storage of a table whose cells were all written in order, as the loader writes
    // them, for a copy kept on the disk: where each cell starts and, last, where the text
    // ends; and the text. No starts when the table is out of order.
    std::span<const uint32_t> Starts() const {
        return inOrder_ ? std::span<const uint32_t>(starts_) : std::span<const uint32_t>();
    }
    std::u16string_view Text() const { return text_; }
    // Takes such storage in place of what the table held, when it is whole: a start for
    // every cell of records records and one more, from 0 to the end of the text, none before
    // the one ahead of it. Otherwise returns false and leaves the table as it was.
    bool Adopt(int records, std::vector<uint32_t> starts, std::u16string text);

private:
    struct Span {
        uint32_t offset = 0;
        uint32_t length = 0;
    };

    void BuildCardNoIndex() const;
    // Appends the text of a cell that starts where the text ends and is in the last record,
    // or says it cannot.
    bool AppendInOrder(size_t cell, std::u16string_view text);
    // Gives every cell an offset and a length of its own.
    void LeaveOrder();

    int fieldCount_;
    int records_ = 0;
    std::u16string text_;
    // In order: where each cell's text starts, and one more entry, the end of the text.
    bool inOrder_ = true;
    std::vector<uint32_t> starts_ = {0};
    // Out of order: each cell's offset and length; the starts are then dropped.
    std::vector<Span> cells_;
    // Open addressing over the records' card numbers: a slot holds the first record with
    // its number, or -1. Empty while stale.
    mutable std::vector<int> cardNoSlots_;
    mutable size_t longestCardNo_ = 0;
};

}  // namespace zemlo

// Comma-separated text as RFC 4180 writes it, read forgivingly: CR LF, CR or LF end a record;
// a field in double quotes may hold commas, line ends and doubled quotes. Text after a closing
// quote, or a quote inside an unquoted field, is taken as it stands, and a quoted field that
// never closes runs to the end of the text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zemlo {

struct CsvRecord {
    // The line of the text the record begins on, from 1.
    long long line = 0;
    std::vector<std::u16string> fields;
};

class CsvReader {
public:
    explicit CsvReader(std::u16string_view text) : text_(text) {}

    // The next record, blank ones included (one empty field); false at the end of the text.
    // The record's fields are reused from one call to the next.
    bool Next(CsvRecord& record);

private:
    // The length of the line end at `at`: 2 for CR LF, 1 for CR or LF, 0 for none.
    std::size_t LineEndAt(std::size_t at) const;
    void ReadQuoted(std::u16string& field);

    std::u16string_view text_;
    std::size_t at_ = 0;
    long long line_ = 1;
};

// Appends field to out as one field of a record: in double quotes, its quotes doubled, when
// it holds a comma, a quote or a line end.
void AppendCsvField(std::u16string_view field, std::u16string& out);

}  // namespace zemlo

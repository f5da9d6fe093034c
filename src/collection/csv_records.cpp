#include "collection/csv_records.h"

namespace zemlo {

std::size_t CsvReader::LineEndAt(std::size_t at) const {
    if (text_[at] == u'\r') return (at + 1 < text_.size() && text_[at + 1] == u'\n') ? 2 : 1;
    return text_[at] == u'\n' ? 1 : 0;
}

void CsvReader::ReadQuoted(std::u16string& field) {
    ++at_;  // the opening quote
    while (at_ < text_.size()) {
        const char16_t c = text_[at_];
        if (c == u'"') {
            if (at_ + 1 < text_.size() && text_[at_ + 1] == u'"') {
                field += u'"';
                at_ += 2;
                continue;
            }
            ++at_;
            return;
        }
        if (const std::size_t end = LineEndAt(at_)) {
            field.append(text_.substr(at_, end));
            at_ += end;
            ++line_;
            continue;
        }
        field += c;
        ++at_;
    }
}

bool CsvReader::Next(CsvRecord& record) {
    if (at_ >= text_.size()) return false;
    record.line = line_;
    std::size_t fields = 0;
    for (;;) {
        if (fields == record.fields.size()) record.fields.emplace_back();
        std::u16string& field = record.fields[fields++];
        field.clear();
        if (at_ < text_.size() && text_[at_] == u'"') ReadQuoted(field);
        // Unquoted text, or what follows a closing quote, up to the next comma or line end.
        const std::size_t start = at_;
        while (at_ < text_.size() && text_[at_] != u',' && LineEndAt(at_) == 0) ++at_;
        field.append(text_.substr(start, at_ - start));
        if (at_ < text_.size() && text_[at_] == u',') {
            ++at_;
            continue;
        }
        if (at_ < text_.size()) {
            at_ += LineEndAt(at_);
            ++line_;
        }
        break;
    }
    record.fields.resize(fields);
    return true;
}

void AppendCsvField(std::u16string_view field, std::u16string& out) {
    if (field.find_first_of(u",\"\r\n") == std::u16string_view::npos) {
        out.append(field);
        return;
    }
    out += u'"';
    for (const char16_t c : field) {
        if (c == u'"') out += u'"';
        out += c;
    }
    out += u'"';
}

}  // namespace zemlo

#include "collection/collection_csv.h"

#include <algorithm>
#include <optional>

#include "carddb/text_width.h"
#include "collection/csv_records.h"
#include "platform/code_page.h"

namespace zemlo {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::u16string_view kNumberHeading = u"No";
constexpr std::u16string_view kNameHeading = u"名称";
constexpr std::u16string_view kCountHeading = u"枚数";

// Decodes UTF-8. With replace false, fails on the first byte sequence that is no UTF-8
// (overlong forms, surrogates and values beyond U+10FFFF included); with replace true, such a
// sequence becomes U+FFFD and decoding goes on.
bool DecodeUtf8(std::string_view bytes, bool replace, std::u16string& out, bool& replaced) {
    out.clear();
    out.reserve(bytes.size());
    const std::size_t n = bytes.size();
    for (std::size_t i = 0; i < n;) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            out += static_cast<char16_t>(c);
            ++i;
            continue;
        }
        std::size_t length = 0;
        char32_t cp = 0;
        char32_t least = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2, cp = c & 0x1F, least = 0x80;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3, cp = c & 0x0F, least = 0x800;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4, cp = c & 0x07, least = 0x10000;
        }
        bool valid = length != 0 && i + length <= n;
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            valid = (next & 0xC0) == 0x80;
            cp = (cp << 6) | (next & 0x3F);
        }
        valid = valid && cp >= least && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF);
        if (!valid) {
            if (!replace) return false;
            out += u'\uFFFD';
            replaced = true;
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
        i += length;
    }
    return true;
}

bool IsBlankRecord(const CsvRecord& record) {
    return std::all_of(record.fields.begin(), record.fields.end(),
                       [](const std::u16string& f) { return TrimmedCardNo(f).empty(); });
}

bool SameHeading(std::u16string_view field, std::u16string_view heading) {
    field = TrimmedCardNo(field);
    if (field.size() != heading.size()) return false;
    for (std::size_t i = 0; i < field.size(); ++i) {
        char16_t c = field[i];
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
        char16_t h = heading[i];
        if (h >= u'A' && h <= u'Z') h = static_cast<char16_t>(h - u'A' + u'a');
        if (c != h) return false;
    }
    return true;
}

// Where a file keeps what: the column of each of the three headings (name may be absent);
// every other column is a further one, in order.
struct Columns {
    std::size_t number = 0;
    std::optional<std::size_t> name = 1;
    std::size_t count = 2;

    bool IsFurther(std::size_t column) const {
        return column != number && column != count && (!name || column != *name);
    }
};

std::optional<Columns> HeaderColumns(const CsvRecord& record) {
    std::optional<std::size_t> number, name, count;
    for (std::size_t i = 0; i < record.fields.size(); ++i) {
        const std::u16string& field = record.fields[i];
        if (!number && SameHeading(field, kNumberHeading))
            number = i;
        else if (!name && SameHeading(field, kNameHeading))
            name = i;
        else if (!count && SameHeading(field, kCountHeading))
            count = i;
    }
    if (!number || !count) return std::nullopt;
    return Columns{*number, name, *count};
}

std::u16string_view FieldAt(const CsvRecord& record, std::optional<std::size_t> column) {
    if (!column || *column >= record.fields.size()) return {};
    return record.fields[*column];
}

std::vector<std::u16string> FurtherFields(const CsvRecord& record, const Columns& columns) {
    std::vector<std::u16string> further;
    for (std::size_t i = 0; i < record.fields.size(); ++i) {
        if (columns.IsFurther(i)) further.push_back(record.fields[i]);
    }
    return further;
}

// Fills empty further fields of into from those of from.
void FillEmptyFields(std::vector<std::u16string>& into, const std::vector<std::u16string>& from) {
    if (into.size() < from.size()) into.resize(from.size());
    for (std::size_t i = 0; i < from.size(); ++i) {
        if (into[i].empty()) into[i] = from[i];
    }
}

void AppendRow(std::u16string_view number, std::u16string_view name, std::u16string_view count,
               const std::vector<std::u16string>& extras, std::u16string& out) {
    AppendCsvField(number, out);
    out += u',';
    AppendCsvField(name, out);
    out += u',';
    AppendCsvField(count, out);
    for (const std::u16string& extra : extras) {
        out += u',';
        AppendCsvField(extra, out);
    }
    out += u"\r\n";
}

std::u16string Grouped(long long value) {
    std::u16string digits = DecimalText(value);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) {
        digits.insert(static_cast<std::size_t>(at), 1, u',');
    }
    return digits;
}

// "3行目「abc」、5行目「」 ほか 12 行" for notes of counts; without the quoted text when
// withText is false.
std::u16string NotesText(const RowNotes& notes, bool withText, bool lineFirst) {
    std::u16string text;
    for (const RowNote& note : notes.first) {
        if (!text.empty()) text += u"、";
        if (lineFirst) {
            text += Grouped(note.line) + u"行目";
            if (withText) text += u"「" + note.text + u"」";
        } else {
            text += note.text + u" (" + Grouped(note.line) + u"行目)";
        }
    }
    const long long more = notes.count - static_cast<long long>(notes.first.size());
    if (more > 0) text += u" ほか " + Grouped(more) + u" 行";
    return text;
}

}  // namespace

void RowNotes::Add(long long line, std::u16string_view text) {
    ++count;
    if (first.size() < kKept) {
        // A note is shown on one line of a message: a long or many-lined field is cut.
        std::u16string shown(text.substr(0, 40));
        std::replace_if(
            shown.begin(), shown.end(), [](char16_t c) { return c < u' '; }, u' ');
        first.push_back({line, std::move(shown)});
    }
}

bool ParseOwnedCount(std::u16string_view field, int& count) {
    field = TrimmedCardNo(field);
    if (field.empty()) return false;
    int value = 0;
    for (const char16_t c : field) {
        int digit;
        if (c >= u'0' && c <= u'9') {
            digit = c - u'0';
        } else if (c >= u'\uFF10' && c <= u'\uFF19') {
            digit = c - u'\uFF10';
        } else {
            return false;
        }
        value = value * 10 + digit;
        if (value > kMaxOwned) return false;
    }
    count = value;
    return true;
}

CollectionReadResult ReadCollectionCsv(std::string_view bytes) {
    CollectionReadResult result;
    CollectionReadReport& report = result.report;
    if (bytes.find('\0') != std::string_view::npos) {
        result.text = false;
        return result;
    }
    std::u16string text;
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        DecodeUtf8(bytes.substr(kByteOrderMark.size()), true, text, report.replacementCharacters);
    } else if (!DecodeUtf8(bytes, false, text, report.replacementCharacters)) {
        report.cp932 = true;
        text = DecodeCp932(bytes);
        // CP932 holds no U+FFFD: every one stands for bytes the code page does not hold.
        report.replacementCharacters = text.find(u'\uFFFD') != std::u16string::npos;
    }

    // Counted rows as the file has them, with their lines; sorted and summed at the end.
    struct CountedRow {
        CollectionRow row;
        long long line = 0;
    };
    std::vector<CountedRow> counted;
    counted.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), u'\n')) + 1);
    CollectionRest rest;
    std::optional<Columns> columns;
    CsvReader reader(text);
    CsvRecord record;
    while (reader.Next(record)) {
        if (IsBlankRecord(record)) continue;
        if (!columns) {
            columns = HeaderColumns(record);
            if (columns) {
                for (std::size_t i = 0; i < record.fields.size(); ++i) {
                    if (columns->IsFurther(i)) rest.extraHeadings.push_back(record.fields[i]);
                }
                continue;
            }
            columns = Columns{};
            report.headerMissing = true;
        }
        // Further columns after the three of this program's own layout are the player's and
        // need no word; in another layout they are told.
        const bool ownLayout = columns->number == 0 && columns->name == 1 && columns->count == 2 &&
                               !report.headerMissing;
        const std::u16string_view numberField = FieldAt(record, columns->number);
        const std::u16string_view number = TrimmedCardNo(numberField);
        const std::u16string_view countField = FieldAt(record, columns->count);
        std::vector<std::u16string> further = FurtherFields(record, *columns);
        if (!ownLayout) report.extraColumns = std::max(report.extraColumns, further.size());
        int count = 0;
        if (!number.empty() && ParseOwnedCount(countField, count)) {
            counted.push_back(
                {CollectionRow{std::u16string(number),
                               OwnedCard{count, std::u16string(FieldAt(record, columns->name)),
                                         std::move(further)}},
                 record.line});
            continue;
        }
        if (number.empty()) {
            report.withoutNumber.Add(record.line, {});
        } else {
            report.refusedCounts.Add(record.line, countField);
        }
        rest.keptRows.push_back(KeptRow{std::u16string(numberField),
                                        std::u16string(FieldAt(record, columns->name)),
                                        std::u16string(countField), std::move(further)});
    }

    // A file this program wrote is sorted already. Among rows of one number the file's first
    // stays first, and the later ones are added to it.
    const auto byNumber = [](const CountedRow& a, const CountedRow& b) {
        return a.row.cardNo < b.row.cardNo;
    };
    if (!std::is_sorted(counted.begin(), counted.end(), byNumber)) {
        std::stable_sort(counted.begin(), counted.end(), byNumber);
    }
    std::vector<CollectionRow> rows;
    rows.reserve(counted.size());
    std::vector<RowNote> listedAgain;
    bool lastCapped = false;
    for (CountedRow& c : counted) {
        if (rows.empty() || rows.back().cardNo != c.row.cardNo) {
            rows.push_back(std::move(c.row));
            lastCapped = false;
            continue;
        }
        listedAgain.push_back({c.line, c.row.cardNo});
        OwnedCard& card = rows.back().card;
        if (card.count + c.row.card.count > kMaxOwned && !lastCapped) {
            ++report.cappedSums;
            lastCapped = true;
        }
        card.count = std::min(card.count + c.row.card.count, kMaxOwned);
        if (card.name.empty()) card.name = std::move(c.row.card.name);
        FillEmptyFields(card.extras, c.row.card.extras);
    }
    std::sort(listedAgain.begin(), listedAgain.end(),
              [](const RowNote& a, const RowNote& b) { return a.line < b.line; });
    for (const RowNote& note : listedAgain) report.listedAgain.Add(note.line, note.text);

    std::stable_sort(rest.keptRows.begin(), rest.keptRows.end(),
                     [](const KeptRow& a, const KeptRow& b) {
                         return CardNoLess(TrimmedCardNo(a.number), TrimmedCardNo(b.number));
                     });
    result.collection = Collection(std::move(rows), std::move(rest));
    return result;
}

std::string WriteCollectionCsv(const Collection& collection, const CardNameLookup& names) {
    std::u16string text;
    text.reserve(collection.Size() * 32 + 64);
    text += kNumberHeading;
    text += u',';
    text += kNameHeading;
    text += u',';
    text += kCountHeading;
    for (const std::u16string& heading : collection.Rest().extraHeadings) {
        text += u',';
        AppendCsvField(heading, text);
    }
    text += u"\r\n";

    const std::vector<KeptRow>& kept = collection.Rest().keptRows;
    std::size_t nextKept = 0;
    auto writeKeptBefore = [&](std::u16string_view number, bool all) {
        // Kept rows whose number sorts before number's, then the counted row, then kept rows
        // of the same number: a row that could not be counted follows the one that could.
        while (nextKept < kept.size() &&
               (all || !CardNoLess(number, TrimmedCardNo(kept[nextKept].number)))) {
            const KeptRow& row = kept[nextKept++];
            AppendRow(row.number, row.name, row.count, row.extras, text);
        }
    };
    for (const auto& [number, card] : collection.Rows()) {
        while (nextKept < kept.size() && CardNoLess(TrimmedCardNo(kept[nextKept].number), number)) {
            const KeptRow& row = kept[nextKept++];
            AppendRow(row.number, row.name, row.count, row.extras, text);
        }
        std::u16string_view name = names ? names(number) : std::u16string_view();
        if (name.empty()) name = card.name;
        AppendRow(number, name, DecimalText(card.count), card.extras, text);
        writeKeptBefore(number, false);
    }
    writeKeptBefore({}, true);

    std::string bytes(kByteOrderMark);
    bytes += ToUtf8(text);
    return bytes;
}

std::u16string CollectionReadText(const CollectionReadReport& report, long long unknownCards) {
    std::u16string text;
    auto line = [&text](const std::u16string& sentence) {
        if (!text.empty()) text += u'\n';
        text += sentence;
    };
    if (report.cp932)
        line(u"文字コードCP932 (Shift_JIS) のﾌｧｲﾙとして読みました。保存するとUTF-8になります。");
    if (report.replacementCharacters) line(u"読めない文字を「\uFFFD」に置き換えました。");
    if (report.headerMissing) {
        line(
            u"見出し行 (No,名称,枚数) "
            u"がないため、1列目を番号、2列目を名称、3列目を枚数として読みました。");
    }
    if (report.extraColumns > 0) {
        line(u"No・名称・枚数のほかの " + Grouped(static_cast<long long>(report.extraColumns)) +
             u" 列はそのまま残します。");
    }
    if (unknownCards > 0) {
        line(u"ｶｰﾄﾞﾃﾞｰﾀにない番号 " + Grouped(unknownCards) + u" 件はそのまま残します。");
    }
    if (report.refusedCounts.count > 0) {
        line(u"枚数が0から999の整数でない行は数えずにそのまま残します: " +
             NotesText(report.refusedCounts, true, true));
    }
    if (report.withoutNumber.count > 0) {
        line(u"番号のない行はそのまま残します: " + NotesText(report.withoutNumber, false, true));
    }
    if (report.listedAgain.count > 0) {
        line(u"2度以上出てくる番号は枚数を合計しました: " +
             NotesText(report.listedAgain, true, false));
    }
    if (report.cappedSums > 0) {
        line(u"合計が999枚を超えた " + Grouped(report.cappedSums) + u" 種類は999枚にしました。");
    }
    return text;
}

}  // namespace zemlo

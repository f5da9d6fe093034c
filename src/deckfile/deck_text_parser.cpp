#include "deckfile/deck_text_parser.h"

#include <array>

#include "platform/text_lines.h"

namespace zemlo {
namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\u3000';
}

bool IsCopiesMark(char16_t c) {
    return c == u'×' || c == u'x' || c == u'X' || c == u'ｘ' || c == u'Ｘ';
}

int DigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'０' && c <= u'９') return c - u'０';
    return -1;
}

std::u16string_view Trim(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool HeadingKind(std::u16string_view line, CardKind& kind) {
    static constexpr std::array<std::u16string_view, 3> kHeadings = {
        u"ユニットカード", u"ミッションカード", u"キャラクターカード"};
    for (size_t k = 0; k < kHeadings.size(); ++k) {
        if (line == kHeadings[k]) {
            kind = static_cast<CardKind>(k);
            return true;
        }
    }
    return false;
}

// Reads digits (ASCII or full-width) into copies; false, with tooMany set, past the limit.
bool ReadDigits(std::u16string_view digits, long long& copies, bool& tooMany) {
    copies = 0;
    for (char16_t c : digits) {
        copies = copies * 10 + DigitValue(c);
        if (copies > kMaxImportCopies) {
            tooMany = true;
            return false;
        }
    }
    return true;
}

bool IsCountFirstMark(char16_t c) {
    return IsCopiesMark(c) || c == u'枚';
}

// "2 NAME", "2x NAME", "2 x NAME", "２枚 NAME", "2枚NAME": digits, then a mark ("×", "x",
// "枚") or blanks or both, then the name. A mark after a blank must have a blank after it,
// so "2 xNAME" keeps its "x" as part of the name.
std::optional<CountedName> ReadCountFirst(std::u16string_view text) {
    size_t digits = 0;
    while (digits < text.size() && DigitValue(text[digits]) >= 0) ++digits;
    if (digits == 0) return std::nullopt;
    size_t at = digits;
    auto skipBlanks = [&] {
        const size_t from = at;
        while (at < text.size() && IsBlank(text[at])) ++at;
        return at > from;
    };
    bool separated = false;
    if (at < text.size() && IsCountFirstMark(text[at])) {
        ++at;
        separated = true;
        skipBlanks();
    } else if (skipBlanks()) {
        separated = true;
        if (at + 1 < text.size() && IsCountFirstMark(text[at]) && IsBlank(text[at + 1])) {
            ++at;
            skipBlanks();
        }
    }
    if (!separated || at == text.size()) return std::nullopt;
    CountedName counted;
    counted.name = FoldBlanks(text.substr(at));
    ReadDigits(text.substr(0, digits), counted.copies, counted.tooManyCopies);
    return counted;
}

// Splits "NAME<blanks>×<blanks>12" into its name and count. The mark must follow a blank,
// so a name that merely ends in "x" keeps its letter.
void ReadCount(DeckTextLine& line) {
    const std::u16string_view text = line.text;
    size_t digits = text.size();
    while (digits > 0 && DigitValue(text[digits - 1]) >= 0) --digits;
    size_t mark = digits;
    while (mark > 0 && IsBlank(text[mark - 1])) --mark;
    if (mark < 2 || !IsCopiesMark(text[mark - 1]) || !IsBlank(text[mark - 2])) {
        line.name = line.whole;
        return;
    }
    line.countWritten = true;
    line.name = FoldBlanks(text.substr(0, mark - 1));
    if (digits == text.size()) return;  // "×" alone: one copy
    long long copies = 0;
    if (ReadDigits(text.substr(digits), copies, line.tooManyCopies)) line.copies = copies;
}

}  // namespace

std::u16string FoldBlanks(std::u16string_view text) {
    std::u16string folded;
    bool blank = false;
    for (char16_t c : Trim(text)) {
        if (IsBlank(c)) {
            blank = true;
            continue;
        }
        if (blank) folded += u' ';
        blank = false;
        folded += c;
    }
    return folded;
}

std::vector<DeckTextLine> ParseDeckText(std::u16string_view text) {
    std::vector<DeckTextLine> lines;
    DeckTextPlace place = DeckTextPlace::BeforeBlocks;
    CardKind kind = CardKind::Unit;
    int blankRun = 0;
    for (const std::u16string& raw : SplitLines(text)) {
        const std::u16string_view trimmed = Trim(raw);
        if (trimmed.empty()) {
            // The deck text ends every block with two blank lines; a single one is a
            // player's spacing inside the block.
            if (place == DeckTextPlace::InBlock && ++blankRun >= 2)
                place = DeckTextPlace::AfterBlock;
            continue;
        }
        blankRun = 0;
        if (HeadingKind(trimmed, kind)) {
            place = DeckTextPlace::InBlock;
            continue;
        }
        DeckTextLine line;
        line.place = place;
        line.kind = kind;
        line.text = std::u16string(trimmed);
        line.whole = FoldBlanks(trimmed);
        ReadCount(line);
        line.countFirst = ReadCountFirst(trimmed);
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace zemlo

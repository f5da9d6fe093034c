#include "carddb/text_width.h"

namespace zemlo {
namespace {

// Full-width katakana for U+FF61..U+FF9F.
constexpr char16_t kKatakana[] = {
    0x3002, 0x300C, 0x300D, 0x3001, 0x30FB, 0x30F2, 0x30A1, 0x30A3, 0x30A5, 0x30A7, 0x30A9,
    0x30E3, 0x30E5, 0x30E7, 0x30C3, 0x30FC, 0x30A2, 0x30A4, 0x30A6, 0x30A8, 0x30AA, 0x30AB,
    0x30AD, 0x30AF, 0x30B1, 0x30B3, 0x30B5, 0x30B7, 0x30B9, 0x30BB, 0x30BD, 0x30BF, 0x30C1,
    0x30C4, 0x30C6, 0x30C8, 0x30CA, 0x30CB, 0x30CC, 0x30CD, 0x30CE, 0x30CF, 0x30D2, 0x30D5,
    0x30D8, 0x30DB, 0x30DE, 0x30DF, 0x30E0, 0x30E1, 0x30E2, 0x30E4, 0x30E6, 0x30E8, 0x30E9,
    0x30EA, 0x30EB, 0x30EC, 0x30ED, 0x30EF, 0x30F3, 0x309B, 0x309C};

constexpr char16_t kVoicedMark = 0xFF9E;
constexpr char16_t kSemiVoicedMark = 0xFF9F;

// カ..ト and ハ..ホ take the voiced mark; the voiced form is the next code point.
bool TakesVoicedMark(char16_t full) {
    return (full >= 0x30AB && full <= 0x30C8 && full != 0x30C3) ||
           (full >= 0x30CF && full <= 0x30DB && (full - 0x30CF) % 3 == 0);
}
bool TakesSemiVoicedMark(char16_t full) {
    return full >= 0x30CF && full <= 0x30DB && (full - 0x30CF) % 3 == 0;
}

}  // namespace

std::u16string Widen(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c == u' ') {
            out += u'\u3000';
        } else if (c >= 0x21 && c <= 0x7E) {
            out += static_cast<char16_t>(c - 0x21 + 0xFF01);
        } else if (c >= 0xFF61 && c <= 0xFF9F) {
            char16_t full = kKatakana[c - 0xFF61];
            char16_t next = i + 1 < text.size() ? text[i + 1] : 0;
            if (next == kVoicedMark && full == 0x30A6) {  // ｳﾞ
                out += u'\u30F4';
                ++i;
            } else if (next == kVoicedMark && TakesVoicedMark(full)) {
                out += static_cast<char16_t>(full + 1);
                ++i;
            } else if (next == kSemiVoicedMark && TakesSemiVoicedMark(full)) {
                out += static_cast<char16_t>(full + 2);
                ++i;
            } else {
                out += full;
            }
        } else {
            out += c;
        }
    }
    return out;
}

char16_t NarrowChar(char16_t c) {
    if (c >= 0xFF01 && c <= 0xFF5E) return static_cast<char16_t>(c - 0xFF01 + 0x21);
    if (c == 0x3000) return u' ';
    return c;
}

std::u16string FullWidthNumber(long long value) {
    std::u16string out;
    for (char d : std::to_string(value)) {
        out += (d >= '0' && d <= '9') ? static_cast<char16_t>(0xFF10 + (d - '0'))
                                      : static_cast<char16_t>(d == '-' ? 0xFF0D : d);
    }
    return out;
}

std::u16string DecimalText(long long value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

std::u16string TrimBlanks(std::u16string_view text) {
    const size_t first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) return {};
    const size_t last = text.find_last_not_of(u' ');
    return std::u16string(text.substr(first, last - first + 1));
}

}  // namespace zemlo

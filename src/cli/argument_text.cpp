#include "cli/argument_text.h"

#include "platform/code_page.h"

namespace zemlo {
namespace {

constexpr char16_t kFirstEscape = 0xDC80;  // stands for the byte 0x80
constexpr char16_t kLastEscape = 0xDCFF;   // for 0xFF

bool IsHigh(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLow(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

bool IsEscape(char16_t c) {
    return c >= kFirstEscape && c <= kLastEscape;
}

// The length of the well-formed UTF-8 sequence at the start of bytes, 0 when there is none
// (the table of well-formed sequences of Unicode, chapter 3: no overlong forms, no
// surrogates, nothing beyond U+10FFFF).
size_t SequenceLength(std::string_view bytes, char32_t& cp) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        cp = lead;
        return 1;
    }
    size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (bytes.size() < length || byte(1) < low || byte(1) > high) return 0;
    cp = lead & (length == 2 ? 0x1F : length == 3 ? 0x0F : 0x07);
    for (size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (byte(i) & 0x3F);
    }
    return length;
}

}  // namespace

std::u16string ArgumentText(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    while (!bytes.empty()) {
        char32_t cp = 0;
        const size_t length = SequenceLength(bytes, cp);
        if (length == 0) {
            text += static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(bytes[0]));
            bytes.remove_prefix(1);
            continue;
        }
        if (cp >= 0x10000) {
            text += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            text += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            text += static_cast<char16_t>(cp);
        }
        bytes.remove_prefix(length);
    }
    return text;
}

std::string ArgumentBytes(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    size_t from = 0;  // where the run of characters since the last escape starts
    for (size_t i = 0; i <= text.size(); ++i) {
        // The second half of a character beyond U+FFFF may look like an escape.
        const bool escape = i < text.size() && IsEscape(text[i]) && !(i > 0 && IsHigh(text[i - 1]));
        if (i < text.size() && !escape) continue;
        bytes += ToUtf8(text.substr(from, i - from));
        if (escape) bytes += static_cast<char>(text[i] - 0xDC00);
        from = i + 1;
    }
    return bytes;
}

std::u16string ShownArgument(std::u16string_view text) {
    std::u16string shown(text);
    for (size_t i = 0; i < shown.size(); ++i) {
        if (IsHigh(shown[i]) && i + 1 < shown.size() && IsLow(shown[i + 1])) {
            ++i;
        } else if (IsHigh(shown[i]) || IsLow(shown[i])) {
            shown[i] = u'\uFFFD';
        }
    }
    return shown;
}

}  // namespace zemlo

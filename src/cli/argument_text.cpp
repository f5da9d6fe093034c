#include "cli/argument_text.h"

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

void AppendUtf8(char32_t cp, std::string& out) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
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
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (IsHigh(c) && i + 1 < text.size() && IsLow(text[i + 1])) {
            AppendUtf8(0x10000 + ((char32_t{c} - 0xD800) << 10) + (text[i + 1] - 0xDC00), bytes);
            ++i;
        } else if (IsEscape(c)) {
            bytes += static_cast<char>(c - 0xDC00);
        } else if (IsHigh(c) || IsLow(c)) {
            bytes += '?';
        } else {
            AppendUtf8(c, bytes);
        }
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

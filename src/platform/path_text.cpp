#include "platform/path_text.h"

#include "platform/code_page.h"

namespace zemlo {
namespace {

constexpr char16_t kEscapedByteBase = 0xDC00;

// The length of the valid UTF-8 sequence at the start of bytes and its code point, or 0.
size_t Utf8Sequence(std::string_view bytes, char32_t& code) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    size_t length = 0;
    char32_t min = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (bytes.size() < length) return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

void AppendUtf16(char32_t code, std::u16string& out) {
    if (code < 0x10000) {
        out += static_cast<char16_t>(code);
    } else {
        code -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (code >> 10));
        out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    }
}

void AppendUtf8(char32_t code, std::string& out) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

void AppendEscaped(unsigned char byte, std::u16string& out) {
    static constexpr char16_t kHex[] = u"0123456789ABCDEF";
    out += u"\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 0x0F];
}

bool IsControl(char32_t code) {
    return code < 0x20 || (code >= 0x7F && code < 0xA0) || code == 0x2028 || code == 0x2029;
}

// One name of a path for the player.
void AppendShownName(std::string_view name, std::u16string& out) {
    if (!IsUtf8(name)) {
        const std::u16string cp932 = DecodeCp932(name);
        // CP932 holds no U+FFFD: one in the text marks a byte that is not CP932 either.
        if (cp932.find(u'\uFFFD') == std::u16string::npos) {
            for (char16_t c : cp932) {
                if (IsControl(c)) {
                    AppendEscaped(static_cast<unsigned char>(c), out);
                } else {
                    out += c;
                }
            }
            return;
        }
    }
    size_t at = 0;
    while (at < name.size()) {
        char32_t code = 0;
        const size_t length = Utf8Sequence(name.substr(at), code);
        if (length == 0) {
            AppendEscaped(static_cast<unsigned char>(name[at]), out);
            ++at;
            continue;
        }
        if (IsControl(code)) {
            for (size_t i = 0; i < length; ++i) {
                AppendEscaped(static_cast<unsigned char>(name[at + i]), out);
            }
        } else {
            AppendUtf16(code, out);
        }
        at += length;
    }
}

}  // namespace

bool IsUtf8(std::string_view bytes) {
    size_t at = 0;
    while (at < bytes.size()) {
        char32_t code = 0;
        const size_t length = Utf8Sequence(bytes.substr(at), code);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

std::u16string PathText(const std::filesystem::path& path) {
    const std::string_view bytes = path.native();
    std::u16string text;
    text.reserve(bytes.size());
    size_t at = 0;
    while (at < bytes.size()) {
        char32_t code = 0;
        const size_t length = Utf8Sequence(bytes.substr(at), code);
        if (length == 0) {
            text += static_cast<char16_t>(kEscapedByteBase + static_cast<unsigned char>(bytes[at]));
            ++at;
        } else {
            AppendUtf16(code, text);
            at += length;
        }
    }
    return text;
}

std::filesystem::path PathOfText(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            AppendUtf8(0x10000 + ((char32_t(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00), bytes);
            ++i;
        } else if (c >= kEscapedByteBase + 0x80 && c <= kEscapedByteBase + 0xFF) {
            bytes += static_cast<char>(c - kEscapedByteBase);
        } else {
            AppendUtf8(c, bytes);
        }
    }
    return std::filesystem::path(std::move(bytes));
}

std::u16string ShownPath(const std::filesystem::path& path) {
    const std::string_view bytes = path.native();
    std::u16string shown;
    size_t start = 0;
    while (start <= bytes.size()) {
        size_t slash = bytes.find('/', start);
        if (slash == std::string_view::npos) slash = bytes.size();
        AppendShownName(bytes.substr(start, slash - start), shown);
        if (slash == bytes.size()) break;
        shown += u'/';
        start = slash + 1;
    }
    return shown;
}

std::filesystem::path AbsolutePath(const std::filesystem::path& path) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.lexically_normal();
}

}  // namespace zemlo

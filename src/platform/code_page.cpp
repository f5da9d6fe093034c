#include "platform/code_page.h"

#include <iconv.h>

#include <bit>
#include <cerrno>
#include <stdexcept>

namespace zemlo {
namespace {

// One iconv descriptor per direction and thread; opening one costs more than a short conversion.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
        }
    }
    ~Converter() { iconv_close(cd_); }
    iconv_t Descriptor() const { return cd_; }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as it can; returns false at an invalid or incomplete sequence,
    // with in/inLeft pointing at it.
    bool Run(char*& in, size_t& inLeft, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        while (inLeft > 0) {
            size_t used = out.size();
            out.resize(used + inLeft * 4 + 16);
            char* dst = out.data() + used;
            size_t dstLeft = out.size() - used;
            size_t r = iconv(cd_, &in, &inLeft, &dst, &dstLeft);
            out.resize(out.size() - dstLeft);
            if (r == static_cast<size_t>(-1)) {
                if (errno == E2BIG) continue;
                return false;
            }
        }
        return true;
    }

private:
    iconv_t cd_;
};

Converter& Cp932ToUtf16() {
    thread_local Converter c("UTF-16LE", "CP932");
    return c;
}
Converter& Utf16ToCp932() {
    thread_local Converter c("CP932", "UTF-16LE");
    return c;
}

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c < 0xDC00;
}

bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c < 0xE000;
}

}  // namespace

std::u16string DecodeCp932(std::string_view bytes) {
    // Every CP932 byte gives at most one UTF-16 unit, so the result never outgrows the input;
    // iconv writes little-endian UTF-16 straight into it.
    static_assert(std::endian::native == std::endian::little);
    std::u16string result(bytes.size(), u'\0');
    // ASCII is the same in CP932; most settings lines and many card lines are nothing else.
    size_t ascii = 0;
    while (ascii < bytes.size() && static_cast<unsigned char>(bytes[ascii]) < 0x80) {
        result[ascii] = static_cast<char16_t>(bytes[ascii]);
        ++ascii;
    }
    if (ascii == bytes.size()) return result;
    // An ASCII byte is never the first of two, so iconv takes over where the run ends.
    char* out = reinterpret_cast<char*>(result.data() + ascii);
    size_t outLeft = (result.size() - ascii) * sizeof(char16_t);
    char* in = const_cast<char*>(bytes.data()) + ascii;
    size_t inLeft = bytes.size() - ascii;
    iconv_t cd = Cp932ToUtf16().Descriptor();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1)) break;
        // An invalid or cut-off sequence: one replacement character, then on with the next byte.
        *reinterpret_cast<char16_t*>(out) = u'\uFFFD';
        out += sizeof(char16_t);
        outLeft -= sizeof(char16_t);
        ++in;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    result.resize(result.size() - outLeft / sizeof(char16_t));
    return result;
}

std::string EncodeCp932(std::u16string_view text) {
    std::string le;
    le.reserve(text.size() * 2);
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t unit = text[i];
        // iconv drops the tag characters U+E0000..U+E007F without a word; like every other
        // character CP932 lacks they become "?", so no character vanishes.
        if (unit == 0xDB40 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xDC80) {
            unit = u'?';
            ++i;
        }
        le += static_cast<char>(unit & 0xFF);
        le += static_cast<char>(unit >> 8);
    }
    std::string result;
    result.reserve(text.size() * 2);
    char* in = le.data();
    size_t inLeft = le.size();
    while (inLeft > 0) {
        bool complete = Utf16ToCp932().Run(in, inLeft, result);
        if (!complete) {
            result += '?';
            // Skip the whole character: a surrogate pair counts as one, an unpaired
            // surrogate alone, so the character after it is kept.
            const auto unitAt = [&](size_t k) {
                return static_cast<char16_t>(static_cast<unsigned char>(in[k]) |
                                             (static_cast<unsigned char>(in[k + 1]) << 8));
            };
            size_t skip = 2;
            if (IsHighSurrogate(unitAt(0)) && inLeft >= 4 && IsLowSurrogate(unitAt(2))) skip = 4;
            in += skip;
            inLeft -= skip;
        }
    }
    return result;
}

std::u16string FromUtf8(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        char32_t cp;
        size_t n;
        if (c < 0x80) {
            cp = c;
            n = 1;
        } else if ((c & 0xE0) == 0xC0) {
            cp = c & 0x1F;
            n = 2;
        } else if ((c & 0xF0) == 0xE0) {
            cp = c & 0x0F;
            n = 3;
        } else {
            cp = c & 0x07;
            n = 4;
        }
        if (i + n > utf8.size()) {
            out += u'\uFFFD';
            break;
        }
        for (size_t k = 1; k < n; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
        i += n;
    }
    return out;
}

std::string ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 3);
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (IsHighSurrogate(text[i]) || IsLowSurrogate(text[i])) {
            cp = u'?';  // UTF-8 cannot hold half a pair
        }
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
    return out;
}

}  // namespace zemlo

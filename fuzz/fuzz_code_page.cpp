// The CP932 codec and the UTF-8 helpers on any bytes and any UTF-16 text.
#include <algorithm>

#include "fuzz_input.h"
#include "platform/code_page.h"
#include "platform/cp932_decoder.h"

namespace {

bool IsSurrogate(char16_t c) {
    return c >= 0xD800 && c < 0xE000;
}

// Characters of a text, a surrogate pair counting as one.
size_t Characters(std::u16string_view text) {
    size_t count = 0;
    for (size_t i = 0; i < text.size(); ++i, ++count) {
        if (text[i] >= 0xD800 && text[i] < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            ++i;
        }
    }
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes = zemlo::fuzz::Bytes(data, size);
    const std::u16string decoded = zemlo::DecodeCp932(bytes);
    ZEMLO_FUZZ_CHECK(decoded.size() <= bytes.size());
    // The loader's table decoder answers exactly as iconv does.
    const zemlo::Cp932Decoder& decoder = zemlo::Cp932Decoder::Instance();
    ZEMLO_FUZZ_CHECK(decoder.Decode(bytes) == decoded);
    // Line by line, the card loader's reader gives what Decode gives of each line's bytes
    // and stops at the line's end.
    std::u16string line(bytes.size(), u'\0');
    for (size_t start = 0; start <= bytes.size();) {
        const size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        size_t pos = start;
        const size_t n = decoder.DecodeLine(bytes, pos, line.data());
        ZEMLO_FUZZ_CHECK(pos == end);
        ZEMLO_FUZZ_CHECK(line.substr(0, n) == decoder.Decode(bytes.substr(start, end - start)));
        start = end + 1;
    }

    // Every character encodes as itself or as one "?": nothing is dropped or doubled.
    const std::u16string text = zemlo::fuzz::Units(data, size);
    ZEMLO_FUZZ_CHECK(zemlo::DecodeCp932(zemlo::EncodeCp932(text)).size() == Characters(text));

    // UTF-8 keeps every character; a lone surrogate becomes "?".
    const std::u16string back = zemlo::FromUtf8(zemlo::ToUtf8(text));
    ZEMLO_FUZZ_CHECK(back.size() == text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const bool paired = (i + 1 < text.size() && text[i] < 0xDC00 && IsSurrogate(text[i]) &&
                             text[i + 1] >= 0xDC00 && IsSurrogate(text[i + 1])) ||
                            (i > 0 && text[i] >= 0xDC00 && IsSurrogate(text[i]) &&
                             text[i - 1] < 0xDC00 && IsSurrogate(text[i - 1]));
        ZEMLO_FUZZ_CHECK(back[i] == text[i] ||
                         (IsSurrogate(text[i]) && !paired && back[i] == u'?'));
    }
    return 0;
}

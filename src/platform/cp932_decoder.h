// A CP932 decoder that gives exactly what DecodeCp932 gives, without a call into iconv per
// character: the code page's answers for every byte and byte pair are asked from iconv once
// and kept in a table. The card data loader decodes tens of megabytes with it.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace zemlo {

class Cp932Decoder {
public:
    // The one table of the process, built on first use.
    static const Cp932Decoder& Instance();

    // Appends the UTF-16 of bytes to out. An invalid or cut-off sequence becomes U+FFFD and
    // decoding goes on with the next byte, as DecodeCp932 does.
    void AppendTo(std::string_view bytes, std::u16string& out) const;
    std::u16string Decode(std::string_view bytes) const;

    // For readers of text lines, which end at CR or LF (single bytes that no character's
    // second byte can be). Both go from pos and stop at the line's end: the first CR or LF
    // at pos or after it, or the end of bytes. DecodeLine writes the characters before it to
    // out, which has room for as many characters as bytes are left, and returns how many it
    // wrote; SkipInLine passes over count characters unread, fewer where the line ends
    // first. Characters are what Decode makes of the bytes, one UTF-16 unit each.
    size_t DecodeLine(std::string_view bytes, size_t& pos, char16_t* out) const;
    // Returns true when it passed over count characters that the same bytes make wherever
    // they stand (their last byte is not a first byte waiting for a second): a reader may
    // then pass over the same bytes at the start of another line without decoding them.
    bool SkipInLine(std::string_view bytes, size_t& pos, size_t count) const;

private:
    Cp932Decoder();

    // An entry of words_: the character in the low 16 bits, whether it is a line end, or
    // U+FFFD for a lead byte that makes no pair, and how many bytes it takes in the top two.
    static constexpr uint32_t kLineEndBit = 1u << 16;
    static constexpr uint32_t kLoneLeadBit = 1u << 17;
    static constexpr int kLengthShift = 30;

    // The two bytes at `at` as an index of words_, the first in the low byte: one load.
    static uint32_t PairAt(const unsigned char* at) {
        uint16_t pair;
        std::memcpy(&pair, at, sizeof pair);
        if constexpr (std::endian::native == std::endian::big)
            pair = static_cast<uint16_t>(pair >> 8 | pair << 8);
        return pair;
    }

    // The entry for the character that starts at in[i], of n bytes.
    static uint32_t Word(const uint32_t* words, const unsigned char* in, size_t i, size_t n) {
        return words[in[i] | (i + 1 < n ? in[i + 1] : 0u) << 8];
    }

    // One entry for every two bytes, the first in the low byte of the index: one look-up a
    // character, whichever its length.
    std::vector<uint32_t> words_;
    // For each first byte, the bytes of a character it begins when the byte after it makes
    // a pair with it: 2 for a lead byte, 1 for any other.
    std::array<uint8_t, 256> steps_{};
};

}  // namespace zemlo

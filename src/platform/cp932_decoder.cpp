#include "platform/cp932_decoder.h"

#include <array>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/code_page.h"

namespace zemlo {

const Cp932Decoder& Cp932Decoder::Instance() {
    static const Cp932Decoder decoder;
    return decoder;
}

Cp932Decoder::Cp932Decoder() : words_(65536) {
    // What a byte is when it comes first: a character of its own, or the index of its row
    // of second bytes in pairs (kLeadBit set), or nothing valid.
    constexpr uint32_t kInvalid = 0xFFFFFFFF;
    constexpr uint32_t kLeadBit = 0x10000;
    std::array<uint32_t, 256> first;
    std::vector<uint32_t> pairs;
    // A byte alone: iconv's one character, or U+FFFD for a lead byte or an invalid byte.
    std::vector<int> candidates;
    for (int b = 0; b < 256; ++b) {
        const std::u16string one = DecodeCp932(std::string(1, static_cast<char>(b)));
        if (one.size() == 1 && one[0] != u'\uFFFD') {
            first[b] = one[0];
        } else {
            first[b] = kInvalid;
            candidates.push_back(b);
        }
    }
    // Every pair behind a byte that is no character alone, in one conversion: "b t LF" for
    // each second byte t. A valid pair gives its one character before the LF; an invalid
    // one gives U+FFFD followed by whatever t gives, two units or more.
    std::string probe;
    for (int b : candidates) {
        for (int t = 0; t < 256; ++t) {
            if (t == '\n') continue;
            probe += static_cast<char>(b);
            probe += static_cast<char>(t);
            probe += '\n';
        }
    }
    const std::u16string answers = DecodeCp932(probe);
    size_t pos = 0;
    auto nextSegment = [&]() {
        const size_t end = answers.find(u'\n', pos);
        std::u16string_view segment(answers.data() + pos, end - pos);
        pos = end + 1;
        return segment;
    };
    for (int b : candidates) {
        std::array<uint32_t, 256> row;
        row.fill(kInvalid);
        bool lead = false;
        for (int t = 0; t < 256; ++t) {
            std::u16string_view segment;
            std::u16string pairWithLf;
            if (t == '\n') {
                pairWithLf = DecodeCp932(std::string{static_cast<char>(b), '\n'});
                segment = pairWithLf;
                if (segment.size() != 1) continue;  // U+FFFD and the LF: not a pair
            } else {
                segment = nextSegment();
            }
            if (segment.size() == 1 && segment[0] != u'\uFFFD') {
                row[t] = segment[0];
                lead = true;
            }
        }
        if (lead) {
            first[b] = kLeadBit | static_cast<uint32_t>(pairs.size() / 256);
            pairs.insert(pairs.end(), row.begin(), row.end());
        }
    }
    // Every two bytes, the second after the first: the character the first begins, and how
    // many of the two it takes. A byte last of all stands as if a 0 came after it, which is
    // no lead byte's second byte.
    for (uint32_t a = 0; a < 256; ++a) {
        for (uint32_t b = 0; b < 256; ++b) {
            uint32_t word = 1u << kLengthShift | 0xFFFD;
            if (first[a] < kLeadBit) {
                word = 1u << kLengthShift | first[a];
                if (a == '\r' || a == '\n') word |= kLineEndBit;
            } else if (first[a] != kInvalid) {
                const uint32_t pair = pairs[(first[a] & 0xFFFF) * 256 + b];
                word = pair != kInvalid ? 2u << kLengthShift | pair : word | kLoneLeadBit;
            }
            words_[a | b << 8] = word;
        }
        steps_[a] = first[a] != kInvalid && first[a] >= kLeadBit ? 2 : 1;
    }
}

void Cp932Decoder::AppendTo(std::string_view bytes, std::u16string& out) const {
    const size_t start = out.size();
    out.resize(start + bytes.size());  // never more units than bytes
    char16_t* dst = out.data() + start;
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const uint32_t* words = words_.data();
    const size_t n = bytes.size();
    for (size_t i = 0; i < n;) {
        const uint32_t word = Word(words, in, i, n);
        *dst++ = static_cast<char16_t>(word);
        i += word >> kLengthShift;
    }
    out.resize(static_cast<size_t>(dst - out.data()));
}

size_t Cp932Decoder::DecodeLine(std::string_view bytes, size_t& pos, char16_t* out) const {
    char16_t* dst = out;
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const uint32_t* words = words_.data();
    const size_t n = bytes.size();
    size_t i = pos;
#if defined(__SSE2__)
    // Sixteen bytes at a time: which of them are lead bytes and where the line ends come
    // from one comparison each, so the next character's start is a bit of a register away,
    // not a load; the characters themselves are looked up one by one. The seventeenth byte
    // must be there for a pair that starts at the sixteenth.
    const __m128i leadLow = _mm_set1_epi8(static_cast<char>(0x81));
    const __m128i leadHigh = _mm_set1_epi8(static_cast<char>(0xE0));
    const __m128i lowSpan = _mm_set1_epi8(0x9F - 0x81);
    const __m128i highSpan = _mm_set1_epi8(0xFC - 0xE0);
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    while (i + 17 <= n) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        // x - low <= span, unsigned, as min(x - low, span) == x - low.
        const __m128i low = _mm_sub_epi8(block, leadLow);
        const __m128i high = _mm_sub_epi8(block, leadHigh);
        const uint32_t leads = static_cast<uint32_t>(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(_mm_min_epu8(low, lowSpan), low),
                                           _mm_cmpeq_epi8(_mm_min_epu8(high, highSpan), high))));
        const uint32_t ends = static_cast<uint32_t>(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(block, cr), _mm_cmpeq_epi8(block, lf))));
        // No pair holds a CR or LF, so the characters meet the line end exactly.
        const uint32_t limit = ends != 0 ? static_cast<uint32_t>(std::countr_zero(ends)) : 16;
        const uint32_t stop = 1u << limit;
        // The byte where the next character starts, as a single bit: one place on, two past a
        // lead byte. Adding and shifting, the next start waits on nothing slower.
        uint32_t at = 1;
        while (at < stop) {
            const uint32_t p = static_cast<uint32_t>(__builtin_ctz(at));  // at is never 0
            const uint32_t word = words[PairAt(in + i + p)];
            *dst++ = static_cast<char16_t>(word);
            const uint32_t lead = leads & at;
            uint32_t next = (at + lead) << 1;
            // Hidden from the optimiser, which would otherwise take the table's length (equal
            // where the branch is not taken) and make the next character wait on the table.
            asm("" : "+r"(next));
            // A length of 2 is the top bit of the entry, a length of 1 the one below it.
            if ((word >> (kLengthShift + 1)) != static_cast<uint32_t>(lead != 0)) [[unlikely]] {
                // A lead byte without its pair, or a byte the code page takes otherwise than
                // its range says: the table knows. The empty statement keeps this a branch,
                // as in the loop below.
                asm volatile("");
                next = at << (word >> kLengthShift);
            }
            at = next;
        }
        const uint32_t p = static_cast<uint32_t>(std::countr_zero(at));
        i += p;
        if (ends != 0) {
            pos = i;
            return static_cast<size_t>(dst - out);
        }
    }
#endif
    // The next character is taken to start after as many bytes as its first byte begins
    // when it makes a pair: that comes from a small table, so the look-up in the large one
    // is not waited for before the next character, and only a pair that is not one (rare)
    // corrects the step.
    const uint8_t* steps = steps_.data();
    // Two bytes are there but for the last byte of all, which follows alone.
    while (i + 1 < n) {
        const uint32_t step = steps[in[i]];
        const uint32_t word = words[in[i] | in[i + 1] << 8];
        if (word & kLineEndBit) break;
        *dst++ = static_cast<char16_t>(word);
        if ((word >> kLengthShift) != step) [[unlikely]] {
            // A lead byte without its pair: U+FFFD, then the next byte. The empty statement
            // keeps this a branch: made a conditional move, the step would wait on the
            // large table again.
            asm volatile("");
            i += 1;
            continue;
        }
        i += step;
    }
    if (i + 1 == n) {
        const uint32_t word = Word(words, in, i, n);
        if (!(word & kLineEndBit)) {
            *dst++ = static_cast<char16_t>(word);
            ++i;
        }
    }
    pos = i;
    return static_cast<size_t>(dst - out);
}

bool Cp932Decoder::SkipInLine(std::string_view bytes, size_t& pos, size_t count) const {
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const uint32_t* words = words_.data();
    const size_t n = bytes.size();
    size_t i = pos;
    size_t c = 0;
    // Whether the last character passed over was made without the byte after it.
    bool whole = true;
    for (; c < count && i < n; ++c) {
        const uint32_t word = Word(words, in, i, n);
        if (word & kLineEndBit) break;
        whole = (word & kLoneLeadBit) == 0;
        i += word >> kLengthShift;
    }
    pos = i;
    return c == count && whole;
}

std::u16string Cp932Decoder::Decode(std::string_view bytes) const {
    std::u16string out;
    AppendTo(bytes, out);
    return out;
}

}  // namespace zemlo

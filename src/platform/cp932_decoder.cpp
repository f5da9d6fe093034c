#include "platform/cp932_decoder.h"

#include "platform/code_page.h"

namespace zemlo {

const Cp932Decoder& Cp932Decoder::Instance() {
    static const Cp932Decoder decoder;
    return decoder;
}

Cp932Decoder::Cp932Decoder() {
    // A byte alone: iconv's one character, or U+FFFD for a lead byte or an invalid byte.
    std::vector<int> candidates;
    for (int b = 0; b < 256; ++b) {
        const std::u16string one = DecodeCp932(std::string(1, static_cast<char>(b)));
        if (one.size() == 1 && one[0] != u'\uFFFD') {
            first_[b] = one[0];
        } else {
            first_[b] = kInvalid;
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
            first_[b] = kLeadBit | static_cast<uint32_t>(pairs_.size() / 256);
            pairs_.insert(pairs_.end(), row.begin(), row.end());
        }
    }
}

void Cp932Decoder::AppendTo(std::string_view bytes, std::u16string& out) const {
    const size_t start = out.size();
    out.resize(start + bytes.size());  // never more units than bytes
    char16_t* dst = out.data() + start;
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const size_t n = bytes.size();
    size_t i = 0;
    while (i < n) {
        const uint32_t first = first_[in[i]];
        if (first < kLeadBit) {
            *dst++ = static_cast<char16_t>(first);
            ++i;
        } else if (first != kInvalid && i + 1 < n) {
            const uint32_t pair = pairs_[(first & 0xFFFF) * 256 + in[i + 1]];
            if (pair != kInvalid) {
                *dst++ = static_cast<char16_t>(pair);
                i += 2;
            } else {
                *dst++ = u'\uFFFD';
                ++i;
            }
        } else {
            *dst++ = u'\uFFFD';
            ++i;
        }
    }
    out.resize(static_cast<size_t>(dst - out.data()));
}

std::u16string Cp932Decoder::Decode(std::string_view bytes) const {
    std::u16string out;
    AppendTo(bytes, out);
    return out;
}

}  // namespace zemlo

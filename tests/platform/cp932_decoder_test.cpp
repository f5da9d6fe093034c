#include "platform/cp932_decoder.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/code_page.h"

namespace zemlo {
namespace {

// The table must answer exactly as iconv does for every byte pair, whether the pair ends
// the input or a character follows it.
TEST(Cp932Decoder, AgreesWithIconvOnEveryBytePair) {
    const Cp932Decoder& decoder = Cp932Decoder::Instance();
    int mismatches = 0;
    for (int a = 0; a < 256; ++a) {
        for (int b = 0; b < 256; ++b) {
            const std::string pair{static_cast<char>(a), static_cast<char>(b)};
            for (const std::string& bytes : {pair, pair + "A", pair.substr(0, 1)}) {
                const std::u16string decoded = DecodeCp932(bytes);
                if (decoder.Decode(bytes) != decoded && ++mismatches < 5) {
                    ADD_FAILURE() << std::hex << a << " " << b << " (" << bytes.size() << ")";
                }
                // The line reader, up to the first CR or LF (which no pair holds).
                const size_t end = std::min(bytes.find_first_of("\r\n"), bytes.size());
                std::u16string line(bytes.size(), u'\0');
                size_t pos = 0;
                line.resize(decoder.DecodeLine(bytes, pos, line.data()));
                if ((pos != end || line != DecodeCp932(bytes.substr(0, end))) && ++mismatches < 5) {
                    ADD_FAILURE() << "line " << std::hex << a << " " << b << " (" << bytes.size()
                                  << ")";
                }
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

// The line reader takes long lines several bytes at a time: every first byte followed by
// every second byte, starting at each place of such a step, must still read as iconv reads
// it, and the line must end at its CR.
TEST(Cp932Decoder, LongLinesAgreeWithIconvWhereverAPairFalls) {
    const Cp932Decoder& decoder = Cp932Decoder::Instance();
    int mismatches = 0;
    for (int a = 0; a < 256; ++a) {
        if (a == '\r' || a == '\n') continue;
        for (size_t shift = 0; shift < 17; ++shift) {
            std::string text(shift, 'x');
            for (int b = 0; b < 256; ++b) {
                if (b == '\r' || b == '\n') continue;
                text += static_cast<char>(a);
                text += static_cast<char>(b);
            }
            const std::string line = text + "\r\nx";
            std::u16string decoded(line.size(), u'\0');
            size_t pos = 0;
            decoded.resize(decoder.DecodeLine(line, pos, decoded.data()));
            if ((pos != text.size() || decoded != DecodeCp932(text)) && ++mismatches < 5) {
                ADD_FAILURE() << std::hex << a << " after " << std::dec << shift;
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(Cp932Decoder, AppendsAfterWhatTheOutputHolds) {
    std::u16string out = u"x";
    Cp932Decoder::Instance().AppendTo("\x81\x7C\x81", out);  // the empty mark, a cut-off lead
    EXPECT_EQ(out, u"x\uFF0D\uFFFD");
}

// The line reader's two steps: passing over a label and decoding the rest of its line. Both
// stop at a CR or LF, and passing over says whether the bytes passed over make the same
// characters wherever they stand, which a first byte waiting for its second does not.
TEST(Cp932Decoder, LineStepsStopAtLineEndsAndTellBytesThatDependOnTheNext) {
    const Cp932Decoder& decoder = Cp932Decoder::Instance();
    const std::string line = EncodeCp932(u"名称：甲") + "\r\nx";
    size_t pos = 0;
    EXPECT_TRUE(decoder.SkipInLine(line, pos, 3));
    EXPECT_EQ(pos, 6u);
    std::u16string out(line.size(), u'\0');
    ASSERT_EQ(decoder.DecodeLine(line, pos, out.data()), 1u);
    EXPECT_EQ(out[0], u'\u7532');
    EXPECT_EQ(pos, 8u);  // at the CR
    pos = 0;
    EXPECT_FALSE(decoder.SkipInLine(line, pos, 5));  // the line holds four characters
    EXPECT_EQ(pos, 8u);

    // 81 20: a first byte whose second is no second byte, then a blank.
    const std::string lone = "\x81 \x81";
    pos = 0;
    EXPECT_FALSE(decoder.SkipInLine(lone, pos, 1));
    EXPECT_EQ(pos, 1u);
    EXPECT_TRUE(decoder.SkipInLine(lone, pos, 1));
    EXPECT_FALSE(decoder.SkipInLine(lone, pos, 1));  // cut off by the end
    pos = 0;
    ASSERT_EQ(decoder.DecodeLine(lone, pos, out.data()), 3u);
    EXPECT_EQ(out.substr(0, 3), u"\uFFFD \uFFFD");
}

}  // namespace
}  // namespace zemlo

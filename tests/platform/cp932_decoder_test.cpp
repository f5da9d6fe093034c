#include "platform/cp932_decoder.h"

#include <gtest/gtest.h>

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
                if (decoder.Decode(bytes) != DecodeCp932(bytes) && ++mismatches < 5) {
                    ADD_FAILURE() << std::hex << a << " " << b << " (" << bytes.size() << ")";
                }
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

}  // namespace
}  // namespace zemlo

#include "platform/code_page.h"

#include <gtest/gtest.h>

#include "platform/text_lines.h"

namespace zemlo {
namespace {

TEST(CodePage, EmptyFieldMarkAndBackslashRoundTrip) {
    // 81 7C is the data's empty-field mark; a strict Shift_JIS table would give U+2212.
    EXPECT_EQ(DecodeCp932("\x81\x7C"), u"\uFF0D");
    EXPECT_EQ(EncodeCp932(u"\uFF0D"), "\x81\x7C");
    // 5C is a backslash in CP932, not a yen sign.
    EXPECT_EQ(DecodeCp932("\x5C"), u"\\");
    EXPECT_EQ(EncodeCp932(u"C:\\deck"), "C:\\deck");
}

TEST(CodePage, UnpairedSurrogateBecomesOneQuestionMarkAndNothingElseIsLost) {
    const std::u16string text{0xD800, u'A', u'B', 0xDC00, u'C', 0xD800};
    EXPECT_EQ(EncodeCp932(text), "?AB?C?");
    EXPECT_EQ(ToUtf8(text), "?AB?C?");
    // A whole pair outside CP932 is still one character, the tag characters included
    // (U+E0045, which iconv alone would drop).
    EXPECT_EQ(EncodeCp932(std::u16string{u'A', 0xD83D, 0xDE00, u'B'}), "A?B");
    EXPECT_EQ(EncodeCp932(std::u16string{u'A', 0xDB40, 0xDC45, u'B'}), "A?B");
    EXPECT_EQ(ToUtf8(std::u16string{0xD83D, 0xDE00}), "\xF0\x9F\x98\x80");
}

TEST(CodePage, HalfWidthKatakanaAndKanji) {
    const std::u16string text = FromUtf8("ﾃﾞｯｷ作成支援ツール（ＺＭ）");
    EXPECT_EQ(DecodeCp932(EncodeCp932(text)), text);
    EXPECT_EQ(EncodeCp932(u"\uFF83").size(), 1u);  // half-width katakana is one byte
}

TEST(CodePage, InvalidBytesBecomeReplacementAndDecodingGoesOn) {
    // 0x81 followed by 0x20 is no valid pair; 0xA0 is unassigned in CP932.
    const std::u16string decoded = DecodeCp932(std::string("A\x81 B") + "\xA0" + "C");
    EXPECT_EQ(decoded.front(), u'A');
    EXPECT_EQ(decoded.back(), u'C');
    EXPECT_NE(decoded.find(u'\uFFFD'), std::u16string::npos);
    EXPECT_NE(decoded.find(u'B'), std::u16string::npos);
    // A lead byte cut off by the end of the data.
    EXPECT_EQ(DecodeCp932("xy\x82"), u"xy\uFFFD");
}

TEST(CodePage, UnencodableCharacterBecomesQuestionMark) {
    EXPECT_EQ(EncodeCp932(u"a\U0001F600b"), "a?b");
    EXPECT_EQ(EncodeCp932(u"\u00E9"), "?");
}

TEST(CodePage, Utf8HelpersRoundTrip) {
    const std::string s = "所属：ＯＺ [Ｂ] \xF0\x9F\x98\x80";
    EXPECT_EQ(ToUtf8(FromUtf8(s)), s);
}

TEST(SplitLines, AcceptsEveryLineEnd) {
    EXPECT_EQ(SplitLines(u"a\r\nb\rc\nd"), (std::vector<std::u16string>{u"a", u"b", u"c", u"d"}));
    EXPECT_EQ(SplitLines(u"a\r\n\r\nb\r\n"), (std::vector<std::u16string>{u"a", u"", u"b"}));
    EXPECT_TRUE(SplitLines(u"").empty());
}

TEST(OneLineText, ControlCharactersBecomeBlanksAndTheEndsAreTrimmed) {
    EXPECT_EQ(OneLineText(u" a\r\nb\t\x7f "), u"a  b");
}

}  // namespace
}  // namespace zemlo

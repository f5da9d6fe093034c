// The forgiving name search with Qt's normalisation.
#include "tools/search_fold.h"

#include <gtest/gtest.h>

#include "support/card_builder.h"
#include "tools/qt_normaliser.h"

namespace zemlo {
namespace {

using test::U;

class SearchFoldTest : public ::testing::Test {
protected:
    // Whether text finds entry with the folding, and without it.
    bool FoldedFinds(std::string_view text, std::string_view name) const {
        const std::u16string entry = u"ZM0001   " + U(name);
        return FoldedSeekStep(
                   1, -1, true, U(text), [&](int) { return std::u16string_view(entry); }, fold) ==
               0;
    }
    bool ExactFinds(std::string_view text, std::string_view name) const {
        const std::u16string entry = u"ZM0001   " + U(name);
        const std::u16string needle = U(text);
        return SeekStep(1, -1, true, needle, [&](int) { return std::u16string_view(entry); }) == 0;
    }

    SearchFold fold{NfkcThroughQt};
};

TEST_F(SearchFoldTest, KanaWidthAndCaseFindOneAnother) {
    const char* const spellings[][3] = {{"ﾐﾗﾙ", "ミラル", "みらる"},
                                        {"ｶﾞﾛﾝﾃ", "ガロンテ", "がろんて"},
                                        {"ＭＩＲＡ", "mira", "MiRa"}};
    for (const auto& group : spellings) {
        for (const char* text : group) {
            for (const char* name : group) {
                EXPECT_TRUE(FoldedFinds(text, name)) << text << " / " << name;
                if (std::string_view(text) != name) {
                    EXPECT_FALSE(ExactFinds(text, name)) << text << " / " << name;
                }
            }
        }
    }
}

TEST_F(SearchFoldTest, AVoicedMarkWrittenApartJoinsItsKana) {
    EXPECT_TRUE(FoldedFinds("カ゛ロ", "ガロンテ"));
    EXPECT_TRUE(FoldedFinds("ガロ", "か\u3099ろんて"));
    EXPECT_TRUE(FoldedFinds("ﾊﾟﾙ", "は゜る"));
    EXPECT_FALSE(FoldedFinds("カロ", "ガロンテ"));
    EXPECT_FALSE(FoldedFinds("ZM0001", "ガロンテ"));  // card numbers stay out of reach
}

TEST_F(SearchFoldTest, FoldingIsAFixedPointBlindToNormalisationAndNoByteOrderMark) {
    const std::vector<std::u16string> texts = {
        u"\uFEFFミラル",  // a leading U+FEFF is a character, not a byte-order mark
        u"\uFFFEabc",     // as is U+FFFE
        u"\uFF2F\u0300",  // Ｏ and a combining grave: as Ò, whatever the case step does
        u"\u00D2",        // Ò
        u"\u308F\u3099",  // わ and a voiced mark: ヷ once it is katakana
        u"W\u030A",       // W and a ring: w with a ring composes only in small letters
        u"\uFF76\uFF9E \u30AB\u309B",  // half-width ｶﾞ, and カ with a spacing voiced mark
        u"\u30AB  \u309B",             // blanks between the kana and its mark
        u"\u30AB\u309B\u309B",         // two marks
        u"\u30AB \u302B  \u309C",  // normalising moves the mark up to a blank before it
        std::u16string{char16_t(0xD800), u'x', char16_t(0xDC00)},  // lone surrogates
    };
    for (const std::u16string& text : texts) {
        SCOPED_TRACE(test::U8(text));
        const std::u16string folded = fold.Fold(text);
        EXPECT_EQ(fold.Fold(folded), folded);
        EXPECT_EQ(fold.Fold(NfkcThroughQt(text)), folded);
    }
    EXPECT_EQ(fold.Fold(u"\uFEFFミラル"), u"\uFEFFミラル");
    EXPECT_EQ(fold.Fold(u"\uFFFEabc"), u"\uFFFEabc");
    EXPECT_EQ(fold.Fold(u"\uFF2F\u0300"), fold.Fold(u"\u00D2"));
    EXPECT_EQ(fold.Fold(u"\u308F\u3099"), u"\u30F7");
    EXPECT_EQ(fold.Fold(u"\uFF76\uFF9E \u30AB\u309B"), u"ガ ガ");
}

}  // namespace
}  // namespace zemlo

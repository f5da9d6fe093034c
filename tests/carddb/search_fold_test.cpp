// The forgiving fold with Qt's normalisation.
#include "carddb/search_fold.h"

#include <gtest/gtest.h>

#include "carddb/qt_normaliser.h"
#include "support/card_builder.h"

namespace zemlo {
namespace {

using test::U;

class SearchFoldTest : public ::testing::Test {
protected:
    // Whether the folded name contains the folded text, and whether the name contains it as
    // typed.
    bool FoldedFinds(std::string_view text, std::string_view name) const {
        return fold.Fold(U(name)).find(fold.Fold(U(text))) != std::u16string::npos;
    }
    static bool ExactFinds(std::string_view text, std::string_view name) {
        return U(name).find(U(text)) != std::u16string::npos;
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
        u"\u30AB \u302B  \u309C",      // normalising moves the mark up to a blank before it
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

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

}  // namespace
}  // namespace zemlo

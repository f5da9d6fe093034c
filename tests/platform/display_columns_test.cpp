#include "platform/display_columns.h"

#include <gtest/gtest.h>

#include <string>

namespace zemlo {
namespace {

// Texts are counted several characters at a time: the characters at the edges of the
// narrow ranges, at every place of such a step and in the rest after the last one.
TEST(DisplayColumns, NarrowRangesEndWhereTheySayWhereverACharacterStands) {
    const struct {
        char16_t c;
        int columns;
    } edges[] = {{0x0000, 1}, {0x007F, 1}, {0x0080, 2}, {0x3042, 2}, {0x7FFF, 2}, {0x8000, 2},
                 {0xFF60, 2}, {0xFF61, 1}, {0xFF9F, 1}, {0xFFA0, 2}, {0xFFFF, 2}};
    for (const auto& edge : edges) {
        for (size_t length = 1; length < 40; ++length) {
            for (size_t at = 0; at < length; ++at) {
                std::u16string text(length, u'あ');
                text[at] = edge.c;
                ASSERT_EQ(DisplayColumns(text), 2 * static_cast<int>(length) - 2 + edge.columns)
                    << std::hex << static_cast<int>(edge.c) << std::dec << " at " << at << " of "
                    << length;
            }
        }
    }
    EXPECT_EQ(DisplayColumns(u""), 0);
    // More narrow characters than one lane of the count holds before it is added up.
    EXPECT_EQ(DisplayColumns(std::u16string(300001, u'a') + u"ｱ字"), 300004);
}

}  // namespace
}  // namespace zemlo

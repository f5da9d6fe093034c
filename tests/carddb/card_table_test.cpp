#include "carddb/card_table.h"

#include <gtest/gtest.h>

namespace zemlo {
namespace {

TEST(CardTable, CellsKeepTheirTextsThroughShorterLongerAndMarkWrites) {
    CardTable table(4);
    for (int r = 0; r < 3; ++r) {
        table.AppendRecord();
        table.MutableCell(1, r) = u"ZM" + std::u16string(1, u'0' + r);
        table.MutableCell(2, r) = u"name";
    }
    table.MutableCell(2, 1) = u"nm";             // shorter: in place
    table.MutableCell(2, 0) = u"a longer name";  // longer: moved
    table.MutableCell(3, 2) = u"last";
    for (int pass = 0; pass < 2; ++pass) {
        for (int r = 0; r < 3; ++r) table.MutableCell(0, r) = (r + pass) % 2 ? u"1" : u"0";
    }
    table.MutableCell(0, 1) = u"";
    EXPECT_EQ(table.Cell(2, 0), u"a longer name");
    EXPECT_EQ(table.Cell(2, 1), u"nm");
    EXPECT_EQ(table.Cell(2, 2), u"name");
    EXPECT_EQ(table.Cell(3, 2), u"last");
    EXPECT_EQ(table.Cell(3, 0), u"");
    EXPECT_EQ(table.Cell(0, 0), u"1");
    EXPECT_EQ(table.Cell(0, 1), u"");
    EXPECT_EQ(table.Cell(0, 2), u"1");
    EXPECT_EQ(table.Cell(1, 2), u"ZM2");
    // Repeated pass marks never grow the text.
    const size_t size = table.TextSize();
    for (int r = 0; r < 3; ++r) table.MutableCell(0, r) = u"0";
    EXPECT_EQ(table.TextSize(), size);
}

TEST(CardTable, FindCardNoGivesTheFirstRecordAndFollowsChanges) {
    CardTable table(2);
    for (const char16_t* no : {u"ZM1", u"ZM2", u"ZM1", u""}) {
        const int r = table.AppendRecord();
        table.MutableCell(1, r) = no;
    }
    EXPECT_EQ(table.FindCardNo(u"ZM1"), 0);
    EXPECT_EQ(table.FindCardNo(u"ZM2"), 1);
    EXPECT_EQ(table.FindCardNo(u""), 3);
    EXPECT_EQ(table.FindCardNo(u"zm1"), -1);
    table.MutableCell(1, 0) = u"ZM9";
    EXPECT_EQ(table.FindCardNo(u"ZM1"), 2);
    EXPECT_EQ(table.FindCardNo(u"ZM9"), 0);
    const int r = table.AppendRecord();
    table.MutableCell(1, r) = u"ZM5";
    EXPECT_EQ(table.FindCardNo(u"ZM5"), r);
    table.Clear();
    EXPECT_EQ(table.FindCardNo(u"ZM9"), -1);
}

}  // namespace
}  // namespace zemlo

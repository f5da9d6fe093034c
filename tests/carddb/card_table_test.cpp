#include "carddb/card_table.h"

#include <gtest/gtest.h>

#include <vector>

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
    // Writes no longer than what a cell holds stay in place.
    const size_t size = table.TextSize();
    for (int r = 0; r < 3; r += 2) table.MutableCell(0, r) = u"0";
    table.MutableCell(2, 0) = u"short";
    EXPECT_EQ(table.TextSize(), size);
    EXPECT_EQ(table.Cell(0, 0), u"0");
    EXPECT_EQ(table.Cell(2, 0), u"short");
}

// Records written field after field, as the loader writes them, with fields left empty
// between, at the end and in a whole record; then taken back to a mark and written on.
TEST(CardTable, InOrderWritesKeepEveryCellAndTakeBackToAMark) {
    CardTable table(4);
    const auto add = [&table](std::u16string_view no, std::u16string_view name) {
        const int r = table.AppendRecord();
        table.MutableCell(1, r) = no;
        table.MutableCell(3, r) = name;
    };
    add(u"ZM1", u"one");
    table.AppendRecord();
    add(u"ZM3", u"");
    const size_t text = table.TextSize();
    add(u"ZM4", u"four");
    EXPECT_EQ(text, 9u);
    EXPECT_EQ(table.Cell(3, 0), u"one");
    EXPECT_EQ(table.Cell(2, 0), u"");
    for (int f = 0; f < 4; ++f) EXPECT_EQ(table.Cell(f, 1), u"");
    EXPECT_EQ(table.Cell(1, 2), u"ZM3");
    EXPECT_EQ(table.Cell(3, 2), u"");
    EXPECT_EQ(table.Cell(3, 3), u"four");
    table.TruncateTo(3, text);
    ASSERT_EQ(table.Count(), 3);
    EXPECT_EQ(table.Cell(1, 2), u"ZM3");
    EXPECT_EQ(table.Cell(3, 2), u"");
    add(u"ZM5", u"five");
    EXPECT_EQ(table.Cell(1, 3), u"ZM5");
    EXPECT_EQ(table.Cell(3, 3), u"five");
    EXPECT_EQ(table.FindCardNo(u"ZM5"), 3);
    // An earlier record's cell written afterwards: every cell keeps its text.
    table.MutableCell(2, 0) = u"late";
    EXPECT_EQ(table.Cell(2, 0), u"late");
    EXPECT_EQ(table.Cell(3, 0), u"one");
    EXPECT_EQ(table.Cell(1, 3), u"ZM5");
    EXPECT_EQ(table.Cell(3, 3), u"five");
}

// A record written at once, as the loader writes it, while the table is in order and after
// a write out of order: the same cells either way, the fields after the given ones empty.
TEST(CardTable, WholeRecordsGiveTheirFieldsInOrderAndOutOfIt) {
    CardTable table(5);
    const std::vector<uint32_t> ends = {3, 3, 7};
    for (int pass = 0; pass < 2; ++pass) {
        const int r = table.AppendRecord(u"ZM1name", ends);
        EXPECT_EQ(table.Cell(0, r), u"");
        EXPECT_EQ(table.Cell(1, r), u"ZM1");
        EXPECT_EQ(table.Cell(2, r), u"");
        EXPECT_EQ(table.Cell(3, r), u"name");
        EXPECT_EQ(table.Cell(4, r), u"");
        EXPECT_EQ(table.FindCardNo(u"ZM1"), 0);
        table.MutableCell(2, 0) = u"late";  // out of order from here on
    }
    EXPECT_EQ(table.Cell(2, 0), u"late");
    EXPECT_EQ(table.Cell(3, 0), u"name");
    EXPECT_EQ(table.Count(), 2);
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

// Storage taken whole must address nothing outside its text; anything else leaves the table.
TEST(CardTable, AdoptsOnlyWholeStorage) {
    CardTable table(2);
    table.MutableCell(1, table.AppendRecord()) = u"ZM1";
    const auto adopt = [&table](int records, std::vector<uint32_t> starts, std::u16string text) {
        return table.Adopt(records, std::move(starts), std::move(text));
    };
    EXPECT_FALSE(adopt(2, {0, 0, 1, 1}, u"ab"));     // a start missing
    EXPECT_FALSE(adopt(2, {0, 0, 2, 1, 2}, u"ab"));  // one behind the one before
    EXPECT_FALSE(adopt(2, {0, 0, 1, 1, 3}, u"ab"));  // past the text's end
    EXPECT_FALSE(adopt(2, {0, 0, 1, 1, 1}, u"ab"));  // short of it
    EXPECT_FALSE(adopt(2, {1, 1, 1, 1, 2}, u"ab"));  // not from its start
    EXPECT_FALSE(adopt(CardTable::kMaxRecords + 1,
                       std::vector<uint32_t>(2 * CardTable::kMaxRecords + 3), u""));
    EXPECT_EQ(table.Count(), 1);
    EXPECT_EQ(table.FindCardNo(u"ZM1"), 0);
    ASSERT_TRUE(adopt(2, {0, 0, 1, 1, 2}, u"ab"));
    EXPECT_EQ(table.Count(), 2);
    EXPECT_EQ(table.Cell(1, 1), u"b");
    EXPECT_EQ(table.FindCardNo(u"a"), 0);
    EXPECT_EQ(table.Starts().size(), 5u);
}

}  // namespace
}  // namespace zemlo

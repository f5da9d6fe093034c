// The collection file: what is written, byte for byte, and what the forgiving reader takes
// and tells.
#include "collection/collection_csv.h"

#include <gtest/gtest.h>

#include "platform/code_page.h"
#include "support/card_builder.h"

namespace zemlo::test {
namespace {

std::string Utf8File(std::string_view body) {
    return "\xEF\xBB\xBF" + std::string(body);
}

CollectionReadResult Read(std::string_view bytes) {
    return ReadCollectionCsv(bytes);
}

TEST(CollectionCsv, WritesABomCrLfTheHeaderAndRowsByNumberQuotedAsRfc4180Says) {
    Collection collection;
    collection.Put(u"ZM0002", OwnedCard{3, u"", {}});
    collection.Put(u"CH0001", OwnedCard{1, u"", {}});
    collection.Put(u"ZX9", OwnedCard{12, u"古い, \"名前\"", {}});  // a number the data lacks
    const CardNameLookup names = [](std::u16string_view cardNo) -> std::u16string_view {
        if (cardNo == u"ZM0002") return u"ガルド";
        if (cardNo == u"CH0001") return u"リナ\r\n二行";
        return {};
    };
    EXPECT_EQ(WriteCollectionCsv(collection, names), Utf8File("No,名称,枚数\r\n"
                                                              "CH0001,\"リナ\r\n二行\",1\r\n"
                                                              "ZM0002,ガルド,3\r\n"
                                                              "ZX9,\"古い, \"\"名前\"\"\",12\r\n"));
}

TEST(CollectionCsv, OpeningAndSavingLosesNothingOfAForgivinglyReadFile) {
    // Columns in another order with two of the player's own, a blank line, quoted fields
    // over two lines, a count that cannot be counted and a row without a number.
    const std::string file = Utf8File(
        "メモ,No,枚数,名称,購入日\r\n"
        "\"箱1\",ZM0002, 3 ,ガルド,2026-01-02\r\n"
        "\r\n"
        "\"複数\r\n行\",CH0001,２,リナ\r\n"
        "x,ZM0001,たくさん,,\r\n"
        "y,,5,名無し,\r\n");
    const CollectionReadResult read = Read(file);
    ASSERT_TRUE(read.text);
    const Collection& c = read.collection;
    EXPECT_EQ(c.Size(), 2u);
    EXPECT_EQ(c.Owned(u"ZM0002"), 3);
    EXPECT_EQ(c.Owned(u"CH0001"), 2);  // full-width digits count
    EXPECT_EQ(*c.Find(u"CH0001"), (OwnedCard{2, u"リナ", {u"複数\r\n行"}}));
    EXPECT_EQ(c.Rest().extraHeadings, (std::vector<std::u16string>{u"メモ", u"購入日"}));
    ASSERT_EQ(c.Rest().keptRows.size(), 2u);
    EXPECT_EQ(c.Rest().keptRows[0], (KeptRow{u"ZM0001", u"", u"たくさん", {u"x", u""}}));
    EXPECT_EQ(c.Rest().keptRows[1].number, u"");  // rows without a number come last

    EXPECT_FALSE(read.report.headerMissing);
    EXPECT_EQ(read.report.extraColumns, 2u);
    EXPECT_EQ(read.report.refusedCounts.first, (std::vector<RowNote>{{6, u"たくさん"}}));
    EXPECT_EQ(read.report.withoutNumber.first, (std::vector<RowNote>{{7, u""}}));

    const std::string written = WriteCollectionCsv(c);
    EXPECT_EQ(written, Utf8File("No,名称,枚数,メモ,購入日\r\n"
                                "CH0001,リナ,2,\"複数\r\n行\"\r\n"
                                "ZM0001,,たくさん,x,\r\n"
                                "ZM0002,ガルド,3,箱1,2026-01-02\r\n"
                                ",名無し,5,y,\r\n"));
    const CollectionReadResult again = Read(written);
    EXPECT_EQ(again.collection, c);
    EXPECT_EQ(WriteCollectionCsv(again.collection), written);
}

TEST(CollectionCsv, Cp932WithoutAHeaderIsReadByPositionAndToldOnce) {
    const std::string file = EncodeCp932(u"ZM0001,ガルド,2\r\nMI0003,作戦－,1,メモ\r\n");
    const CollectionReadResult read = Read(file);
    EXPECT_EQ(read.collection.Owned(u"ZM0001"), 2);
    EXPECT_EQ(read.collection.Find(u"MI0003")->name, u"作戦－");
    EXPECT_EQ(read.collection.Find(u"MI0003")->extras, std::vector<std::u16string>{u"メモ"});
    EXPECT_TRUE(read.report.cp932);
    EXPECT_TRUE(read.report.headerMissing);
    EXPECT_FALSE(read.report.replacementCharacters);
    const std::u16string told = CollectionReadText(read.report, 1);
    EXPECT_NE(told.find(u"CP932"), std::u16string::npos);
    EXPECT_NE(told.find(u"見出し行"), std::u16string::npos);
    EXPECT_NE(told.find(u"ｶｰﾄﾞﾃﾞｰﾀにない番号 1 件"), std::u16string::npos);
    // A file read plainly tells nothing.
    EXPECT_EQ(CollectionReadText(Read(WriteCollectionCsv(read.collection)).report, 0), u"");
}

TEST(CollectionCsv, CountsOutsideZeroTo999AreRefusedByLineAndRepeatedCardsSummed) {
    const std::string file = Utf8File(
        "No,名称,枚数\n"
        "ZM1,a,-1\n"
        "ZM2,\"b\nb\",1000\n"  // the record takes lines 3 and 4
        "ZM3,c,2.0\n"
        "ZM4,d,\n"
        "ZM5,e,0999\n"
        "ZM5,e,1\n"
        "ZM6,f,600\r"
        "ZM6,,600\r"
        "ZM7,g,0\n");
    const CollectionReadResult read = Read(file);
    const CollectionReadReport& report = read.report;
    EXPECT_EQ(report.refusedCounts.count, 4);
    EXPECT_EQ(report.refusedCounts.first,
              (std::vector<RowNote>{{2, u"-1"}, {3, u"1000"}, {5, u"2.0"}, {6, u""}}));
    EXPECT_EQ(report.listedAgain.first, (std::vector<RowNote>{{8, u"ZM5"}, {10, u"ZM6"}}));
    EXPECT_EQ(read.collection.Owned(u"ZM5"), 999);
    EXPECT_EQ(read.collection.Owned(u"ZM6"), 999);
    EXPECT_EQ(report.cappedSums, 2);
    EXPECT_EQ(read.collection.Owned(u"ZM1"), 0);
    // A zero read from the file stays a row of the file.
    ASSERT_NE(read.collection.Find(u"ZM7"), nullptr);
    const std::u16string told = CollectionReadText(report, 0);
    EXPECT_NE(told.find(u"2行目「-1」、3行目「1000」、5行目「2.0」、6行目「」"),
              std::u16string::npos);
    EXPECT_NE(told.find(u"ZM5 (8行目)"), std::u16string::npos);
}

TEST(CollectionCsv, AHundredThousandMalformedLinesAreCountedAndNamedByTheFirstFew) {
    std::string file = "No,名称,枚数\n";
    for (int i = 0; i < 100000; ++i) file += "ZM" + std::to_string(i) + ",x,many\n";
    const CollectionReadResult read = Read(file);
    EXPECT_EQ(read.report.refusedCounts.count, 100000);
    EXPECT_EQ(read.report.refusedCounts.first.size(), RowNotes::kKept);
    EXPECT_EQ(read.collection.Rest().keptRows.size(), 100000u);
    const std::u16string told = CollectionReadText(read.report, 0);
    EXPECT_LT(told.size(), 1000u);
    EXPECT_NE(told.find(u"ほか 99,990 行"), std::u16string::npos);
}

TEST(CollectionCsv, BinaryFilesAreNoTextAndUndecodableBytesAreTold) {
    constexpr char kWithNul[] = "No,名称,枚数\nZM1,a\0b,1\n";
    EXPECT_FALSE(Read(std::string(kWithNul, sizeof kWithNul - 1)).text);
    const CollectionReadResult damaged = Read("\xEF\xBB\xBFZM1,a\xFF,1\n");
    EXPECT_TRUE(damaged.report.replacementCharacters);
    EXPECT_EQ(damaged.collection.Find(u"ZM1")->name, u"a\uFFFD");
    // An overlong form is no UTF-8: the file is read as CP932 instead.
    EXPECT_TRUE(Read("ZM1,\xC0\xAF,1\n").report.cp932);
}

TEST(CollectionCsv, OwnedCountsAreWholeNumbersFromZeroTo999) {
    int count = -1;
    for (const std::u16string_view good : {u"0", u" 7\t", u"\u3000999", u"０１２", u"000000005"}) {
        EXPECT_TRUE(ParseOwnedCount(good, count)) << U8(good);
    }
    EXPECT_EQ(count, 5);
    for (const std::u16string_view bad :
         {u"", u" ", u"1000", u"+1", u"1e2", u"３枚", u"99999999999"}) {
        EXPECT_FALSE(ParseOwnedCount(bad, count)) << U8(bad);
    }
}

}  // namespace
}  // namespace zemlo::test

#include <gtest/gtest.h>

#include "carddb/card_database.h"
#include "carddb/leading_number.h"
#include "carddb/text_width.h"
#include "support/card_builder.h"

namespace zemlo {
namespace {

using test::U;

TEST(LeadingNumber, ReadsTheNumberATextBeginsWith) {
    EXPECT_EQ(LeadingNumber(u"12"), 12);
    EXPECT_EQ(LeadingNumber(u" 7"), 7);  // a right-aligned list entry
    EXPECT_EQ(LeadingNumber(u"-3abc"), -3);
    EXPECT_EQ(LeadingNumber(u"2.5.1"), 2.5);
    EXPECT_EQ(LeadingNumber(u"+4"), 4);
    EXPECT_EQ(LeadingNumber(U("－")), 0);
    EXPECT_EQ(LeadingNumber(u""), 0);
    EXPECT_EQ(LeadingNumber(U("３")), 0);  // full-width digits are not numbers here
}

TEST(LeadingNumber, Int16ConversionRoundsHalfToEvenAndClamps) {
    EXPECT_EQ(ToInt16Clamped(2.5), 2);
    EXPECT_EQ(ToInt16Clamped(3.5), 4);
    EXPECT_EQ(ToInt16Clamped(-2.5), -2);
    EXPECT_EQ(ToInt16Clamped(40000), 32767);
    EXPECT_EQ(ToInt16Clamped(-40000), -32768);
}

TEST(TextWidth, WidenTurnsHalfWidthIntoFullWidth) {
    EXPECT_EQ(Widen(u"12"), U("１２"));
    EXPECT_EQ(Widen(u"AB-1 x"), U("ＡＢ－１　ｘ"));
    EXPECT_EQ(Widen(U("ｶﾞﾝﾊﾟｳﾞｧｰｯ")), U("ガンパヴァーッ"));
    EXPECT_EQ(Widen(U("ﾃﾞｯｷ作成")), U("デッキ作成"));
    EXPECT_EQ(Widen(U("ｱﾞ")), U("ア゛"));  // a mark that cannot join stays a mark
    EXPECT_EQ(Widen(U("全角のまま")), U("全角のまま"));
}

TEST(TextWidth, NarrowAndFullWidthNumbers) {
    EXPECT_EQ(NarrowChar(U("３")[0]), u'3');
    EXPECT_EQ(NarrowChar(u'\u3000'), u' ');
    EXPECT_EQ(NarrowChar(U("あ")[0]), U("あ")[0]);
    EXPECT_EQ(FullWidthNumber(12), U("１２"));
    EXPECT_EQ(FullWidthNumber(0), U("０"));
    EXPECT_EQ(DecimalText(-3), u"-3");
}

TEST(TextWidth, TrimBlanksKeepsInnerAndIdeographicSpaces) {
    EXPECT_EQ(TrimBlanks(u"  a b  "), u"a b");
    EXPECT_EQ(TrimBlanks(u"   "), u"");
    EXPECT_EQ(TrimBlanks(U("\u3000あ ")), U("\u3000あ"));
}

TEST(CardDatabase, KindFromCardNumberAndLinearLookup) {
    CardKind kind;
    ASSERT_TRUE(KindOfCardNo(u"ZM0001", kind));
    EXPECT_EQ(kind, CardKind::Unit);
    ASSERT_TRUE(KindOfCardNo(u"CH01", kind));
    EXPECT_EQ(kind, CardKind::Character);
    EXPECT_FALSE(KindOfCardNo(u"zm0001", kind));
    EXPECT_FALSE(KindOfCardNo(u"M", kind));

    CardDatabase db;
    test::AddCard(db.units, "ZM0001");
    test::AddCard(db.units, "ZM0002");
    test::AddCard(db.units, "ZM0002");  // duplicates: the first one wins
    EXPECT_EQ(db.units.FindCardNo(u"ZM0002"), 1);
    EXPECT_EQ(db.units.FindCardNo(u"ZM000"), -1);
}

}  // namespace
}  // namespace zemlo

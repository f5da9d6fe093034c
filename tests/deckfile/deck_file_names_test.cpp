#include <gtest/gtest.h>

#include "deckfile/deck_file_format.h"
#include "deckfile/output_flag_values.h"

namespace zemlo::test {
namespace {

TEST(DeckFileType, DecidedByTheEndOfThePathWithoutRegardToCase) {
    EXPECT_EQ(DeckFileTypeOf(u"/d/deck.htm"), DeckFileType::Html);
    EXPECT_EQ(DeckFileTypeOf(u"/d/DECK.HTM"), DeckFileType::Html);
    EXPECT_EQ(DeckFileTypeOf(u"/d/deck.Html"), DeckFileType::Html);
    EXPECT_EQ(DeckFileTypeOf(u"/d/deck.csv"), DeckFileType::Csv);
    EXPECT_EQ(DeckFileTypeOf(u"/d/deck.CSV"), DeckFileType::Csv);
    EXPECT_EQ(DeckFileTypeOf(u"/d/deck.txt"), DeckFileType::None);
    EXPECT_EQ(DeckFileTypeOf(u"/d/ZM1206"), DeckFileType::None);
    EXPECT_EQ(DeckFileTypeOf(u"/d/deck.htm.bak"), DeckFileType::None);
    EXPECT_EQ(DeckFileTypeOf(u"TM"), DeckFileType::None);
    EXPECT_EQ(DeckFileTypeOf(u""), DeckFileType::None);
}

TEST(OfferedDeckFileName, MonthAndDayInTwoDigitsEach) {
    EXPECT_EQ(OfferedDeckFileName(12, 6), u"ZM1206");
    EXPECT_EQ(OfferedDeckFileName(1, 31), u"ZM0131");
    EXPECT_EQ(OfferedDeckFileName(10, 1), u"ZM1001");
}

TEST(OutputFlagValues, BoxStateOfAStoredFlag) {
    EXPECT_EQ(FlagBoxState(u"1"), 1);
    EXPECT_EQ(FlagBoxState(u"0"), 0);
    EXPECT_EQ(FlagBoxState(u""), 0);   // never saved
    EXPECT_EQ(FlagBoxState(u"x"), 0);  // no number at all reads as 0
    EXPECT_EQ(FlagBoxState(u"2"), 2);  // greyed
    EXPECT_EQ(FlagBoxState(u"3"), -1);
    EXPECT_EQ(FlagBoxState(u"9"), -1);
}

}  // namespace
}  // namespace zemlo::test

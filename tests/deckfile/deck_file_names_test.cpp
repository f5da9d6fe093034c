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

TEST(DeckSaveTarget, ANameWithoutExtensionGetsHtmAndOtherEndingsAreRefused) {
    struct Case {
        const char16_t* chosen;
        DeckFileType type;
        const char16_t* path;
        bool added;
        bool refused;
    };
    const Case cases[] = {
        {u"/d/deck.csv", DeckFileType::Csv, u"/d/deck.csv", false, false},
        {u"/d/ZM1206", DeckFileType::Html, u"/d/ZM1206.htm", true, false},
        {u"/d.v2/ZM1206", DeckFileType::Html, u"/d.v2/ZM1206.htm", true, false},
        {u"/d/.deck", DeckFileType::Html, u"/d/.deck.htm", true, false},
        {u"/d/deck.txt", DeckFileType::None, u"/d/deck.txt", false, true},
        {u"/d/deck.", DeckFileType::None, u"/d/deck.", false, true},
        {u"/d/deck.htm.bak", DeckFileType::None, u"/d/deck.htm.bak", false, true},
        {u"", DeckFileType::None, u"", false, false},
    };
    for (const Case& c : cases) {
        const DeckSaveTarget target = DeckSaveTargetOf(c.chosen);
        const std::string name(std::u16string_view(c.chosen).begin(),
                               std::u16string_view(c.chosen).end());
        EXPECT_EQ(target.type, c.type) << name;
        EXPECT_EQ(target.path, c.path) << name;
        EXPECT_EQ(target.extensionAdded, c.added) << name;
        EXPECT_EQ(target.refused, c.refused) << name;
    }
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

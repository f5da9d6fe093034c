// One step of the name search over a list of catalog entries.
#include "tools/name_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "carddb/deck_entry.h"

namespace zemlo {
namespace {

class NameSearchTest : public ::testing::Test {
protected:
    int Step(int selected, bool down, std::u16string_view text) {
        return SeekStep(static_cast<int>(entries.size()), selected, down, text,
                        [this](int p) { return entries[p].SearchedPart(); });
    }

    std::vector<DeckEntry> entries = {
        DeckEntry(CardKind::Unit, u"ZM0001", u"ガルド"),
        DeckEntry(CardKind::Unit, u"ZM0002", u"セリオ"),
        DeckEntry(CardKind::Unit, u"ZMX00003", u"ガルドⅡ"),
        DeckEntry(CardKind::Mission, u"MI0004", u"砦の守り", u"12"),
        DeckEntry(CardKind::Unit, u"ZM0005", u"ガルド"),
        DeckEntry(CardKind::Unit, u"ZM00000006", u"ルド"),
    };
};

TEST_F(NameSearchTest, WithNothingSelectedTheWalkStartsAtTheEndItLeaves) {
    EXPECT_EQ(Step(-1, true, u"ガルド"), 0);
    EXPECT_EQ(Step(-1, false, u"ガルド"), 4);
    EXPECT_EQ(Step(-1, false, u"ルド"), 5);
}

TEST_F(NameSearchTest, TheSelectedEntryIsSkippedAndTheWalkDoesNotWrap) {
    EXPECT_EQ(Step(0, true, u"ガルド"), 2);
    EXPECT_EQ(Step(4, false, u"ガルド"), 2);
    EXPECT_EQ(Step(4, true, u"ガルド"), -1);
    EXPECT_EQ(Step(0, false, u"ガルド"), -1);
    EXPECT_EQ(SeekStep(0, -1, true, u"x", [](int) { return std::u16string_view(); }), -1);
}

TEST_F(NameSearchTest, CardNumbersAreNeverMatchedButPointsAre) {
    EXPECT_EQ(Step(-1, true, u"ZM0002"), -1);
    EXPECT_EQ(Step(-1, true, u"00003"), -1);  // an eight-character number
    EXPECT_EQ(Step(-1, true, u"06"), -1);     // and a longer one
    EXPECT_EQ(Step(-1, true, u"12"), 3);
}

TEST_F(NameSearchTest, MatchingIsExact) {
    EXPECT_EQ(Step(-1, true, u"ｶﾞﾙﾄﾞ"), -1);
    EXPECT_EQ(Step(-1, true, u"がるど"), -1);
}

// The forgiving step folds both sides (the fold's own rules are tested with it) and still
// walks only the searched part. Without a normaliser the fold still narrows, and turns
// hiragana and capitals.
TEST_F(NameSearchTest, TheFoldedStepFoldsBothSidesButNeverReachesTheCardNumber) {
    const SearchFold fold(nullptr);
    const EntryTextAt entryAt = [this](int p) { return entries[p].SearchedPart(); };
    const int count = static_cast<int>(entries.size());
    EXPECT_EQ(FoldedSeekStep(count, -1, true, u"がるど", entryAt, fold), 0);
    EXPECT_EQ(FoldedSeekStep(count, 0, true, u"がるど", entryAt, fold), 2);
    EXPECT_EQ(FoldedSeekStep(count, -1, true, u"zm0002", entryAt, fold), -1);
    EXPECT_EQ(FoldedSeekStep(count, -1, true, u"ＺＭ０００２", entryAt, fold), -1);
}

}  // namespace
}  // namespace zemlo

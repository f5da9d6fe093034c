// The deck library's index: what it lists of each deck file, what it passes over and
// counts, what a second look reads again, and the decks that hold a card.
#include "tools/deck_library.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <optional>

#include "deckfile/deck_file_format.h"
#include "deckfile/deck_file_writer.h"
#include "library_decks.h"
#include "platform/code_page.h"
#include "support/card_builder.h"
#include "support/file_faults.h"
#include "support/temp_dir.h"
#include "tools/deck_judgement.h"

namespace zemlo::test {
namespace {

namespace fs = std::filesystem;

const LibraryDeck* DeckNamed(const LibraryIndex& index, const std::string& name) {
    for (const LibraryDeck& deck : index.decks) {
        if (deck.path.filename() == name) return &deck;
    }
    return nullptr;
}

TEST(DeckJudgement, EachBrokenRuleIsNamedWithItsCount) {
    EXPECT_EQ(JudgementText({}), u"OK");
    EXPECT_EQ(JudgementText(BrokenRules({19, 10, 6, 9})), u"ﾕﾆｯﾄ 19、ﾐｯｼｮﾝ+ｷｬﾗｸﾀｰ 16、戦果 9");
    EXPECT_EQ(JudgementText(BrokenRules({0, 0, 0, 0})), u"ﾕﾆｯﾄ 0、ﾐｯｼｮﾝ+ｷｬﾗｸﾀｰ 0、戦果 0");
}

TEST(DeckJudgement, SortsKeptRulesFirstThenByRuleThenByCountAsANumber) {
    // In the order the library lists them, ascending.
    const std::vector<std::vector<BrokenRule>> ordered = {
        {},
        {{DeckRule::Units, -3}},
        {{DeckRule::Units, 9}},
        {{DeckRule::Units, 16}},
        {{DeckRule::Units, 16}, {DeckRule::Points, 2}},
        {{DeckRule::Units, 160}},
        {{DeckRule::MissionsAndCharacters, 9}},
        {{DeckRule::MissionsAndCharacters, 16}, {DeckRule::Points, 9}},
        {{DeckRule::Points, 0}},
    };
    for (std::size_t i = 1; i < ordered.size(); ++i) {
        EXPECT_LT(JudgementSortKey(ordered[i - 1]), JudgementSortKey(ordered[i])) << "at " << i;
    }
}

class DeckLibraryTest : public ::testing::Test {
protected:
    DeckLibraryTest() : db(LibraryCards()) {}

    CardDatabase db;
    TempDir dir;
};

TEST_F(DeckLibraryTest, ListsEveryDeckFileUnderTheFolderAndCountsWhatItPassesOver) {
    fs::create_directories(dir / "tournament/2026");
    SaveLibraryDeck(dir / "main.htm", db, RuleKeepingDeck(db));
    SaveLibraryDeck(dir / "tournament/2026/SHORT.HTML", db, MakeDeck(db, {0, 0, 4}, {}, {1}));
    SaveLibraryDeck(dir / ".hidden.htm", db, RuleKeepingDeck(db));
    WriteBytes(dir / "page.htm", "<HTML><BODY>not a deck</BODY></HTML>\r\n");
    WriteBytes(dir / "binary.html", std::string("\x00\xff\x81\x7c\x00", 5));
    WriteBytes(dir / "notes.txt", "ZM0001\r\n");
    WriteBytes(dir / "unreadable.htm", "x");
    fs::create_symlink("gone.htm", dir / "dangling.htm");
    fs::create_directory_symlink("..", dir / "tournament/up");
    {
        // A sparse file far beyond the reader's ceiling is never read.
        WriteBytes(dir / "huge.htm", "");
        ASSERT_EQ(::truncate((dir / "huge.htm").c_str(), std::int64_t{1} << 34), 0);
    }
    InjectedFaults injected;
    injected.faults.unreadableFile = dir / "unreadable.htm";

    const LibraryIndex index = IndexLibrary(dir.Path(), db);
    ASSERT_TRUE(index.folderStatus);
    ASSERT_EQ(index.decks.size(), 2u);
    const LibraryDeck* main = DeckNamed(index, "main.htm");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->counters, (DeckCounters{20, 10, 0, 20}));
    EXPECT_TRUE(main->broken.empty());
    const LibraryDeck* shortDeck = DeckNamed(index, "SHORT.HTML");
    ASSERT_NE(shortDeck, nullptr);
    EXPECT_EQ(shortDeck->path, dir / "tournament/2026/SHORT.HTML");
    EXPECT_EQ(JudgementText(shortDeck->broken), u"ﾕﾆｯﾄ 3、ﾐｯｼｮﾝ+ｷｬﾗｸﾀｰ 1、戦果 0");
    EXPECT_EQ(index.notDeckFiles.size(), 2u);  // page.htm, binary.html
    EXPECT_EQ(index.unreadableFiles, 2);       // unreadable.htm, dangling.htm
    EXPECT_EQ(index.hugeFiles, 1);
    EXPECT_EQ(index.loopingLinks, 1);
    EXPECT_EQ(LibrarySummaryText(index),
              u"ﾃﾞｯｷ 2 件、ﾃﾞｯｷでないﾌｧｲﾙ 2 件、読めないﾌｧｲﾙ 2 件、大きすぎるﾌｧｲﾙ 1 件、"
              u"ﾙｰﾌﾟするﾘﾝｸ 1 件");
}

TEST_F(DeckLibraryTest, RowsNamingUnknownCardsAreCountedAndLeftOutOfTheCounts) {
    CardDatabase older = LibraryCards();
    AddCard(older.units, "ZM9999", {{unit_field::UnitName, "旧型"}});
    AddCard(older.characters, "CH9999", {{char_field::CharName, "旧隊長"}});
    SaveLibraryDeck(dir / "old.htm", older, MakeDeck(older, {27, 27, 0}, {}, {6}));
    // 40,000 unit rows: the deck as listed holds the first 32,767, and says so.
    const std::string cardNo = EncodeCp932(db.units.Cell(unit_field::CardNo, 0));
    std::string rows = EncodeCp932(std::u16string(deck_file::kSignature) + u"\r\n" +
                                   std::u16string(deck_file::kUnitHeading) +
                                   u"\r\n<TR>\r\n<TD noWrap>No</TD>\r\n</TR>\r\n");
    for (int i = 0; i < 40000; ++i) rows += "<TR>\r\n<TD noWrap>" + cardNo + "</TD>\r\n</TR>\r\n";
    WriteBytes(dir / "long.htm", rows);
    const LibraryIndex index = IndexLibrary(dir.Path(), db);
    ASSERT_EQ(index.decks.size(), 2u);
    const LibraryDeck* old = DeckNamed(index, "old.htm");
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(old->unknownRows, 3);
    EXPECT_EQ(old->counters, (DeckCounters{1, 0, 0, 0}));
    const LibraryDeck* full = DeckNamed(index, "long.htm");
    ASSERT_NE(full, nullptr);
    EXPECT_EQ(full->leftOut, (LeftOutCounts{40000 - kMaxListEntries, 0, 0}));
}

TEST_F(DeckLibraryTest, ASecondLookReadsOnlyNewAndChangedFilesAndDropsRemovedOnes) {
    SaveLibraryDeck(dir / "a.htm", db, RuleKeepingDeck(db));
    SaveLibraryDeck(dir / "b.htm", db, MakeDeck(db, {0}, {}, {}));
    SaveLibraryDeck(dir / "c.htm", db, MakeDeck(db, {1}, {}, {}));
    WriteBytes(dir / "page.htm", "<HTML></HTML>");
    const LibraryIndex first = IndexLibrary(dir.Path(), db);
    ASSERT_EQ(first.decks.size(), 3u);
    EXPECT_EQ(first.filesRead, 4);

    SaveLibraryDeck(dir / "b.htm", db, MakeDeck(db, {0, 2}, {}, {}));
    fs::remove(dir / "c.htm");
    SaveLibraryDeck(dir / "d.htm", db, MakeDeck(db, {3}, {}, {}));
    const LibraryIndex second = IndexLibrary(dir.Path(), db, &first);
    EXPECT_EQ(second.filesRead, 2);  // b.htm and d.htm
    ASSERT_EQ(second.decks.size(), 3u);
    EXPECT_EQ(DeckNamed(second, "b.htm")->counters.units, 2);
    EXPECT_EQ(DeckNamed(second, "c.htm"), nullptr);
    EXPECT_EQ(second.notDeckFiles.size(), 1u);

    // An earlier look at another folder is no help.
    EXPECT_EQ(IndexLibrary(dir.Path(), db, &first).filesRead, 2);
    LibraryIndex elsewhere = first;
    elsewhere.folder = dir / "other";
    EXPECT_EQ(IndexLibrary(dir.Path(), db, &elsewhere).filesRead, 4);
}

TEST_F(DeckLibraryTest, SeveralWorkersFindWhatOneFindsInTheSameOrder) {
    for (int n = 0; n < 9; ++n) {
        const fs::path folder = dir / ("f" + std::to_string(n % 3));
        fs::create_directories(folder);
        SaveLibraryDeck(folder / ("d" + std::to_string(n) + ".htm"), db, MakeDeck(db, {n}, {}, {}));
    }
    WriteBytes(dir / "f1/page.htm", "<HTML></HTML>");
    // What a look found, in its order: each deck's path and units, each passed over file.
    const auto found = [](const LibraryIndex& index) {
        std::vector<std::string> lines;
        for (const LibraryDeck& deck : index.decks) {
            lines.push_back(deck.path.native() + " " + std::to_string(deck.counters.units));
        }
        for (const FoundFile& file : index.notDeckFiles) lines.push_back(file.path.native());
        lines.push_back(std::to_string(index.filesRead));
        return lines;
    };
    const LibraryIndex one = IndexLibrary(dir.Path(), db);
    for (int workers : {2, 4, 64}) {
        const LibraryIndex several =
            IndexLibrary(dir.Path(), db, nullptr, nullptr, nullptr, workers);
        EXPECT_EQ(found(several), found(one)) << workers;
    }
    SaveLibraryDeck(dir / "f2/d5.htm", db, MakeDeck(db, {0, 1}, {}, {}));
    EXPECT_EQ(found(IndexLibrary(dir.Path(), db, &one, nullptr, nullptr, 3)),
              found(IndexLibrary(dir.Path(), db, &one)));
}

TEST_F(DeckLibraryTest, ACancelledLookKeepsWhatItHadAndSaysSo) {
    SaveLibraryDeck(dir / "a.htm", db, RuleKeepingDeck(db));
    const std::atomic<bool> cancel{true};
    IndexProgress progress;
    const LibraryIndex index = IndexLibrary(dir.Path(), db, nullptr, &progress, &cancel);
    EXPECT_TRUE(index.cancelled);
    EXPECT_TRUE(index.decks.empty());
    EXPECT_EQ(LibrarySummaryText(index), u"ﾃﾞｯｷ 0 件（中止しました。ほかのﾌｧｲﾙは見ていません）");
    EXPECT_EQ(LibrarySummaryText(IndexLibrary(dir / "missing", db)), u"ﾌｫﾙﾀﾞがありません");
}

TEST_F(DeckLibraryTest, DecksHoldingACardComeWithTheirCopiesWhateverTheCardsKind) {
    SaveLibraryDeck(dir / "a.htm", db, MakeDeck(db, {0, 0, 1}, {2}, {}));
    SaveLibraryDeck(dir / "b.htm", db, MakeDeck(db, {1}, {}, {3, 3, 3}));
    SaveLibraryDeck(dir / "c.htm", db, MakeDeck(db, {0}, {2, 2}, {}));
    const LibraryIndex index = IndexLibrary(dir.Path(), db);
    ASSERT_EQ(index.decks.size(), 3u);
    EXPECT_EQ(DecksHoldingCard(index, u"ZM0001"), (std::vector<DeckHolding>{{0, 2}, {2, 1}}));
    EXPECT_EQ(DecksHoldingCard(index, u"MI0003"), (std::vector<DeckHolding>{{0, 1}, {2, 2}}));
    EXPECT_EQ(DecksHoldingCard(index, u"CH0004"), (std::vector<DeckHolding>{{1, 3}}));
    EXPECT_TRUE(DecksHoldingCard(index, u"ZM0025").empty());
    EXPECT_TRUE(DecksHoldingCard(index, u"ZM000").empty());
}

TEST(LibraryCardSet, CountsWhatEveryDeckLacksAsLookingUpEachCardWould) {
    // Decks of cards drawn from a few dozen numbers, some of every length and order, and a
    // collection holding some of them (and numbers no deck holds).
    LibraryIndex index;
    unsigned seed = 11;
    auto next = [&seed](unsigned below) {
        return (seed = seed * 1103515245 + 12345) / 65536 % below;
    };
    const std::u16string numbers[] = {u"ZM1",  u"ZM10",   u"ZM0002", u"MI0001", u"CH9",
                                      u"CH10", u"ZM0001", u"ZM000",  u"MI01",   u"ZZZ"};
    for (int d = 0; d < 200; ++d) {
        LibraryDeck deck;
        for (unsigned n = next(6); n > 0; --n) {
            deck.cards.push_back(
                {numbers[next(10)] + (next(3) == 0 ? u"x" : u""), static_cast<int>(1 + next(4))});
        }
        index.decks.push_back(std::move(deck));
    }
    std::vector<std::pair<std::u16string, std::optional<OwnedCard>>> owned;
    for (const std::u16string& number : numbers) {
        if (next(2) == 0) owned.emplace_back(number, OwnedCard{static_cast<int>(next(4)), {}, {}});
    }
    owned.emplace_back(u"AAA", OwnedCard{3, {}, {}});
    Collection collection;
    collection.PutAll(std::move(owned));

    const std::vector<long long> missing = LibraryCardSet(index).MissingPerDeck(index, collection);
    ASSERT_EQ(missing.size(), index.decks.size());
    long long total = 0;
    for (std::size_t d = 0; d < index.decks.size(); ++d) {
        long long expected = 0;
        for (const IndexedCard& card : index.decks[d].cards) {
            expected += std::max(0, card.copies - collection.Owned(card.cardNo));
        }
        EXPECT_EQ(missing[d], expected) << "deck " << d;
        total += expected;
    }
    EXPECT_GT(total, 0);
    EXPECT_TRUE(LibraryCardSet().MissingPerDeck(LibraryIndex{}, collection).empty());
}

}  // namespace
}  // namespace zemlo::test

#include "deckfile/deck_file_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "catalog/catalog_entry.h"
#include "deck/entry_merge.h"
#include "deck_test_cards.h"
#include "deckfile/deck_file_writer.h"
#include "platform/code_page.h"
#include "support/card_builder.h"
#include "support/file_faults.h"
#include "support/memory_limit.h"
#include "support/temp_dir.h"

namespace zemlo::test {
namespace {

// A deck with every card of every number length, one card twice, in an order that is not
// the card number order.
Deck MixedDeck(const CardDatabase& db) {
    const Deck deck = DeckOf(EntriesOf(db, CardKind::Unit, {2, 0, 0, 3, 1}),
                             EntriesOf(db, CardKind::Mission, {3, 1, 1, 0, 2}),
                             EntriesOf(db, CardKind::Character, {0, 1, 2, 3, 3}));
    return deck;
}

DeckFileReadResult RoundTrip(const CardDatabase& db, const OutputFlags& flags, const Deck& deck) {
    TempDir dir;
    EXPECT_TRUE(SaveDeckFile(dir / "deck.htm", db, flags, deck));
    return ReadDeckFile(dir / "deck.htm", db);
}

void ExpectSameDeck(const DeckFileReadResult& read, const Deck& deck, const std::string& what) {
    EXPECT_EQ(read.status, DeckFileStatus::Read) << what;
    for (CardKind kind : kDeckKinds) {
        EXPECT_EQ(read.deck.Entries(kind), deck.Entries(kind)) << what;
    }
    EXPECT_TRUE(read.skippedCardNos.empty()) << what;
}

TEST(DeckFileRoundTrip, EveryRowShapeReadsBackTheSameDeck) {
    const CardDatabase db = NumberLengthCards();
    const Deck deck = MixedDeck(db);
    ExpectSameDeck(RoundTrip(db, OutputFlags{}, deck), deck, "no flags");
    ExpectSameDeck(RoundTrip(db, FlagsFrom(u"111111111111111", u"1111111", u"11111111"), deck),
                   deck, "all flags");
    for (int i = 0; i < 15; ++i) {
        std::u16string unit(15, u'0');
        unit[i] = u'1';
        ExpectSameDeck(RoundTrip(db, FlagsFrom(unit, u"0000000", u"00000000"), deck), deck,
                       "unit flag " + std::to_string(i));
    }
    for (int i = 0; i < 7; ++i) {
        std::u16string mission(7, u'0');
        mission[i] = u'1';
        ExpectSameDeck(RoundTrip(db, FlagsFrom(u"", mission, u""), deck), deck,
                       "mission flag " + std::to_string(i));
    }
    for (int i = 0; i < 8; ++i) {
        std::u16string character(8, u'0');
        character[i] = u'1';
        ExpectSameDeck(RoundTrip(db, FlagsFrom(u"", u"", character), deck), deck,
                       "character flag " + std::to_string(i));
    }
}

TEST(DeckFileRoundTrip, EmptyDeckIsStillADeckFile) {
    const CardDatabase db = NumberLengthCards();
    ExpectSameDeck(RoundTrip(db, FlagsFrom(u"1", u"1", u"1"), Deck{}), Deck{}, "empty");
}

TEST(DeckFileRoundTrip, EntriesEqualTheCatalogForEveryNumberLength) {
    const CardDatabase db = NumberLengthCards();
    const DeckFileReadResult read =
        RoundTrip(db, OutputFlags{}, DeckOf(EntriesOf(db, CardKind::Unit, {0, 1, 2, 3})));
    // Three blanks after numbers of up to six characters, one after longer ones; in the
    // list's order of the texts.
    EXPECT_EQ(read.deck.Entries(CardKind::Unit),
              (std::vector<std::u16string>{u"ZM000004 " + U("機体3"), u"ZM00003 " + U("機体2"),
                                           u"ZM0002   " + U("機体1"), u"ZM001   " + U("機体0")}));
}

TEST(DeckFileRoundTrip, MissionEntriesKeepTheirPoints) {
    const CardDatabase db = NumberLengthCards();
    const DeckFileReadResult read =
        RoundTrip(db, OutputFlags{}, DeckOf({}, EntriesOf(db, CardKind::Mission, {1})));
    ASSERT_EQ(read.deck.Entries(CardKind::Mission).size(), 1u);
    EXPECT_EQ(read.deck.Entries(CardKind::Mission)[0],
              u"MI0002   " + U("作戦1") + std::u16string(50, u' ') + u"2");
}

TEST(DeckFileRoundTrip, CardNumbersWithMarkupCharactersReadBack) {
    CardDatabase db;
    AddCard(db.units, "ZM&001", {{unit_field::UnitName, "甲"}});
    AddCard(db.units, "Z<M>\"2", {{unit_field::UnitName, "乙"}});
    const Deck deck = DeckOf(EntriesOf(db, CardKind::Unit, {0, 1}));
    ExpectSameDeck(RoundTrip(db, FlagsFrom(u"111", u"", u""), deck), deck, "escaped numbers");
}

// A hand-made deck file around the given body lines.
std::u16string FileWith(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        text += line;
        text += "\r\n";
    }
    return U(text);
}

// The text as the file would hold it, in CP932.
DeckFileReadResult Parse(std::u16string_view text, const CardDatabase& db,
                         const std::atomic<bool>* cancel = nullptr) {
    return ParseDeckFile(EncodeCp932(text), db, cancel);
}

constexpr const char* kSignature =
    "<META NAME=\"GENERATOR\" Content=\"ZEMLOデッキ作成支援\";charset=Shift_JIS>";
constexpr const char* kUnitHeading = "<P align=center><STRONG>UNIT情報</STRONG></P>";
constexpr const char* kMissionHeading = "<P align=center><STRONG>MISSION情報</STRONG></P>";
constexpr const char* kCharHeading = "<P align=center><STRONG>CHARACTER情報</STRONG></P>";
constexpr const char* kHeaderCell = "<TD noWrap><STRONG><EM>No</EM></STRONG></TD>";

TEST(DeckFileReader, WithoutTheSignatureNothingIsRead) {
    const CardDatabase db = NumberLengthCards();
    const std::u16string text = FileWith({"<HTML>", kUnitHeading, "<TR>", kHeaderCell, "</TR>",
                                          "<TR>", "<TD noWrap>ZM001</TD>", "</TR>"});
    const DeckFileReadResult read = Parse(text, db);
    EXPECT_EQ(read.status, DeckFileStatus::NotDeckFile);
    EXPECT_TRUE(read.deck.Empty());

    // A signature line that differs in one character is no signature.
    std::string nearly = kSignature;
    nearly.replace(nearly.find("Shift_JIS"), 9, "shift_jis");
    EXPECT_EQ(Parse(FileWith({nearly.c_str(), kUnitHeading}), db).status,
              DeckFileStatus::NotDeckFile);
    EXPECT_EQ(Parse(u"", db).status, DeckFileStatus::NotDeckFile);
}

TEST(DeckFileReader, SignatureOnAnyLineIsAccepted) {
    const CardDatabase db = NumberLengthCards();
    // The signature as the very last line, after the rows; lines end in CR only.
    std::u16string text = FileWith({"<HTML>", kUnitHeading, "<TR>", kHeaderCell, "</TR>", "<TR>",
                                    "<TD noWrap>ZM0002</TD>", "</TR>", "</TABLE>", kSignature});
    std::u16string crOnly;
    for (char16_t c : text) {
        if (c != u'\n') crOnly += c;
    }
    const DeckFileReadResult read = Parse(crOnly, db);
    EXPECT_EQ(read.status, DeckFileStatus::Read);
    EXPECT_EQ(read.deck.Entries(CardKind::Unit), EntriesOf(db, CardKind::Unit, {1}));
}

TEST(DeckFileReader, UnitSectionOnlyFillsOnlyUnits) {
    const CardDatabase db = NumberLengthCards();
    const DeckFileReadResult read =
        Parse(FileWith({kSignature, kUnitHeading, "<TR>", kHeaderCell, "</TR>", "<TR>",
                                "<TD noWrap>ZM000004</TD>", "<TD noWrap>MI001</TD>", "</TR>",
                                "<TR>", "<TD noWrap>ZM000004</TD>", "</TR>"}),
                      db);
    EXPECT_EQ(read.status, DeckFileStatus::Read);
    // Only the first cell of a row names a card; a copy in a later row adds another entry.
    EXPECT_EQ(read.deck.Entries(CardKind::Unit), EntriesOf(db, CardKind::Unit, {3, 3}));
    EXPECT_TRUE(read.deck.Entries(CardKind::Mission).empty());
    EXPECT_TRUE(read.deck.Entries(CardKind::Character).empty());
}

TEST(DeckFileReader, HeaderRowNeverYieldsACard) {
    const CardDatabase db = NumberLengthCards();
    // A header row whose first cell holds a real card number still counts as the header.
    const DeckFileReadResult read =
        Parse(FileWith({kSignature, kMissionHeading, "<TR>", "<TD noWrap>MI001</TD>",
                                "</TR>", "<TR>", "<TD noWrap>MI0002</TD>", "</TR>"}),
                      db);
    EXPECT_EQ(read.deck.Entries(CardKind::Mission), EntriesOf(db, CardKind::Mission, {1}));
}

TEST(DeckFileReader, EachSectionEndsAtTheNextHeading) {
    const CardDatabase db = NumberLengthCards();
    const DeckFileReadResult read = Parse(FileWith({kSignature,
                                                            kUnitHeading,
                                                            "<TR>",
                                                            kHeaderCell,
                                                            "</TR>",
                                                            "<TR>",
                                                            "<TD noWrap>ZM001</TD>",
                                                            "</TR>",
                                                            kMissionHeading,
                                                            "<TR>",
                                                            kHeaderCell,
                                                            "</TR>",
                                                            "<TR>",
                                                            "<TD noWrap>MI00003</TD>",
                                                            "</TR>",
                                                            kCharHeading,
                                                            "<TR>",
                                                            kHeaderCell,
                                                            "</TR>",
                                                            "<TR>",
                                                            "<TD noWrap>CH0002</TD>",
                                                            "</TR>"}),
                                                  db);
    EXPECT_EQ(read.deck.Entries(CardKind::Unit), EntriesOf(db, CardKind::Unit, {0}));
    EXPECT_EQ(read.deck.Entries(CardKind::Mission), EntriesOf(db, CardKind::Mission, {2}));
    EXPECT_EQ(read.deck.Entries(CardKind::Character), EntriesOf(db, CardKind::Character, {1}));
    EXPECT_TRUE(read.skippedCardNos.empty());
}

TEST(DeckFileReader, UnknownCardNumbersAreSkippedAndListed) {
    const CardDatabase db = NumberLengthCards();
    const DeckFileReadResult read = Parse(FileWith({kSignature,
                                                            kUnitHeading,
                                                            "<TR>",
                                                            kHeaderCell,
                                                            "</TR>",
                                                            "<TR>",
                                                            "<TD noWrap>ZM9999</TD>",
                                                            "</TR>",
                                                            "<TR>",
                                                            "<TD noWrap>ZM0002</TD>",
                                                            "</TR>",
                                                            "<TR>",
                                                            "<TD noWrap>MI001</TD>",
                                                            "</TR>",
                                                            kMissionHeading,
                                                            "<TR>",
                                                            kHeaderCell,
                                                            "</TR>",
                                                            "<TR>",
                                                            "<TD noWrap>MI&amp;7</TD>",
                                                            "</TR>",
                                                            "<TR>",
                                                            "<TD noWrap>mi001</TD>",
                                                            "</TR>"}),
                                                  db);
    EXPECT_EQ(read.status, DeckFileStatus::Read);
    EXPECT_EQ(read.deck.Entries(CardKind::Unit), EntriesOf(db, CardKind::Unit, {1}));
    EXPECT_TRUE(read.deck.Entries(CardKind::Mission).empty());
    // A mission's number in the unit section is no unit; numbers match case-sensitively.
    EXPECT_EQ(read.skippedCardNos,
              (std::vector<std::u16string>{u"ZM9999", u"MI001", u"MI&7", u"mi001"}));
}

TEST(DeckFileReader, TruncatedLastRowKeepsTheRowsBeforeIt) {
    const CardDatabase db = NumberLengthCards();
    // The file ends inside the last row's number cell.
    std::u16string text = FileWith({kSignature, kCharHeading, "<TR>", kHeaderCell, "</TR>", "<TR>",
                                    "<TD noWrap>CH001</TD>", "</TR>", "<TR>",
                                    "<TD noWrap>CH00003</TD>", "</TR>", "<TR>"});
    text += u"<TD noWrap>CH00";
    const DeckFileReadResult read = Parse(text, db);
    EXPECT_EQ(read.deck.Entries(CardKind::Character), DeckOrderOf(db, CardKind::Character, {0, 2}));
    EXPECT_EQ(read.skippedCardNos, std::vector<std::u16string>{u"CH00"});

    // Cut right after the number's last character: the cell never ends, so the row is
    // not trusted either.
    text.resize(text.size() - 4);
    text += u"CH0002";
    EXPECT_EQ(Parse(text, db).deck.Entries(CardKind::Character),
              DeckOrderOf(db, CardKind::Character, {0, 2}));

    // Cut after a complete number cell: the row names its card.
    text += u"</TD>";
    EXPECT_EQ(Parse(text, db).deck.Entries(CardKind::Character),
              DeckOrderOf(db, CardKind::Character, {0, 2, 1}));
}

TEST(DeckFileReader, MissingOrUnreadableFile) {
    const CardDatabase db = NumberLengthCards();
    TempDir dir;
    EXPECT_EQ(ReadDeckFile(dir / "none.htm", db).status, DeckFileStatus::Unreadable);
    EXPECT_EQ(ReadDeckFile(dir.Path(), db).status, DeckFileStatus::Unreadable);
    // A CP932 file from disk is decoded before its lines are compared.
    WriteCp932(dir / "deck.htm",
               std::string(kSignature) + "\n" + kUnitHeading +
                   "\n<TR>\n<TD noWrap>No</TD>\n</TR>\n<TR>\n<TD noWrap>ZM00003</TD>\n</TR>\n");
    const DeckFileReadResult read = ReadDeckFile(dir / "deck.htm", db);
    EXPECT_EQ(read.status, DeckFileStatus::Read);
    EXPECT_EQ(read.deck.Entries(CardKind::Unit), EntriesOf(db, CardKind::Unit, {2}));
}

TEST(DeckFileReader, RowsBeyondAListsLimitAreCountedNotKept) {
    const CardDatabase db = NumberLengthCards();
    // The rows in descending order, as the slowest one-by-one insertion would meet them.
    std::u16string text =
        U(kSignature) + u"\n" + U(kUnitHeading) + u"\n<TR>\n<TD noWrap>No</TD>\n</TR>\n";
    const std::u16string numbers[] = {u"ZM00003", u"ZM0002"};
    for (size_t i = 0; i < kMaxListEntries + 10; ++i) {
        text += u"<TR>\n<TD noWrap>" + numbers[i < kMaxListEntries ? 0 : 1] + u"</TD>\n</TR>\n";
    }
    text += U(kMissionHeading) +
            u"\n<TR>\n<TD noWrap>No</TD>\n</TR>\n<TR>\n<TD noWrap>MI0002</TD>\n</TR>\n";
    const DeckFileReadResult read = Parse(text, db);
    ASSERT_EQ(read.deck.Entries(CardKind::Unit).size(), kMaxListEntries);
    EXPECT_EQ(read.deck.Entries(CardKind::Unit).back(), EntriesOf(db, CardKind::Unit, {2})[0]);
    EXPECT_EQ(read.leftOut, (LeftOutCounts{10, 0, 0}));
    EXPECT_EQ(read.deck.Entries(CardKind::Mission).size(), 1u);
}

TEST(DeckFileReader, RunningOutOfMemoryMakesTheFileUnreadableNotTheEnd) {
    if (!CanLimitAddressSpace()) GTEST_SKIP() << "the sanitizer build cannot lower RLIMIT_AS";
    const CardDatabase db = NumberLengthCards();
    TempDir dir;
    WriteBytes(dir / "huge.htm", "");
    // Within the size ceiling, but more than the memory there is.
    ASSERT_EQ(::truncate((dir / "huge.htm").c_str(), 200 << 20), 0);
    EXPECT_TRUE(RunWithLittleMemory(150 << 20, [&] {
        const DeckFileReadResult read = ReadDeckFile(dir / "huge.htm", db);
        return read.status == DeckFileStatus::Unreadable && read.fileStatus.error == ENOMEM;
    }));
}

TEST(DeckFileReader, MemoryFollowsTheDeckNotTheLinesAndCancelStopsWithinTheFile) {
    const CardDatabase db = NumberLengthCards();
    // 64 MiB of line breaks around a deck of one card and 100,000 rows naming no card: an
    // index of its lines alone would take a gigabyte, its decoded text 128 MiB.
    std::string bytes = EncodeCp932(U(kSignature) + u"\r\n" + U(kUnitHeading) +
                                    u"\r\n<TR>\r\n<TD noWrap>No</TD>\r\n</TR>\r\n"
                                    u"<TR>\r\n<TD noWrap>ZM0002</TD>\r\n</TR>\r\n");
    for (int i = 0; i < 100000; ++i) {
        bytes += "<TR>\r\n<TD noWrap>ZM" + std::to_string(100000 + i) + "</TD>\r\n</TR>\r\n";
    }
    bytes.append(size_t{64} << 20, '\n');
    if (CanLimitAddressSpace()) {
        EXPECT_TRUE(RunWithLittleMemory(48 << 20, [&] {
            const DeckFileReadResult read = ParseDeckFile(bytes, db);
            return read.status == DeckFileStatus::Read && read.deck.Size(CardKind::Unit) == 1;
        }));
    }
    const DeckFileReadResult read = ParseDeckFile(bytes, db);
    // Every skipped row is counted; the first few are kept for the message.
    EXPECT_EQ(read.skippedRows, 100000u);
    ASSERT_EQ(read.skippedCardNos.size(), kListedSkippedCardNos);
    EXPECT_EQ(read.skippedCardNos.front(), u"ZM100000");

    const std::atomic<bool> cancel{true};
    const DeckFileReadResult cancelled = ParseDeckFile(bytes, db, &cancel);
    EXPECT_EQ(cancelled.status, DeckFileStatus::Cancelled);
    EXPECT_TRUE(cancelled.deck.Empty());
}

TEST(DeckFileReader, BinaryFilesPipesAndUnreadableFilesGiveNoDeck) {
    const CardDatabase db = NumberLengthCards();
    TempDir dir;
    std::string binary;
    for (int i = 0; i < 100000; ++i) binary += static_cast<char>((i * 251 + i / 7) & 0xFF);
    WriteBytes(dir / "picture.htm", binary);
    EXPECT_EQ(ReadDeckFile(dir / "picture.htm", db).status, DeckFileStatus::NotDeckFile);
    // A pipe would block a plain read; it is no file to read a deck from.
    ASSERT_EQ(::mkfifo((dir / "pipe.htm").c_str(), 0644), 0);
    EXPECT_EQ(ReadDeckFile(dir / "pipe.htm", db).status, DeckFileStatus::Unreadable);
    InjectedFaults injected;
    injected.faults.unreadableFile = dir / "picture.htm";
    EXPECT_EQ(ReadDeckFile(dir / "picture.htm", db).status, DeckFileStatus::Unreadable);
}

}  // namespace
}  // namespace zemlo::test

// The printable deck sheet as plain data: what stands on each page, worked out once so that
// the printer, the PDF file and the images show the same sheet. Drawing it is left to the
// window side; this part decides the texts, the rule marks and the page breaks.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "carddb/card_fields.h"
#include "deck/deck_summary.h"

namespace zemlo {

// A page holds this many card rows, whatever sections they belong to; every heading, column
// title and counter of the three sections fits beside them.
inline constexpr std::size_t kSheetRowsPerPage = 60;

inline constexpr std::u16string_view kSheetTitle = u"ZEMLOSAGA ﾃﾞｯｷｼｰﾄ";
inline constexpr std::u16string_view kSheetPlayerLabel = u"ﾌﾟﾚｲﾔｰ名：";
inline constexpr std::u16string_view kSheetDeckLabel = u"ﾃﾞｯｷ名：";
inline constexpr std::u16string_view kSheetDateLabel = u"日付：";
// Written after a counter outside its deck rule: the sheet may be printed without colour.
inline constexpr std::u16string_view kOutsideRuleMark = u"（規定外）";

// One distinct card of a section.
struct SheetRow {
    std::u16string cardNo;
    std::u16string name;
    std::u16string copies;  // as the deck text writes them: "×２"
    std::u16string points;  // a mission's points per copy; "" for the other kinds
};

// One counter under a section, such as "ユニット数：20".
struct SheetTally {
    std::u16string caption;
    long long value = 0;
    bool outsideRule = false;  // only counters a deck rule judges can be outside one

    // Caption and value, and the mark when outside the rule.
    std::u16string Text() const;
};

struct SheetSection {
    CardKind kind = CardKind::Unit;
    std::u16string heading;
    std::vector<std::u16string> columnTitles;  // No, name, copies (and points for missions)
    std::vector<SheetRow> rows;
    std::vector<SheetTally> tallies;
};

// The rows of one section that stand on one page.
struct SheetSlice {
    std::size_t section = 0;  // index into DeckSheet::sections
    std::size_t firstRow = 0;
    std::size_t rowCount = 0;
    bool continued = false;    // earlier rows of the section stand on an earlier page
    bool endsSection = false;  // the section's counters follow its last row here
};

// What the player gives before the sheet is made; every text already one line.
struct SheetHeading {
    std::u16string player;
    std::u16string deckName;
    std::u16string date;
};

struct DeckSheet {
    SheetHeading heading;
    std::array<SheetSection, 3> sections;  // units, missions, characters
    std::vector<std::vector<SheetSlice>> pages;

    // "1 / 2" for the first of two pages.
    std::u16string PageNumberText(std::size_t page) const;
    // A section heading as the slice shows it: "（続き）" after a continued one.
    std::u16string SliceHeading(const SheetSlice& slice) const;
};

// One row per card of the summary, in its order, with its number of copies; the summary's
// counters and their judgement; pages of at most kSheetRowsPerPage rows, at least one page
// even for an empty deck.
DeckSheet BuildDeckSheet(const DeckSummary& summary, SheetHeading heading);

// "2026年12月7日".
std::u16string SheetDateText(int year, int month, int day);

// The deck name offered for a deck file: its file name without the last extension; "" for
// no file.
std::u16string DeckNameOfFile(std::u16string_view path);

// The file name a sheet's save dialog offers, without extension: the deck's name where it
// can stand as one, otherwise "ZM" and the month and day as a deck file is offered.
std::u16string SheetFileName(std::u16string_view deckName, int month, int day);

// path ending in extension (".pdf"), compared without regard to ASCII case; otherwise path
// with extension appended.
std::u16string WithExtension(std::u16string_view path, std::u16string_view extension);

// The image files of a sheet of pages pages saved as path (ending in ".png"): path itself,
// then "name-2.png", "name-3.png" and on beside it.
std::vector<std::u16string> SheetImagePaths(std::u16string_view path, std::size_t pages);

}  // namespace zemlo

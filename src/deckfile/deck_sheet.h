// The printable deck sheet as plain data: what stands on each page, worked out once so that
// the printer, the PDF file and the images show the same sheet. Drawing it is left to the
// window side; this part decides the texts, the rule marks and the page breaks.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "carddb/card_fields.h"
#include "deck/deck_summary.h"

namespace zemlo {

// The sheet's geometry, shared by the page breaks and the painter: every line of every page
// stands on rows of one height, so the type has one size on every page however full it is.
// A page breaks where its rows are used up.
namespace sheet_layout {
// A4 paper and its margins, in millimetres.
inline constexpr double kPaperHeightMm = 297.0;
inline constexpr double kSideMarginMm = 15.0;
inline constexpr double kTopMarginMm = 10.0;
inline constexpr double kBottomMarginMm = 8.0;
// One row: a card's line. A deck within the rules (at most 35 different cards) fits one page
// with everything around it.
inline constexpr double kRowMm = 4.5;
// Heights in rows.
inline constexpr double kTitleRows = 2.0;
inline constexpr double kInfoRows = 1.3;  // each line under the title
inline constexpr double kHeaderGapRows = 0.7;
inline constexpr double kHeadingRows = 1.5;
inline constexpr double kColumnTitleRows = 1.1;
inline constexpr double kTallyRows = 1.2;
inline constexpr double kSectionGapRows = 0.6;
inline constexpr double kSignatureRows = 2.5;  // under the last section, on the last page
inline constexpr double kPageNumberRows = 1.5;
// What a page holds between its margins.
inline constexpr double kPageRows = (kPaperHeightMm - kTopMarginMm - kBottomMarginMm) / kRowMm;
}  // namespace sheet_layout

inline constexpr std::u16string_view kSheetTitle = u"ZEMLOSAGA ﾃﾞｯｷｼｰﾄ";
inline constexpr std::u16string_view kSheetPlayerLabel = u"ﾌﾟﾚｲﾔｰ名：";
inline constexpr std::u16string_view kSheetDeckLabel = u"ﾃﾞｯｷ名：";
inline constexpr std::u16string_view kSheetDateLabel = u"日付：";
inline constexpr std::u16string_view kSheetEventLabel = u"大会名：";
inline constexpr std::u16string_view kSheetTotalLabel = u"合計枚数：";
inline constexpr std::u16string_view kSheetSignatureLabel = u"署名：";
// Written after a counter outside its deck rule: the sheet may be printed without colour.
inline constexpr std::u16string_view kOutsideRuleMark = u"（規定外）";

// One distinct card of a section.
struct SheetRow {
    std::u16string cardNo;
    std::u16string name;
    std::u16string copies;  // as the deck text writes them: "×２"
    std::u16string points;  // a mission's points per copy (its column says so); "" otherwise
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
    std::u16string event;  // the event's name; without one the sheet has no line for it
};

struct DeckSheet {
    SheetHeading heading;
    std::array<SheetSection, 3> sections;  // units, missions, characters
    std::vector<std::vector<SheetSlice>> pages;
    long long totalCards = 0;  // every copy of every kind

    // "合計枚数：35".
    std::u16string TotalText() const;
    // The rows of every page's head: the title and the lines under it.
    double HeaderRows() const;

    // "1 / 2" for the first of two pages.
    std::u16string PageNumberText(std::size_t page) const;
    // A section heading as the slice shows it: "（続き）" after a continued one.
    std::u16string SliceHeading(const SheetSlice& slice) const;
};

// One row per card of the summary (CardsOnce: copies that entries differing only in case
// stand between are one row), in its order, with its number of copies; the summary's
// counters and their judgement; pages as full as sheet_layout lets them be, at least one
// page even for an empty deck; the signature line after the last section.
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

// The further pages of an earlier, longer sheet saved as path that a sheet of pages pages
// leaves behind: "name-(pages + 1).png" and on, as long as isPage says one is there.
std::vector<std::u16string> LeftOverSheetPages(
    std::u16string_view path, std::size_t pages,
    const std::function<bool(const std::u16string& path)>& isPage);

}  // namespace zemlo

#include "deckfile/deck_sheet.h"

#include <algorithm>
#include <optional>

#include "carddb/text_width.h"
#include "deckfile/deck_file_format.h"
#include "deckfile/deck_text.h"
#include "platform/text_lines.h"

namespace zemlo {
namespace {

char16_t AsciiLower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

std::vector<SheetRow> RowsOf(CardKind kind, const std::vector<CardCopies>& cards) {
    std::vector<SheetRow> rows;
    rows.reserve(cards.size());
    for (const CardCopies& card : cards) {
        SheetRow row;
        row.cardNo = OneLineText(card.entry.CardNo());
        row.name = OneLineText(card.entry.Name());
        row.copies = CopiesText(card.copies);
        if (kind == CardKind::Mission) row.points = DecimalText(card.entry.Points());
        rows.push_back(std::move(row));
    }
    return rows;
}

SheetTally Tally(std::u16string_view caption, long long value,
                 std::optional<DeckRule> rule = std::nullopt) {
    return SheetTally{std::u16string(caption), value, rule && !KeepsRule(*rule, value)};
}

SheetSection Section(const DeckSummary& summary, CardKind kind, std::u16string_view heading) {
    SheetSection section;
    section.kind = kind;
    section.heading = std::u16string(heading);
    section.columnTitles = {u"No", u"名称", u"枚数"};
    if (kind == CardKind::Mission) section.columnTitles.push_back(u"獲得戦果");
    section.rows = RowsOf(kind, summary.Cards(kind));
    return section;
}

// Cuts the sections' rows into pages of at most kSheetRowsPerPage rows. A section without
// rows stands where the one before it ended.
std::vector<std::vector<SheetSlice>> Paginate(const std::array<SheetSection, 3>& sections) {
    std::vector<std::vector<SheetSlice>> pages(1);
    std::size_t rowsOnPage = 0;
    for (std::size_t s = 0; s < sections.size(); ++s) {
        const std::size_t rowCount = sections[s].rows.size();
        std::size_t next = 0;
        do {
            if (rowsOnPage == kSheetRowsPerPage && next < rowCount) {
                pages.emplace_back();
                rowsOnPage = 0;
            }
            SheetSlice slice;
            slice.section = s;
            slice.firstRow = next;
            slice.rowCount = std::min(rowCount - next, kSheetRowsPerPage - rowsOnPage);
            slice.continued = next > 0;
            next += slice.rowCount;
            rowsOnPage += slice.rowCount;
            slice.endsSection = next == rowCount;
            pages.back().push_back(slice);
        } while (next < rowCount);
    }
    return pages;
}

}  // namespace

std::u16string SheetTally::Text() const {
    std::u16string text = caption + DecimalText(value);
    if (outsideRule) text += kOutsideRuleMark;
    return text;
}

std::u16string DeckSheet::PageNumberText(std::size_t page) const {
    return DecimalText(static_cast<long long>(page) + 1) + u" / " +
           DecimalText(static_cast<long long>(pages.size()));
}

std::u16string DeckSheet::SliceHeading(const SheetSlice& slice) const {
    const std::u16string& heading = sections[slice.section].heading;
    return slice.continued ? heading + u"（続き）" : heading;
}

DeckSheet BuildDeckSheet(const DeckSummary& summary, SheetHeading heading) {
    DeckSheet sheet;
    sheet.heading = std::move(heading);
    sheet.sections = {Section(summary, CardKind::Unit, u"ユニット"),
                      Section(summary, CardKind::Mission, u"ミッション"),
                      Section(summary, CardKind::Character, u"キャラクター")};

    // The counters of the main window, each under the section that completes it.
    const DeckCounters& counters = summary.counters;
    sheet.sections[0].tallies = {Tally(u"ユニット数：", counters.units, DeckRule::Units)};
    sheet.sections[1].tallies = {Tally(u"ミッション数：", counters.missions),
                                 Tally(u"合計戦果：", counters.points, DeckRule::Points)};
    sheet.sections[2].tallies = {
        Tally(u"キャラクター数：", counters.characters),
        Tally(u"ミッション＋キャラクター数：", counters.MissionsAndCharacters(),
              DeckRule::MissionsAndCharacters)};

    sheet.pages = Paginate(sheet.sections);
    return sheet;
}

std::u16string SheetDateText(int year, int month, int day) {
    return DecimalText(year) + u"年" + DecimalText(month) + u"月" + DecimalText(day) + u"日";
}

std::u16string DeckNameOfFile(std::u16string_view path) {
    const std::size_t slash = path.rfind(u'/');
    std::u16string_view name = slash == std::u16string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind(u'.');
    if (dot != std::u16string_view::npos && dot > 0) name = name.substr(0, dot);
    return std::u16string(name);
}

std::u16string SheetFileName(std::u16string_view deckName, int month, int day) {
    const std::u16string name = OneLineText(deckName);
    const bool usable =
        !name.empty() && name != u"." && name != u".." && name.find(u'/') == std::u16string::npos;
    return usable ? name : OfferedDeckFileName(month, day);
}

std::u16string WithExtension(std::u16string_view path, std::u16string_view extension) {
    const bool hasIt =
        path.size() > extension.size() &&
        std::equal(extension.begin(), extension.end(), path.end() - extension.size(),
                   [](char16_t a, char16_t b) { return AsciiLower(a) == AsciiLower(b); });
    return hasIt ? std::u16string(path) : std::u16string(path) + std::u16string(extension);
}

std::vector<std::u16string> SheetImagePaths(std::u16string_view path, std::size_t pages) {
    std::vector<std::u16string> paths;
    if (pages == 0) return paths;
    paths.emplace_back(path);
    const std::size_t dot = path.rfind(u'.');
    const std::size_t slash = path.rfind(u'/');
    const bool hasExtension =
        dot != std::u16string_view::npos && (slash == std::u16string_view::npos || dot > slash + 1);
    const std::u16string_view stem = hasExtension ? path.substr(0, dot) : path;
    const std::u16string_view extension = hasExtension ? path.substr(dot) : std::u16string_view{};
    for (std::size_t page = 2; page <= pages; ++page) {
        paths.push_back(std::u16string(stem) + u"-" + DecimalText(static_cast<long long>(page)) +
                        std::u16string(extension));
    }
    return paths;
}

}  // namespace zemlo

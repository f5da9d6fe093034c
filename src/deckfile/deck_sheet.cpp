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
    if (kind == CardKind::Mission) section.columnTitles.push_back(u"獲得戦果（1枚）");
    section.rows = RowsOf(kind, CardsOnce(summary.Cards(kind)));
    return section;
}

// Cuts the sections into pages of sheet_layout::kPageRows, each page's head taken off. A
// slice costs its heading, column titles and the gap after it; the last slice of a section
// its counters too, and of the last section the signature: a section's last row is carried
// to the next page rather than leave its counters alone there. A section without rows
// stands where the one before it ended.
std::vector<std::vector<SheetSlice>> Paginate(const std::array<SheetSection, 3>& sections,
                                              double headerRows) {
    using namespace sheet_layout;
    const double room = kPageRows - headerRows - kPageNumberRows;
    const double sliceRows = kHeadingRows + kColumnTitleRows + kSectionGapRows;
    std::vector<std::vector<SheetSlice>> pages(1);
    double used = 0;
    for (std::size_t s = 0; s < sections.size(); ++s) {
        const std::size_t rowCount = sections[s].rows.size();
        const double endRows = kTallyRows + (s + 1 == sections.size() ? kSignatureRows : 0.0);
        std::size_t next = 0;
        for (;;) {
            const double free = room - used - sliceRows;
            const std::size_t rest = rowCount - next;
            std::size_t take = 0;
            bool ends = false;
            if (static_cast<double>(rest) + endRows <= free) {
                take = rest;
                ends = true;
            } else if (free >= 1.0 && rest > 1) {
                take = std::min(rest - 1, static_cast<std::size_t>(free));
            }
            if (take == 0 && !ends) {
                // Nothing of the section fits here: on to a fresh page, which always takes a
                // row at least.
                if (!pages.back().empty()) {
                    pages.emplace_back();
                    used = 0;
                    continue;
                }
                const auto fits = static_cast<std::size_t>(std::max(free, 0.0));
                take = std::min(rest, std::max<std::size_t>(1, fits));
            }
            SheetSlice slice;
            slice.section = s;
            slice.firstRow = next;
            slice.rowCount = take;
            slice.continued = next > 0;
            slice.endsSection = ends || take == rest;
            next += take;
            used += sliceRows + static_cast<double>(take) + (slice.endsSection ? endRows : 0.0);
            pages.back().push_back(slice);
            if (next == rowCount) break;
        }
    }
    return pages;
}

}  // namespace

std::u16string SheetTally::Text() const {
    std::u16string text = caption + DecimalText(value);
    if (outsideRule) text += kOutsideRuleMark;
    return text;
}

std::u16string DeckSheet::TotalText() const {
    return std::u16string(kSheetTotalLabel) + DecimalText(totalCards);
}

double DeckSheet::HeaderRows() const {
    using namespace sheet_layout;
    const int infoLines = heading.event.empty() ? 2 : 3;
    return kTitleRows + infoLines * kInfoRows + kHeaderGapRows;
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

    sheet.totalCards = counters.units + counters.missions + counters.characters;
    sheet.pages = Paginate(sheet.sections, sheet.HeaderRows());
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

namespace {

// Page page (from 1) of a sheet saved as path: path itself, then "name-2.png" and on.
std::u16string SheetPagePath(std::u16string_view path, std::size_t page) {
    if (page <= 1) return std::u16string(path);
    const std::size_t dot = path.rfind(u'.');
    const std::size_t slash = path.rfind(u'/');
    const bool hasExtension =
        dot != std::u16string_view::npos && (slash == std::u16string_view::npos || dot > slash + 1);
    const std::u16string_view stem = hasExtension ? path.substr(0, dot) : path;
    const std::u16string_view extension = hasExtension ? path.substr(dot) : std::u16string_view{};
    return std::u16string(stem) + u"-" + DecimalText(static_cast<long long>(page)) +
           std::u16string(extension);
}

}  // namespace

std::vector<std::u16string> SheetImagePaths(std::u16string_view path, std::size_t pages) {
    std::vector<std::u16string> paths;
    for (std::size_t page = 1; page <= pages; ++page) paths.push_back(SheetPagePath(path, page));
    return paths;
}

std::vector<std::u16string> LeftOverSheetPages(
    std::u16string_view path, std::size_t pages,
    const std::function<bool(const std::u16string& path)>& isPage) {
    // No sheet has this many pages; a folder that says otherwise is not asked on forever.
    constexpr std::size_t kMostPages = 10000;
    std::vector<std::u16string> left;
    for (std::size_t page = std::max<std::size_t>(pages, 1) + 1; page <= kMostPages; ++page) {
        std::u16string candidate = SheetPagePath(path, page);
        if (!isPage(candidate)) break;
        left.push_back(std::move(candidate));
    }
    return left;
}

}  // namespace zemlo

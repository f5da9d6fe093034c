#include "deckfile/deck_file_reader.h"

#include <algorithm>
#include <cerrno>
#include <new>

#include "deck/entry_merge.h"
#include "deckfile/deck_file_format.h"
#include "deckfile/html_escape.h"
#include "platform/code_page.h"
#include "platform/file_io.h"
#include "platform/text_lines.h"

namespace zemlo {
namespace {

// The heading that ends a kind's section: the unit rows end where the missions begin, the
// mission rows where the characters begin; the character rows run to the end of the file.
std::u16string_view StopHeading(CardKind kind) {
    switch (kind) {
        case CardKind::Unit:
            return deck_file::kMissionHeading;
        case CardKind::Mission:
            return deck_file::kCharacterHeading;
        case CardKind::Character:
            break;
    }
    return {};
}

// One pass over the file for one kind. Row 1 of a section is the header row; from row 2 on
// the first cell of each row names a card, and the row's other cells are not looked at.
// Appends the entries of the rows, in file order, to list.
void ReadSection(const std::vector<std::u16string_view>& lines, CardKind kind,
                 const CardDatabase& db, DeckFileReadResult& result, std::vector<DeckEntry>& list) {
    std::size_t taken = 0;
    auto line = std::find(lines.begin(), lines.end(), deck_file::Heading(kind));
    if (line == lines.end()) return;

    const std::u16string_view stop = StopHeading(kind);
    const CardTable& table = db.Table(kind);
    int rows = 0;
    bool numberTaken = false;
    for (++line; line != lines.end(); ++line) {
        const std::u16string_view text = *line;
        if (!stop.empty() && text == stop) break;
        if (text == deck_file::kRowStart) {
            ++rows;
            numberTaken = false;
            continue;
        }
        if (rows <= 1 || numberTaken || !text.starts_with(deck_file::kCellStart)) continue;
        numberTaken = true;

        // The number is the whole cell, however long: numbers of every length read back.
        const std::u16string_view cell = text.substr(deck_file::kCellStart.size());
        const size_t end = cell.find(deck_file::kCellEnd);
        if (end == std::u16string_view::npos) {
            // A cell cut off before its end may hold only part of a number; guessing could
            // put the wrong card into the deck.
            result.skippedCardNos.push_back(UnescapeHtml(cell));
            continue;
        }
        const std::u16string cardNo = UnescapeHtml(cell.substr(0, end));
        const int record = table.FindCardNo(cardNo);
        if (record < 0) {
            result.skippedCardNos.push_back(cardNo);
        } else if (taken < kMaxListEntries) {
            list.push_back(DeckEntry::OfRecord(db, kind, record));
            ++taken;
        } else {
            ++result.leftOut[static_cast<size_t>(kind)];
        }
    }
}

}  // namespace

DeckFileReadResult ParseDeckFile(std::u16string_view text, const CardDatabase& db) {
    DeckFileReadResult result;
    const std::vector<std::u16string_view> lines = SplitLineViews(text);
    if (std::find(lines.begin(), lines.end(), deck_file::kSignature) == lines.end()) {
        result.status = DeckFileStatus::NotDeckFile;
        return result;
    }
    result.status = DeckFileStatus::Read;
    // Each list is sorted into the deck as one merge.
    std::vector<DeckEntry> entries;
    for (CardKind kind : kDeckKinds) ReadSection(lines, kind, db, result, entries);
    result.deck.Fill(std::move(entries));
    return result;
}

DeckFileReadResult ReadDeckFile(const std::filesystem::path& path, const CardDatabase& db) {
    DeckFileReadResult unreadable;
    try {
        const FileContents contents = ReadFileBytes(path, kDeckFileLimit);
        if (contents.status) return ParseDeckFile(DecodeCp932(contents.bytes), db);
        unreadable.fileStatus = contents.status;
    } catch (const std::bad_alloc&) {
        unreadable.fileStatus = FileStatus{ENOMEM, true};
    }
    return unreadable;
}

}  // namespace zemlo

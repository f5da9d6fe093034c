#include "deckfile/deck_file_reader.h"

#include <algorithm>
#include <cerrno>
#include <new>

#include "catalog/catalog_entry.h"
#include "deck/entry_merge.h"
#include "deckfile/deck_file_format.h"
#include "deckfile/html_escape.h"
#include "platform/code_page.h"
#include "platform/file_io.h"
#include "platform/text_lines.h"

namespace zemlo {
namespace {

// The fixed lines as the file holds them. Every line compared is one of these or begins with
// "<", and "<", CR and LF are never the second byte of a CP932 character, so comparing bytes
// finds exactly the lines comparing the decoded text would.
struct FileLines {
    std::string signature = EncodeCp932(deck_file::kSignature);
    std::string headings[3] = {EncodeCp932(deck_file::kUnitHeading),
                               EncodeCp932(deck_file::kMissionHeading),
                               EncodeCp932(deck_file::kCharacterHeading)};
    std::string rowStart = EncodeCp932(deck_file::kRowStart);
    std::string cellStart = EncodeCp932(deck_file::kCellStart);
    std::string cellEnd = EncodeCp932(deck_file::kCellEnd);
};

const FileLines& FixedLines() {
    static const FileLines lines;
    return lines;
}

bool AtLineStart(std::string_view bytes, size_t at) {
    return at == 0 || bytes[at - 1] == '\r' || bytes[at - 1] == '\n';
}

// How many lines pass between two looks at the cancel flag.
constexpr int kLinesBetweenCancelChecks = 4096;

// Calls each(line) for every line that begins with "<", in file order. False when cancel was
// set before the end.
template <typename Each>
bool ForEachMarkupLine(std::string_view bytes, const std::atomic<bool>* cancel, Each each) {
    int untilCheck = kLinesBetweenCancelChecks;
    size_t at = 0;
    while (at < bytes.size()) {
        at = bytes.find('<', at);
        if (at == std::string_view::npos) break;
        if (--untilCheck == 0) {
            untilCheck = kLinesBetweenCancelChecks;
            if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) return false;
        }
        const size_t stop = LineStop(bytes, at);
        if (AtLineStart(bytes, at)) each(bytes.substr(at, stop - at));
        at = stop;
    }
    return true;
}

bool HasSignature(std::string_view bytes) {
    const std::string& signature = FixedLines().signature;
    for (size_t at = bytes.find(signature); at != std::string_view::npos;
         at = bytes.find(signature, at + 1)) {
        const size_t end = at + signature.size();
        if (AtLineStart(bytes, at) &&
            (end == bytes.size() || bytes[end] == '\r' || bytes[end] == '\n')) {
            return true;
        }
    }
    return false;
}

// A cell's card number. Plain ASCII, the usual case, needs no decoding.
std::u16string CardNoOf(std::string_view cell) {
    if (std::all_of(cell.begin(), cell.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x80 && c != '&';
        })) {
        return std::u16string(cell.begin(), cell.end());
    }
    return UnescapeHtml(DecodeCp932(cell));
}

// The beginning of a skipped card number, as a message lists it.
std::u16string ListedCardNo(std::string_view cell) {
    // No escape is longer than six bytes, no character than two.
    std::u16string number = CardNoOf(cell.substr(0, (kListedCardNoLength + 1) * 6));
    if (number.size() > kListedCardNoLength) {
        number.resize(kListedCardNoLength);
        number += u'\u2026';
    }
    return number;
}

// One kind's rows. Its section begins after the kind's first heading; the unit rows end
// where the missions begin, the mission rows where the characters begin, the character rows
// run to the end of the file. Row 1 of a section is the header row; from row 2 on the first
// cell of each row names a card, and the row's other cells are not looked at.
class SectionReader {
public:
    SectionReader(CardKind kind, const CardDatabase& db, DeckFileReadResult& result)
        : kind_(kind),
          table_(db.Table(kind)),
          db_(db),
          result_(result),
          longest_(table_.LongestCardNo()) {
        const FileLines& lines = FixedLines();
        heading_ = lines.headings[static_cast<size_t>(kind)];
        if (kind != CardKind::Character) stop_ = lines.headings[static_cast<size_t>(kind) + 1];
    }

    void Take(std::string_view line) {
        if (state_ == State::Before) {
            if (line == heading_) state_ = State::Inside;
            return;
        }
        if (state_ == State::Done) return;
        if (!stop_.empty() && line == stop_) {
            state_ = State::Done;
            return;
        }
        const FileLines& lines = FixedLines();
        if (line == lines.rowStart) {
            ++rows_;
            numberTaken_ = false;
            return;
        }
        if (rows_ <= 1 || numberTaken_ || !line.starts_with(lines.cellStart)) return;
        numberTaken_ = true;

        // The number is the whole cell, however long: numbers of every length read back.
        const std::string_view cell = line.substr(lines.cellStart.size());
        const size_t end = cell.find(lines.cellEnd);
        if (end == std::string_view::npos) {
            // A cell cut off before its end may hold only part of a number; guessing could
            // put the wrong card into the deck.
            Skip(cell);
            return;
        }
        const std::string_view number = cell.substr(0, end);
        // A cell whose text must be longer than every card number is not decoded whole.
        if (number.size() / 6 > longest_) {
            Skip(number);
            return;
        }
        const int record = table_.FindCardNo(CardNoOf(number));
        if (record < 0) {
            Skip(number);
        } else if (list_.size() < kMaxListEntries) {
            list_.push_back(CatalogEntry(db_, kind_, record));
        } else {
            ++result_.leftOut[static_cast<size_t>(kind_)];
        }
    }

    std::vector<std::u16string> TakeList() { return std::move(list_); }
    std::vector<std::u16string> TakeSkipped() { return std::move(skipped_); }

private:
    enum class State { Before, Inside, Done };

    void Skip(std::string_view number) {
        ++result_.skippedRows;
        if (skipped_.size() < kListedSkippedCardNos) skipped_.push_back(ListedCardNo(number));
    }

    CardKind kind_;
    const CardTable& table_;
    const CardDatabase& db_;
    DeckFileReadResult& result_;
    size_t longest_;
    std::string_view heading_;
    std::string_view stop_;
    State state_ = State::Before;
    int rows_ = 0;
    bool numberTaken_ = false;
    std::vector<std::u16string> list_;
    std::vector<std::u16string> skipped_;
};

DeckFileReadResult CancelledRead() {
    DeckFileReadResult result;
    result.status = DeckFileStatus::Cancelled;
    return result;
}

}  // namespace

DeckFileReadResult ParseDeckFile(std::string_view bytes, const CardDatabase& db,
                                 const std::atomic<bool>* cancel) {
    DeckFileReadResult result;
    if (!HasSignature(bytes)) {
        result.status = DeckFileStatus::NotDeckFile;
        return result;
    }
    result.status = DeckFileStatus::Read;
    SectionReader sections[] = {SectionReader(CardKind::Unit, db, result),
                                SectionReader(CardKind::Mission, db, result),
                                SectionReader(CardKind::Character, db, result)};
    const bool ended = ForEachMarkupLine(bytes, cancel, [&](std::string_view line) {
        for (SectionReader& section : sections) section.Take(line);
    });
    if (!ended) return CancelledRead();
    // Each list is sorted into the deck as one merge; the skipped numbers are listed by kind.
    for (SectionReader& section : sections) {
        for (std::u16string& number : section.TakeSkipped()) {
            if (result.skippedCardNos.size() < kListedSkippedCardNos) {
                result.skippedCardNos.push_back(std::move(number));
            }
        }
    }
    for (CardKind kind : kDeckKinds) {
        result.deck.Fill(kind, sections[static_cast<size_t>(kind)].TakeList());
    }
    return result;
}

DeckFileReadResult ReadDeckFile(const std::filesystem::path& path, const CardDatabase& db,
                                const std::atomic<bool>* cancel) {
    DeckFileReadResult unreadable;
    try {
        const FileContents contents = ReadFileBytes(path, kDeckFileLimit, cancel);
        if (contents.status) return ParseDeckFile(contents.bytes, db, cancel);
        if (contents.status.error == ECANCELED) return CancelledRead();
        unreadable.fileStatus = contents.status;
    } catch (const std::bad_alloc&) {
        unreadable.fileStatus = FileStatus{ENOMEM, true};
    }
    return unreadable;
}

}  // namespace zemlo

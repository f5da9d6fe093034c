#include "carddb/card_loader.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <new>

#include "platform/cp932_decoder.h"
#include "platform/file_io.h"

namespace zemlo {
namespace {

// Characters of each field line's label, skipped unread; the value is the rest of the line.
constexpr std::array<int, 25> kUnitLabels = {5, 3, 3, 7, 5, 6, 6, 6, 8, 8, 6, 6, 6,
                                             4, 6, 4, 3, 6, 6, 6, 6, 4, 4, 5, 4};
constexpr std::array<int, 7> kMissionLabels = {3, 5, 8, 5, 5, 3, 5};
constexpr std::array<int, 8> kCharLabels = {3, 3, 5, 8, 5, 3, 5, 4};

// Where the line that starts at pos ends, and where the next one starts: CR LF, CR and LF
// all end a line.
template <typename Char>
void FindLineEnd(const Char* text, size_t size, size_t pos, size_t& end, size_t& next) {
    end = pos;
    while (end < size && text[end] != Char('\r') && text[end] != Char('\n')) ++end;
    next = end;
    if (next < size) {
        if (text[next] == Char('\r') && next + 1 < size && text[next + 1] == Char('\n')) ++next;
        ++next;
    }
}

// Walks a decoded text line by line.
class TextLines {
public:
    explicit TextLines(std::u16string_view text) : text_(text) {}

    bool Next(std::u16string_view& line) {
        if (pos_ >= text_.size()) return false;
        size_t end, next;
        FindLineEnd(text_.data(), text_.size(), pos_, end, next);
        line = text_.substr(pos_, end - pos_);
        pos_ = next;
        return true;
    }

private:
    std::u16string_view text_;
    size_t pos_ = 0;
};

// Walks the file's bytes line by line and decodes one line at a time, so the whole file is
// never held decoded. CR and LF are single bytes in CP932 that no character's second byte
// can be, so the lines are the same as those of the decoded text.
class ByteLines {
public:
    explicit ByteLines(std::string_view bytes)
        : bytes_(bytes), decoder_(Cp932Decoder::Instance()) {}

    bool Next(std::u16string_view& line) {
        if (pos_ >= bytes_.size()) return false;
        // The next LF is remembered, so a file of CR-only line ends is searched once for it.
        if (!lfSearched_ || nextLf_ < pos_) {
            nextLf_ = Find('\n', pos_, bytes_.size());
            lfSearched_ = true;
        }
        const size_t end = Find('\r', pos_, nextLf_);
        const size_t next = std::min(end + (end + 1 == nextLf_ ? 2 : 1), bytes_.size());
        line_.clear();
        decoder_.AppendTo(bytes_.substr(pos_, end - pos_), line_);
        line = line_;
        pos_ = next;
        return true;
    }

private:
    // The first c in [from, to), or to.
    size_t Find(char c, size_t from, size_t to) const {
        const void* hit = std::memchr(bytes_.data() + from, c, to - from);
        return hit ? static_cast<size_t>(static_cast<const char*>(hit) - bytes_.data()) : to;
    }

    std::string_view bytes_;
    const Cp932Decoder& decoder_;
    std::u16string line_;
    size_t pos_ = 0;
    size_t nextLf_ = 0;
    bool lfSearched_ = false;
};

template <size_t N, typename Lines>
void ReadRecord(CardTable& table, std::u16string_view tagLine, const std::array<int, N>& labels,
                Lines& lines, int& dropped) {
    // A full table still consumes the record's lines, so they are not taken for tags.
    const bool keep = table.Count() < CardTable::kMaxRecords;
    int record = -1;
    if (keep) {
        record = table.AppendRecord();
        // The card number is the tag line without its first and last character.
        if (tagLine.size() >= 2) {
            table.SetCell(1, record, tagLine.substr(1, tagLine.size() - 2));
        }
    } else {
        ++dropped;
    }
    for (size_t i = 0; i < N; ++i) {
        std::u16string_view line;
        if (!lines.Next(line)) return;  // cut short by the end of the file: the rest stay empty
        if (keep && line.size() > static_cast<size_t>(labels[i])) {
            table.SetCell(static_cast<int>(i) + 2, record, line.substr(labels[i]));
        }
    }
}

template <typename Lines>
void ReadRecords(CardDatabase& db, Lines& lines, LoadReport& report) {
    std::u16string_view line;
    while (lines.Next(line)) {
        std::u16string_view tag = line.substr(0, 2);
        if (tag == u"[Z") {
            ReadRecord(db.units, line, kUnitLabels, lines, report.droppedUnits);
        } else if (tag == u"[M") {
            ReadRecord(db.missions, line, kMissionLabels, lines, report.droppedMissions);
        } else if (tag == u"[C") {
            ReadRecord(db.characters, line, kCharLabels, lines, report.droppedCharacters);
        }
    }
}

// Room for everything one file can add, so that no table grows (and copies itself) while
// the file is read: a record takes two bytes at least, and a byte gives at most one
// character. Room that is never written is never touched, so it costs address space only.
void ReserveFor(CardDatabase& db, std::string_view bytes) {
    for (CardTable* table : {&db.units, &db.missions, &db.characters}) {
        const size_t room =
            std::min<size_t>(bytes.size() / 2 + 1, CardTable::kMaxRecords - table->Count());
        if (room > 0) table->Reserve(static_cast<int>(room), bytes.size());
    }
}

// The one place the loader touches the file system for a data file.
FileStatus ReadFile(CardDatabase& db, const std::filesystem::path& path, LoadReport& report) {
    const FileContents contents = ReadFileBytes(path, kCardDataFileLimit);
    if (contents.status) ReadCardDataBytes(db, contents.bytes, report);
    return contents.status;
}

void ClearTables(CardDatabase& db) {
    db.units.Clear();
    db.missions.Clear();
    db.characters.Clear();
}

}  // namespace

void ReadCardDataBytes(CardDatabase& db, std::string_view bytes, LoadReport& report) {
    ReserveFor(db, bytes);
    ByteLines lines(bytes);
    ReadRecords(db, lines, report);
}

void ReadCardRecords(CardDatabase& db, std::u16string_view text, LoadReport& report) {
    TextLines lines(text);
    ReadRecords(db, lines, report);
}

LoadReport LoadCardData(CardDatabase& db, const std::filesystem::path& dir) {
    LoadReport report;
    ClearTables(db);
    report.zemloPath = dir / "ZEMLO.dat";
    db.orvelDataLoaded = false;
    try {
        report.zemloStatus = ReadFile(db, report.zemloPath, report);
        report.zemloRead = static_cast<bool>(report.zemloStatus);

        const std::filesystem::path orvel = dir / "ORVEL.dat";
        // Only a readable regular file counts: a folder of that name must not make the title
        // claim the extra card data.
        std::error_code ec;
        if (std::filesystem::is_regular_file(orvel, ec)) {
            report.orvelStatus = ReadFile(db, orvel, report);
            db.orvelDataLoaded = static_cast<bool>(report.orvelStatus);
        }
    } catch (const std::bad_alloc&) {
        ClearTables(db);
        db.orvelDataLoaded = false;
        report = LoadReport{};
        report.zemloPath = dir / "ZEMLO.dat";
        report.zemloStatus.error = ENOMEM;
        report.zemloStatus.whileReading = true;
    }
    return report;
}

}  // namespace zemlo

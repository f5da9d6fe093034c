#include "carddb/card_loader.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <functional>
#include <future>
#include <memory>
#include <new>
#include <system_error>

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

// The record reader takes a file's lines through one of the two classes below, each line
// once: Begin says whether another line begins, HasTag looks at its first characters, and
// TakeCardNo, TakeField or Skip takes it whole.

// Walks a decoded text line by line.
class TextLines {
public:
    explicit TextLines(std::u16string_view text) : text_(text) {}

    bool Begin() const { return pos_ < text_.size(); }
    bool HasTag(char letter) const {
        return pos_ + 1 < text_.size() && text_[pos_] == u'[' && text_[pos_ + 1] == letter;
    }
    // The card number is the tag line without its first and last character.
    void TakeCardNo(CardTable& table, int record) {
        const std::u16string_view line = Take();
        if (line.size() >= 2) table.SetCell(1, record, line.substr(1, line.size() - 2));
    }
    // The value is the line after its label.
    void TakeField(CardTable& table, int field, int record, int label, std::string&) {
        const std::u16string_view line = Take();
        if (line.size() > static_cast<size_t>(label)) table.SetCell(field, record, line.substr(label));
    }
    void Skip() { Take(); }

private:
    std::u16string_view Take() {
        size_t end, next;
        FindLineEnd(text_.data(), text_.size(), pos_, end, next);
        const std::u16string_view line = text_.substr(pos_, end - pos_);
        pos_ = next;
        return line;
    }

    std::u16string_view text_;
    size_t pos_ = 0;
};

// Walks a data file's bytes line by line, as they come from the disk or all at once, in one
// pass that skips the labels undecoded and decodes the values: the whole file is never held,
// raw or decoded. CR and LF are single bytes in CP932 that no character's second byte can
// be, and "[", "Z", "M" and "C" are characters of one byte each, so the lines and their tags
// are those of the decoded text.
class ByteLines {
public:
    explicit ByteLines(std::string_view bytes)
        : data_(bytes), certain_(bytes.size()), ended_(true), decoder_(Cp932Decoder::Instance()) {
        MakeRoom(bytes.size());
    }
    // Reads the file piece by piece; a read that fails ends the lines (the reader tells why).
    explicit ByteLines(FileReader& reader)
        : reader_(&reader), buffer_(kCardDataPieceBytes, '\0'), decoder_(Cp932Decoder::Instance()) {}

    bool Begin() {
        while (pos_ >= certain_ && !ended_) Refill();
        return pos_ < data_.size();
    }
    bool HasTag(char letter) const {
        return pos_ + 1 < data_.size() && data_[pos_] == '[' && data_[pos_ + 1] == letter;
    }
    void TakeCardNo(CardTable& table, int record) {
        const size_t n = decoder_.DecodeLine(data_, pos_, line_.get());
        if (n >= 2) table.SetCell(1, record, std::u16string_view(line_.get() + 1, n - 2));
        EndLine();
    }
    // known holds the bytes of a label passed over before at this line of a record; the
    // same label, as it nearly always is, is passed over by comparing bytes.
    void TakeField(CardTable& table, int field, int record, int label, std::string& known) {
        if (!known.empty() && data_.size() - pos_ >= known.size() &&
            std::memcmp(data_.data() + pos_, known.data(), known.size()) == 0) {
            pos_ += known.size();
        } else {
            const size_t start = pos_;
            if (decoder_.SkipInLine(data_, pos_, static_cast<size_t>(label))) {
                known.assign(data_.data() + start, pos_ - start);
            }
        }
        const size_t n = decoder_.DecodeLine(data_, pos_, line_.get());
        if (n > 0) table.SetCell(field, record, std::u16string_view(line_.get(), n));
        EndLine();
    }
    // Another pass's records are passed over line by line: the line ends are searched for,
    // the next LF once for all the lines before it.
    void Skip() {
        if (nextLf_ < pos_ || !lfSearched_) {
            nextLf_ = Find('\n', pos_, data_.size());
            lfSearched_ = true;
        }
        pos_ = Find('\r', pos_, nextLf_);
        EndLine();
    }

private:
    // The first c in [from, to), or to.
    size_t Find(char c, size_t from, size_t to) const {
        if (from >= to) return to;
        const void* hit = std::memchr(data_.data() + from, c, to - from);
        return hit ? static_cast<size_t>(static_cast<const char*>(hit) - data_.data()) : to;
    }

    // From a line's end (a CR, LF or CR LF, or the end of the data) to the next line.
    void EndLine() {
        if (pos_ >= data_.size()) return;
        const bool crLf = data_[pos_] == '\r' && pos_ + 1 < data_.size() && data_[pos_ + 1] == '\n';
        pos_ += crLf ? 2 : 1;
    }

    // Keeps the unfinished line at the front of the buffer and reads more behind it; a line
    // longer than the buffer makes the buffer grow.
    void Refill() {
        const size_t kept = data_.size() - pos_;
        if (kept > 0) std::memmove(buffer_.data(), data_.data() + pos_, kept);
        if (kept == buffer_.size()) buffer_.resize(buffer_.size() * 2);
        const size_t got = reader_->Read(buffer_.data() + kept, buffer_.size() - kept);
        ended_ = got == 0;
        data_ = std::string_view(buffer_.data(), kept + got);
        pos_ = 0;
        lfSearched_ = false;
        certain_ = ended_ ? data_.size() : CertainEnd();
        MakeRoom(data_.size());
    }

    // Just after the last line end that is sure: a LF, or a CR with a byte after it (a CR
    // last of all may be the first half of a CR LF). Lines before it are whole.
    size_t CertainEnd() const {
        size_t end = data_.size();
        for (; end > 0; --end) {
            const char c = data_[end - 1];
            if (c == '\n' || (c == '\r' && end < data_.size())) break;
        }
        return end;
    }

    // Room to decode any line of the data: a byte gives at most one character. Not written
    // beyond the longest line, so the rest costs address space only.
    void MakeRoom(size_t chars) {
        if (chars <= lineRoom_ && line_) return;
        line_ = std::make_unique_for_overwrite<char16_t[]>(std::max<size_t>(chars, 1));
        lineRoom_ = chars;
    }

    FileReader* reader_ = nullptr;
    std::string buffer_;
    std::string_view data_;
    // Where the whole lines of data_ end; the rest waits for the next read.
    size_t certain_ = 0;
    bool ended_ = false;
    size_t pos_ = 0;
    // The first LF at or after the position where it was searched for.
    size_t nextLf_ = 0;
    bool lfSearched_ = false;
    const Cp932Decoder& decoder_;
    std::unique_ptr<char16_t[]> line_;
    size_t lineRoom_ = 0;
};

// The labels' bytes as met at each field line of one kind of record.
template <size_t N>
using KnownLabels = std::array<std::string, N>;

// Which kinds of record a pass over a file's lines takes into their tables. The lines of the
// other records are passed over, so that every pass meets the same records.
struct Kinds {
    bool units = true;
    bool missions = true;
    bool characters = true;
};

template <size_t N, typename Lines>
void ReadRecord(CardTable& table, bool mine, const std::array<int, N>& labels,
                KnownLabels<N>& known, Lines& lines, int& dropped) {
    // A full table still consumes the record's lines, so they are not taken for tags. The
    // table of another pass is not looked at: another thread is writing it.
    const bool keep = mine && table.Count() < CardTable::kMaxRecords;
    int record = -1;
    if (keep) {
        record = table.AppendRecord();
        lines.TakeCardNo(table, record);
    } else {
        if (mine) ++dropped;
        lines.Skip();
    }
    for (size_t i = 0; i < N; ++i) {
        if (!lines.Begin()) return;  // cut short by the end of the file: the rest stay empty
        if (keep) {
            lines.TakeField(table, static_cast<int>(i) + 2, record, labels[i], known[i]);
        } else {
            lines.Skip();
        }
    }
}

template <typename Lines>
void ReadRecords(CardDatabase& db, Lines& lines, LoadReport& report, Kinds kinds = {}) {
    KnownLabels<kUnitLabels.size()> unitLabels;
    KnownLabels<kMissionLabels.size()> missionLabels;
    KnownLabels<kCharLabels.size()> charLabels;
    while (lines.Begin()) {
        if (lines.HasTag('Z')) {
            ReadRecord(db.units, kinds.units, kUnitLabels, unitLabels, lines, report.droppedUnits);
        } else if (lines.HasTag('M')) {
            ReadRecord(db.missions, kinds.missions, kMissionLabels, missionLabels, lines,
                       report.droppedMissions);
        } else if (lines.HasTag('C')) {
            ReadRecord(db.characters, kinds.characters, kCharLabels, charLabels, lines,
                       report.droppedCharacters);
        } else {
            lines.Skip();
        }
    }
}

// Room for everything one file can add, so that no table grows (and copies itself) while
// the file is read: a record takes two bytes at least, and a byte gives at most one
// character. Room that is never written is never touched, so it costs address space only.
void ReserveFor(CardDatabase& db, size_t bytes) {
    for (CardTable* table : {&db.units, &db.missions, &db.characters}) {
        const size_t room = std::min<size_t>(bytes / 2 + 1, CardTable::kMaxRecords - table->Count());
        if (room > 0) table->Reserve(static_cast<int>(room), bytes);
    }
}

// What the tables and the report held before a file was read, to take it back when the file
// cannot be read to its end: such a file adds nothing.
class LoadMark {
public:
    LoadMark(const CardDatabase& db, const LoadReport& report) : report_(report) {
        for (int k = 0; k < 3; ++k) {
            const CardTable& table = db.Table(static_cast<CardKind>(k));
            records_[k] = table.Count();
            text_[k] = table.TextSize();
        }
    }
    void TakeBack(CardDatabase& db, LoadReport& report) const {
        for (int k = 0; k < 3; ++k) db.Table(static_cast<CardKind>(k)).TruncateTo(records_[k], text_[k]);
        report.droppedUnits = report_.droppedUnits;
        report.droppedMissions = report_.droppedMissions;
        report.droppedCharacters = report_.droppedCharacters;
    }

private:
    const LoadReport report_;
    std::array<int, 3> records_;
    std::array<size_t, 3> text_;
};

// Reads the records of an opened file. A large file is read in two passes at once, each
// through its own reader of the same opened file: the units, most of a file, on a thread of
// their own, the missions and characters on this one. Each table is written by one thread.
FileStatus ReadRecordsOf(CardDatabase& db, FileReader& reader, LoadReport& report) {
    const auto onePass = [&](FileReader& from, Kinds kinds) {
        ByteLines lines(from);
        ReadRecords(db, lines, report, kinds);
    };
    if (reader.Size() < kCardDataTwoPassBytes) {
        onePass(reader, {});
        return reader.Status();
    }
    const std::unique_ptr<FileReader> twin = reader.Twin();
    std::future<void> units;
    try {
        units = std::async(std::launch::async, onePass, std::ref(*twin), Kinds{true, false, false});
    } catch (const std::system_error&) {
        onePass(reader, {});
        return reader.Status();
    }
    onePass(reader, {false, true, true});
    units.get();
    return !reader.Status() ? reader.Status() : twin->Status();
}

// The one place the loader touches the file system for a data file.
FileStatus ReadFile(CardDatabase& db, const std::filesystem::path& path, LoadReport& report) {
    FileReader reader(path, kCardDataFileLimit);
    if (!reader.Status()) return reader.Status();
    const LoadMark mark(db, report);
    ReserveFor(db, static_cast<size_t>(reader.Size()));
    const FileStatus status = ReadRecordsOf(db, reader, report);
    if (!status) mark.TakeBack(db, report);
    return status;
}

void ClearTables(CardDatabase& db) {
    db.units.Clear();
    db.missions.Clear();
    db.characters.Clear();
}

}  // namespace

void ReadCardDataBytes(CardDatabase& db, std::string_view bytes, LoadReport& report) {
    ReserveFor(db, bytes.size());
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

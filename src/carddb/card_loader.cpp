#include "carddb/card_loader.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <cerrno>
#include <cstring>
#include <functional>
#include <future>
#include <memory>
#include <new>
#include <system_error>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/cp932_decoder.h"
#include "platform/file_io.h"

namespace zemlo {
namespace {

// Characters of each field line's label, skipped unread; the value is the rest of the line.
constexpr std::array<int, 25> kUnitLabels = {5, 3, 3, 7, 5, 6, 6, 6, 8, 8, 6, 6, 6,
                                             4, 6, 4, 3, 6, 6, 6, 6, 4, 4, 5, 4};
constexpr std::array<int, 7> kMissionLabels = {3, 5, 8, 5, 5, 3, 5};
constexpr std::array<int, 8> kCharLabels = {3, 3, 5, 8, 5, 3, 5, 4};
// The card number and the field lines of the longest record.
constexpr size_t kMostRecordFields = 1 + kUnitLabels.size();

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
// TakeCardNo, TakeField or SkipLines takes it whole. A record's fields are gathered and go
// into its table at once, with AppendRecordTo.

// Walks a decoded text line by line.
class TextLines {
public:
    explicit TextLines(std::u16string_view text) : text_(text) {}

    bool Begin() const { return pos_ < text_.size(); }
    bool HasTag(char letter) const {
        return pos_ + 1 < text_.size() && text_[pos_] == u'[' && text_[pos_ + 1] == letter;
    }
    // The card number is the tag line without its first and last character.
    void TakeCardNo() {
        const std::u16string_view line = Take();
        record_.clear();
        if (line.size() >= 2) record_ = line.substr(1, line.size() - 2);
        ends_.assign(1, static_cast<uint32_t>(record_.size()));
    }
    // The value is the line after its label.
    void TakeField(int label, std::string&) {
        const std::u16string_view line = Take();
        if (line.size() > static_cast<size_t>(label)) record_ += line.substr(label);
        ends_.push_back(static_cast<uint32_t>(record_.size()));
    }
    void AppendRecordTo(CardTable& table) const { table.AppendRecord(record_, ends_); }
    void SkipLines(size_t count) {
        for (; count > 0 && Begin(); --count) Take();
    }

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
    std::u16string record_;
    std::vector<uint32_t> ends_;
};

// Walks a data file's bytes line by line, as they come from the disk or all at once, in one
// pass that skips the labels undecoded and decodes the values: the whole file is never held,
// raw or decoded. CR and LF are single bytes in CP932 that no character's second byte can
// be, and "[", "Z", "M" and "C" are characters of one byte each, so the lines and their tags
// are those of the decoded text.
class ByteLines {
public:
    explicit ByteLines(std::string_view bytes)
        : data_(bytes), certain_(bytes.size()), ended_(true), decoder_(Cp932Decoder::Instance()) {}
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
    void TakeCardNo() {
        fields_ = 0;
        recordLength_ = 0;
        const size_t n = decoder_.DecodeLine(data_, pos_, Room());
        if (n >= 2) {
            std::char_traits<char16_t>::move(record_.get(), record_.get() + 1, n - 2);
            recordLength_ = n - 2;
        }
        ends_[fields_++] = static_cast<uint32_t>(recordLength_);
        EndLine();
    }
    // known holds the bytes of a label passed over before at this line of a record; the
    // same label, as it nearly always is, is passed over by comparing bytes.
    void TakeField(int label, std::string& known) {
        if (!known.empty() && data_.size() - pos_ >= known.size() &&
            std::memcmp(data_.data() + pos_, known.data(), known.size()) == 0) {
            pos_ += known.size();
        } else {
            const size_t start = pos_;
            if (decoder_.SkipInLine(data_, pos_, static_cast<size_t>(label))) {
                known.assign(data_.data() + start, pos_ - start);
            }
        }
        recordLength_ += decoder_.DecodeLine(data_, pos_, Room());
        ends_[fields_++] = static_cast<uint32_t>(recordLength_);
        EndLine();
    }
    void AppendRecordTo(CardTable& table) const {
        table.AppendRecord(std::u16string_view(record_.get(), recordLength_),
                           std::span<const uint32_t>(ends_.data(), fields_));
    }
    // Another pass's records are passed over whole: the line ends are counted sixteen bytes
    // at a time rather than looked for one line at a time, as most lines are another pass's.
    void SkipLines(size_t count) {
        while (count > 0 && Begin()) {
            const size_t skipped = SkipWholeLines(count);
            if (skipped == 0) {
                // The last line of the file, without a line end.
                pos_ = data_.size();
                --count;
            }
            count -= skipped;
        }
    }

private:
    // Passes over up to count lines that lie whole before certain_ and says how many. A line
    // ends at a CR, or at a LF that does not follow a CR; a CR LF is one line end. pos_ is at
    // a line's start, so the byte before it cannot be a CR with this LF after it.
    size_t SkipWholeLines(size_t count) {
        const char* data = data_.data();
        const size_t limit = certain_;
        size_t left = count;
        size_t i = pos_;
        // Where the last line end counted is.
        size_t lastEnd = i;
        uint32_t afterCr = 0;
        for (; i + 16 <= limit; i += 16) {
            const LineEndBits bits = LineEndBitsOf16(data + i);
            // Lines are some twenty bytes long: sixteen bytes hold one line end or none, mostly.
            for (uint32_t ends = bits.cr | (bits.lf & ~((bits.cr << 1) | afterCr)); ends != 0;
                 ends &= ends - 1) {
                lastEnd = i + static_cast<size_t>(std::countr_zero(ends));
                if (--left == 0) break;
            }
            if (left == 0) break;
            afterCr = bits.cr >> 15;
        }
        for (; left > 0 && i < limit; ++i) {
            if (data[i] == '\r' || (data[i] == '\n' && afterCr == 0)) {
                lastEnd = i;
                --left;
            }
            afterCr = data[i] == '\r' ? 1 : 0;
        }
        if (left == count) return 0;
        pos_ = lastEnd;
        EndLine();
        return count - left;
    }

    // Bit k says whether byte k of sixteen is a CR, or a LF.
    struct LineEndBits {
        uint32_t cr;
        uint32_t lf;
    };
    static LineEndBits LineEndBitsOf16(const char* at) {
#if defined(__SSE2__)
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        return {
            static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r')))),
            static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n'))))};
#else
        const uint64_t low = LoadLittleEndian(at);
        const uint64_t high = LoadLittleEndian(at + 8);
        return {BitsOfBytesThatAre(low, '\r') | BitsOfBytesThatAre(high, '\r') << 8,
                BitsOfBytesThatAre(low, '\n') | BitsOfBytesThatAre(high, '\n') << 8};
#endif
    }
#if !defined(__SSE2__)
    static uint64_t LoadLittleEndian(const char* at) {
        uint64_t word;
        std::memcpy(&word, at, sizeof word);
        if constexpr (std::endian::native == std::endian::big) word = __builtin_bswap64(word);
        return word;
    }
    // Bit k says whether byte k of the word equals c.
    static uint32_t BitsOfBytesThatAre(uint64_t word, char c) {
        constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;
        const uint64_t x = word ^ (0x0101010101010101ull * static_cast<unsigned char>(c));
        const uint64_t tops = ~(((x & kLow7) + kLow7) | x | kLow7);
        return static_cast<uint32_t>(((tops >> 7) * 0x0102040810204080ull) >> 56);
    }
#endif

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
        certain_ = ended_ ? data_.size() : CertainEnd();
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

    // Where the next field of the record is decoded: room for any line of the data after the
    // fields before it, as a byte gives at most one character. Room beyond the longest
    // record is never written, so it costs address space only.
    char16_t* Room() {
        const size_t need = recordLength_ + (data_.size() - pos_);
        if (need > recordRoom_ || !record_) {
            const size_t room = std::max<size_t>({need, recordRoom_ * 2, 1});
            auto grown = std::make_unique_for_overwrite<char16_t[]>(room);
            if (recordLength_ > 0)
                std::char_traits<char16_t>::copy(grown.get(), record_.get(), recordLength_);
            record_ = std::move(grown);
            recordRoom_ = room;
        }
        return record_.get() + recordLength_;
    }

    FileReader* reader_ = nullptr;
    std::string buffer_;
    std::string_view data_;
    // Where the whole lines of data_ end; the rest waits for the next read.
    size_t certain_ = 0;
    bool ended_ = false;
    size_t pos_ = 0;
    const Cp932Decoder& decoder_;
    // The record being read: its fields' text one after another, and where each ends.
    std::unique_ptr<char16_t[]> record_;
    size_t recordRoom_ = 0;
    size_t recordLength_ = 0;
    std::array<uint32_t, kMostRecordFields> ends_{};
    size_t fields_ = 0;
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

// The caller's work on one kind's table, started on a thread of its own as soon as a pass
// over a large file meets a record of another kind after that kind's records: a data file
// holds its units, missions and characters one kind after another, so the table is then
// whole. The work only reads that table while the pass reads on into the others. Before the
// table is written again (a record of its kind after all, another file, a file taken back)
// the loader waits for the work, which then no longer stands.
class EarlyWork {
public:
    EarlyWork(const TableReadWork& work, TableWorkGate* gate) : work_(work), gate_(gate) {}
    EarlyWork(const EarlyWork&) = delete;
    EarlyWork& operator=(const EarlyWork&) = delete;
    ~EarlyWork() { StopAll(); }

    // Whether passes over the file being read may start work.
    void Allow(bool allowed) { allowed_ = allowed && work_; }

    void Start(CardKind kind) {
        const int k = static_cast<int>(kind);
        if (!allowed_ || tried_[k]) return;
        tried_[k] = true;
        dropped_[k] = false;
        try {
            running_[k] = std::async(std::launch::async, [this, kind, k] {
                if (gate_ != nullptr && !gate_->WaitOpen(dropped_[k])) return;
                try {
                    work_(kind);
                    done_[k] = true;
                } catch (...) {
                    // The work is simply made again once the loading has ended.
                }
            });
        } catch (const std::system_error&) {
            // No thread to spare: the work waits for the end of the loading.
        }
    }

    // Before the kind's table is written: work waiting at a shut gate is dropped, other work
    // is waited for; either way it no longer stands.
    void Stop(CardKind kind) {
        const int k = static_cast<int>(kind);
        if (running_[k].valid()) {
            Drop(k);
            running_[k].wait();
        }
        done_[k] = false;
    }
    void StopAll() {
        for (CardKind kind : {CardKind::Unit, CardKind::Mission, CardKind::Character}) Stop(kind);
    }
    // Once every pass has ended: work waiting at a shut gate is dropped (the caller then does
    // it at once), other work is waited for; says which stands.
    std::array<bool, 3> Standing() {
        for (int k = 0; k < 3; ++k) {
            if (!running_[k].valid()) continue;
            Drop(k);
            running_[k].wait();
        }
        return {done_[0], done_[1], done_[2]};
    }
    // A new file: work may start again, once per kind.
    void NextFile() {
        StopAll();
        tried_ = {};
    }

private:
    void Drop(int k) {
        dropped_[k] = true;
        if (gate_ != nullptr) gate_->Wake();
    }

    const TableReadWork& work_;
    TableWorkGate* gate_;
    bool allowed_ = false;
    std::array<bool, 3> tried_{};
    std::array<std::future<void>, 3> running_;
    std::array<std::atomic<bool>, 3> dropped_{};
    // Written by the work's thread, read after waiting for it.
    std::array<bool, 3> done_{};
};

template <size_t N, typename Lines>
void ReadRecord(CardTable& table, CardKind kind, bool mine, const std::array<int, N>& labels,
                KnownLabels<N>& known, Lines& lines, int& dropped, EarlyWork* early) {
    // A full table still consumes the record's lines, so they are not taken for tags. The
    // table of another pass is not looked at: another thread is writing it.
    const bool keep = mine && table.Count() < CardTable::kMaxRecords;
    if (!keep) {
        if (mine) ++dropped;
        lines.SkipLines(N + 1);
        return;
    }
    lines.TakeCardNo();
    for (size_t i = 0; i < N; ++i) {
        if (!lines.Begin()) break;  // cut short by the end of the file: the rest stay empty
        lines.TakeField(labels[i], known[i]);
    }
    if (early != nullptr) early->Stop(kind);
    lines.AppendRecordTo(table);
}

template <typename Lines>
void ReadRecords(CardDatabase& db, Lines& lines, LoadReport& report, Kinds kinds = {},
                 EarlyWork* early = nullptr) {
    KnownLabels<kUnitLabels.size()> unitLabels;
    KnownLabels<kMissionLabels.size()> missionLabels;
    KnownLabels<kCharLabels.size()> charLabels;
    const std::array<bool, 3> mine = {kinds.units, kinds.missions, kinds.characters};
    int last = -1;  // the kind of the record before
    const auto meet = [&](CardKind kind) {
        const int k = static_cast<int>(kind);
        if (early != nullptr && last >= 0 && last != k && mine[last]) {
            early->Start(static_cast<CardKind>(last));
        }
        last = k;
    };
    while (lines.Begin()) {
        if (lines.HasTag('Z')) {
            meet(CardKind::Unit);
            ReadRecord(db.units, CardKind::Unit, kinds.units, kUnitLabels, unitLabels, lines,
                       report.droppedUnits, early);
        } else if (lines.HasTag('M')) {
            meet(CardKind::Mission);
            ReadRecord(db.missions, CardKind::Mission, kinds.missions, kMissionLabels,
                       missionLabels, lines, report.droppedMissions, early);
        } else if (lines.HasTag('C')) {
            meet(CardKind::Character);
            ReadRecord(db.characters, CardKind::Character, kinds.characters, kCharLabels,
                       charLabels, lines, report.droppedCharacters, early);
        } else {
            lines.SkipLines(1);
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

// Reads the records of an opened file. A large file may be read in two passes at once, each
// through its own reader of the same opened file: the units, most of a file, on a thread of
// their own, the missions and characters on this one. Each table is written by one thread.
FileStatus ReadRecordsOf(CardDatabase& db, FileReader& reader, LoadReport& report,
                         CardDataPasses passes, EarlyWork& early) {
    const auto onePass = [&](FileReader& from, Kinds kinds) {
        ByteLines lines(from);
        ReadRecords(db, lines, report, kinds, &early);
    };
    if (passes == CardDataPasses::One || reader.Size() < kCardDataTwoPassBytes) {
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
FileStatus ReadFile(CardDatabase& db, const std::filesystem::path& path, LoadReport& report,
                    CardDataPasses passes, EarlyWork& early, DataFileMark& mark) {
    FileReader reader(path, kCardDataFileLimit);
    if (!reader.Status()) return reader.Status();
    reader.KeepContentHash();
    const LoadMark before(db, report);
    // Making room may move every table: no work may be reading one.
    early.NextFile();
    early.Allow(reader.Size() >= kCardDataTwoPassBytes);
    ReserveFor(db, static_cast<size_t>(reader.Size()));
    const FileStatus status = ReadRecordsOf(db, reader, report, passes, early);
    if (!status) {
        early.StopAll();
        before.TakeBack(db, report);
        return status;
    }
    mark = {true, reader.BytesRead(), reader.ContentHashValue()};
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

void ReadCardDataBytesByKind(CardDatabase& db, std::string_view bytes, LoadReport& report) {
    ReserveFor(db, bytes.size());
    ByteLines units(bytes);
    ReadRecords(db, units, report, {true, false, false});
    ByteLines others(bytes);
    ReadRecords(db, others, report, {false, true, true});
}

void ReadCardRecords(CardDatabase& db, std::u16string_view text, LoadReport& report) {
    TextLines lines(text);
    ReadRecords(db, lines, report);
}

LoadReport LoadCardData(CardDatabase& db, const std::filesystem::path& dir, CardDataPasses passes,
                        const TableReadWork& work, TableWorkGate* gate) {
    LoadReport report;
    EarlyWork early(work, gate);
    ClearTables(db);
    report.zemloPath = dir / "ZEMLO.dat";
    db.orvelDataLoaded = false;
    try {
        report.zemloStatus =
            ReadFile(db, report.zemloPath, report, passes, early, report.sources.zemlo);
        report.zemloRead = static_cast<bool>(report.zemloStatus);

        const std::filesystem::path orvel = dir / "ORVEL.dat";
        // Only a readable regular file counts: a folder of that name must not make the title
        // claim the extra card data.
        std::error_code ec;
        if (std::filesystem::is_regular_file(orvel, ec)) {
            report.orvelStatus = ReadFile(db, orvel, report, passes, early, report.sources.orvel);
            db.orvelDataLoaded = static_cast<bool>(report.orvelStatus);
        }
    } catch (const std::bad_alloc&) {
        early.StopAll();
        ClearTables(db);
        db.orvelDataLoaded = false;
        report = LoadReport{};
        report.zemloPath = dir / "ZEMLO.dat";
        report.zemloStatus.error = ENOMEM;
        report.zemloStatus.whileReading = true;
    }
    report.tableWorkStands = early.Standing();
    return report;
}

}  // namespace zemlo

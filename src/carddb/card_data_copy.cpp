#include "carddb/card_data_copy.h"

#include <gnu/libc-version.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "platform/content_hash.h"

namespace zemlo {
namespace {

// The first bytes of a copy, with the layout's revision.
constexpr std::string_view kMagic = "ZEMLO-CARDS-v1\r\n";
// Written in the machine's own order, which must read back as this.
constexpr std::uint32_t kByteOrder = 0x01020304;
constexpr size_t kLibcNameBytes = 32;
// No copy is larger than the largest data files give, with room to spare.
constexpr std::uint64_t kCopyFileLimit = std::uint64_t{2} << 30;

// The fixed part at the start of a copy.
struct Header {
    std::array<char, 16> magic{};
    std::uint32_t byteOrder = 0;
    std::uint32_t revision = 0;
    std::array<char, kLibcNameBytes> libc{};
    // ZEMLO.dat, then ORVEL.dat: present, bytes, hash.
    std::array<std::uint64_t, 6> sources{};
    std::array<std::uint32_t, 3> dropped{};  // records left out: units, missions, characters
    std::uint32_t orvelLoaded = 0;
    // For each table: its fields, its records and its characters of text.
    std::array<std::uint32_t, 3> fields{};
    std::array<std::uint32_t, 3> records{};
    std::array<std::uint64_t, 3> textChars{};
};
static_assert(std::is_trivially_copyable_v<Header>);

std::array<char, kLibcNameBytes> LibcName() {
    std::array<char, kLibcNameBytes> name{};
    const std::string_view version = gnu_get_libc_version();
    std::memcpy(name.data(), version.data(), std::min(version.size(), name.size() - 1));
    return name;
}

std::array<char, 16> Magic() {
    std::array<char, 16> magic{};
    std::memcpy(magic.data(), kMagic.data(), magic.size());
    return magic;
}

const CardTable& TableAt(const CardDatabase& db, int k) {
    return db.Table(static_cast<CardKind>(k));
}

std::string_view BytesOf(const void* data, size_t size) {
    return {static_cast<const char*>(data), size};
}

// Reads exactly size bytes, or says it could not.
bool ReadExactly(FileReader& reader, void* into, size_t size) {
    return reader.Read(static_cast<char*>(into), size) == size && reader.Status();
}

// A program ended while it wrote a copy leaves its temporary file behind, as large as the
// copy; the next copy written clears them away. (Another program writing the same copy at
// that moment then fails to, which costs nothing but the copy.)
void RemoveUnfinishedCopies(const std::filesystem::path& file) {
    std::vector<std::string> names;
    if (!ListFolder(file.parent_path(), names)) return;
    const std::string prefix = "." + file.filename().native() + std::string(kTemporaryMark);
    for (const std::string& name : names) {
        if (name.starts_with(prefix)) RemoveRegularFile(file.parent_path() / name);
    }
}

}  // namespace

FileStatus SaveCardDataCopy(const std::filesystem::path& file, const CardDatabase& db,
                            const LoadReport& report) {
    if (!report.zemloRead || !report.orvelStatus || !report.sources.zemlo.present) {
        return FileStatus{EINVAL};
    }
    Header header;
    header.magic = Magic();
    header.byteOrder = kByteOrder;
    header.revision = kCardDataCopyRevision;
    header.libc = LibcName();
    const DataFileMark& zemlo = report.sources.zemlo;
    const DataFileMark& orvel = report.sources.orvel;
    header.sources = {1, zemlo.bytes, zemlo.hash, orvel.present ? 1u : 0u, orvel.bytes, orvel.hash};
    header.dropped = {static_cast<std::uint32_t>(report.droppedUnits),
                      static_cast<std::uint32_t>(report.droppedMissions),
                      static_cast<std::uint32_t>(report.droppedCharacters)};
    header.orvelLoaded = db.orvelDataLoaded ? 1u : 0u;
    std::vector<std::string_view> pieces = {BytesOf(&header, sizeof header)};
    ContentHash hash;
    for (int k = 0; k < 3; ++k) {
        const CardTable& table = TableAt(db, k);
        // A table out of order (which only writes after the load make) has no starts.
        if (table.Starts().empty()) return FileStatus{EINVAL};
        header.fields[k] = static_cast<std::uint32_t>(table.FieldCount());
        header.records[k] = static_cast<std::uint32_t>(table.Count());
        header.textChars[k] = table.Text().size();
        pieces.push_back(BytesOf(table.Starts().data(), table.Starts().size_bytes()));
        pieces.push_back(BytesOf(table.Text().data(), table.Text().size() * sizeof(char16_t)));
    }
    for (const std::string_view piece : pieces) hash.Add(piece.data(), piece.size());
    const std::uint64_t sum = hash.Value();
    pieces.push_back(BytesOf(&sum, sizeof sum));
    const FileStatus folder = MakeFolders(file.parent_path());
    if (!folder) return folder;
    RemoveUnfinishedCopies(file);
    return ReplaceFileAtomically(file, pieces);
}

bool LoadCardDataCopy(const std::filesystem::path& file,
                      const std::function<bool(const CardDataSources&)>& sourcesHold,
                      CardDatabase& db, LoadReport& report) {
    for (int k = 0; k < 3; ++k) db.Table(static_cast<CardKind>(k)).Clear();
    db.orvelDataLoaded = false;
    FileReader reader(file, kCopyFileLimit);
    reader.KeepContentHash();
    Header header;
    if (!ReadExactly(reader, &header, sizeof header) || header.magic != Magic() ||
        header.byteOrder != kByteOrder || header.revision != kCardDataCopyRevision ||
        header.libc != LibcName() || header.sources[0] != 1 || header.sources[3] > 1 ||
        header.orvelLoaded > 1) {
        return false;
    }
    // The sizes the header gives must add up to the file's own, which also bounds what is
    // allocated for the tables by what the disk holds.
    std::uint64_t expected = sizeof header + sizeof(std::uint64_t);
    for (int k = 0; k < 3; ++k) {
        if (header.fields[k] != static_cast<std::uint32_t>(TableAt(db, k).FieldCount()) ||
            header.records[k] > static_cast<std::uint32_t>(CardTable::kMaxRecords) ||
            header.textChars[k] > kCopyFileLimit) {
            return false;
        }
        expected +=
            (std::uint64_t{header.records[k]} * header.fields[k] + 1) * sizeof(std::uint32_t) +
            header.textChars[k] * sizeof(char16_t);
    }
    if (expected != reader.Size()) return false;
    for (std::uint32_t dropped : header.dropped) {
        if (dropped > std::uint32_t{1} << 30) return false;
    }
    CardDataSources sources;
    sources.zemlo = {true, header.sources[1], header.sources[2]};
    sources.orvel = {header.sources[3] == 1, header.sources[4], header.sources[5]};
    if (!sourcesHold(sources)) return false;
    const auto readTables = [&] {
        for (int k = 0; k < 3; ++k) {
            std::vector<std::uint32_t> starts(size_t{header.records[k]} * header.fields[k] + 1);
            std::u16string text(header.textChars[k], u'\0');
            if (!ReadExactly(reader, starts.data(), starts.size() * sizeof(std::uint32_t)) ||
                !ReadExactly(reader, text.data(), text.size() * sizeof(char16_t)) ||
                !db.Table(static_cast<CardKind>(k))
                     .Adopt(static_cast<int>(header.records[k]), std::move(starts),
                            std::move(text))) {
                return false;
            }
        }
        const std::uint64_t computed = reader.ContentHashValue();
        std::uint64_t sum = 0;
        return ReadExactly(reader, &sum, sizeof sum) && sum == computed;
    };
    bool read = false;
    try {
        read = readTables();
    } catch (const std::bad_alloc&) {
        read = false;
    }
    if (!read) {
        for (int k = 0; k < 3; ++k) db.Table(static_cast<CardKind>(k)).Clear();
        return false;
    }
    db.orvelDataLoaded = header.orvelLoaded == 1;
    report = LoadReport{};
    report.zemloRead = true;
    report.droppedUnits = static_cast<int>(header.dropped[0]);
    report.droppedMissions = static_cast<int>(header.dropped[1]);
    report.droppedCharacters = static_cast<int>(header.dropped[2]);
    report.sources = sources;
    report.fromCopy = true;
    return true;
}

bool DataFilesHold(const std::filesystem::path& dir, const CardDataSources& sources) {
    std::string buffer;
    const auto holds = [&buffer](const std::filesystem::path& path, const DataFileMark& mark) {
        FileReader reader(path, kCardDataFileLimit);
        if (!reader.Status() || reader.Size() != mark.bytes) return false;
        reader.KeepContentHash();
        buffer.resize(kCardDataPieceBytes);
        while (reader.Read(buffer.data(), buffer.size()) > 0) {
        }
        return reader.Status() && reader.BytesRead() == mark.bytes &&
               reader.ContentHashValue() == mark.hash;
    };
    if (!sources.zemlo.present || !holds(dir / "ZEMLO.dat", sources.zemlo)) return false;
    std::error_code ec;
    const std::filesystem::path orvel = dir / "ORVEL.dat";
    if (std::filesystem::is_regular_file(orvel, ec) != sources.orvel.present) return false;
    return !sources.orvel.present || holds(orvel, sources.orvel);
}

}  // namespace zemlo

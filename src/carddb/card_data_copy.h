// A copy of the loaded card tables kept on the disk, so that a later start on the same data
// files reads the tables back instead of decoding tens of megabytes of CP932 again. The copy
// names what it was made from (each data file's bytes and their hash, the loader's revision
// and the C library whose code page it decoded with); it is used only while all of that
// still holds, and anything else about it that is not exactly right makes it unused. Losing
// it costs one slower start.
#pragma once

#include <filesystem>
#include <functional>

#include "carddb/card_database.h"
#include "carddb/card_loader.h"
#include "platform/file_io.h"

namespace zemlo {

// What the loader makes of a data file, as a number a copy carries: a copy of another
// revision is not used. Raise it whenever the tables made of some file change (the test
// that holds the loader's output for a fixed file to its fingerprint says when).
inline constexpr std::uint32_t kCardDataCopyRevision = 1;

// Data files smaller than this together are decoded about as soon as a copy is read back
// (both take a few milliseconds, off the GUI thread): no copy is worth keeping for them.
inline constexpr std::uint64_t kCardDataCopyWorthBytes = std::uint64_t{2} << 20;

// Writes db's tables with the report's counts and sources to file, replacing it atomically.
// Only a load that read every data file to its end is kept (EINVAL otherwise).
FileStatus SaveCardDataCopy(const std::filesystem::path& file, const CardDatabase& db,
                            const LoadReport& report);

// Reads the copy in file into db (emptied first) when sourcesHold says the data files still
// hold what the copy names; sourcesHold is asked before the tables are read. Fills the report
// as LoadCardData would for those files, with fromCopy set. On any failure returns false
// with db empty.
bool LoadCardDataCopy(const std::filesystem::path& file,
                      const std::function<bool(const CardDataSources&)>& sourcesHold,
                      CardDatabase& db, LoadReport& report);

// Whether ZEMLO.dat and ORVEL.dat in dir hold what sources say: each is read whole.
bool DataFilesHold(const std::filesystem::path& dir, const CardDataSources& sources);

}  // namespace zemlo

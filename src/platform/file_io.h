// The one way the program reads and writes files. Every file it keeps (deck files, ZEMLO.ini,
// the per-user store) is replaced whole and atomically, so a failure or a crash at any moment
// leaves either the old file or the new one, never a mixture or a truncated file.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace zemlo {

// The outcome of a file operation: the errno value of the failure, 0 when it worked.
struct FileStatus {
    int error = 0;
    // True when the failure came from reading what was there before (the file was then left
    // alone), false when writing the new contents failed.
    bool whileReading = false;

    explicit operator bool() const { return error == 0; }
};

struct FileContents {
    FileStatus status;
    std::string bytes;
    // No file of that name (ENOENT): for most callers the same as an empty file.
    bool Missing() const;
};

// Reads a whole regular file. A folder, a device or a pipe in its place is an error
// (EISDIR or EINVAL) and is never opened for reading, so it cannot block or run forever.
FileContents ReadFileBytes(const std::filesystem::path& path);

// The same for callers that only need to know whether it worked.
bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes);

// Writes bytes into a temporary file beside path, flushes it to the disk and renames it over
// path. On any failure the temporary file is removed and path stays exactly as it was. An
// existing file keeps its permission bits.
FileStatus ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Creates folder and the folders above it where missing.
FileStatus MakeFolders(const std::filesystem::path& folder);

// The temporary file ReplaceFileAtomically writes beside path in this process.
std::filesystem::path TemporaryFileFor(const std::filesystem::path& path);

// A short Japanese description of a failure for the player, e.g. for ENOSPC
// "ディスクの空き容量が足りません".
std::u16string FileErrorText(const FileStatus& status);

// Faults the file layer injects, for tests: they hold for every user, the superuser included,
// which file permissions do not.
struct FileFaults {
    // Creating a file inside this folder fails as on a read-only file system (EROFS).
    std::filesystem::path readOnlyFolder;
    // Reading this file fails as on a damaged disk (EIO).
    std::filesystem::path unreadableFile;
    // Writing fails with ENOSPC once this many bytes have been written since the faults were
    // installed; negative for never.
    long long diskFullAfterBytes = -1;
    // Runs when a replacement file is complete on the disk, just before it is renamed.
    std::function<void(const std::filesystem::path& temporary)> beforeRename;
};

// Installs faults (not owned) for the following operations; nullptr removes them.
void SetFileFaults(const FileFaults* faults);

}  // namespace zemlo

// The one way the program reads and writes files. Every file it keeps (deck files, ZEMLO.ini,
// the per-user store) is replaced whole and atomically, so a failure or a crash at any moment
// leaves either the old file or the new one, never a mixture or a truncated file.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/content_hash.h"

namespace zemlo {

// The outcome of a file operation: the errno value of the failure, 0 when it worked.
struct FileStatus {
    int error = 0;
    // True when the failure came from reading what was there before (the file was then left
    // alone), false when writing the new contents failed.
    bool whileReading = false;
    // True when a write failed because of the file itself rather than its folder: a read-only
    // file (EACCES), or a symbolic link that names no file (ENOENT).
    bool ofFile = false;
    // A replaced file that worked, but whose owner or group could not be kept: the process
    // may not give a file away (only the superuser may), nor to a group it is not in.
    bool ownerNotKept = false;

    explicit operator bool() const { return error == 0; }
};

struct FileContents {
    FileStatus status;
    std::string bytes;
    // No file of that name (ENOENT): for most callers the same as an empty file.
    bool Missing() const;
};

// Reads a regular file from its start to its end in pieces, through the one descriptor opened
// first: a file renamed over it meanwhile does not change what is read, which stays the
// file as it was when opened. Refuses what ReadFileBytes refuses, at the opening.
class FileReader {
public:
    FileReader(const std::filesystem::path& path, std::uint64_t maxBytes);
    ~FileReader();
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    // Another reader of the same opened file, from its start, for a second thread: it reads
    // what this one reads, whatever becomes of the file's name meanwhile.
    std::unique_ptr<FileReader> Twin() const;

    // The failure so far: of the opening, or of a read (then the read stopped there).
    const FileStatus& Status() const { return status_; }
    // The file's size when it was opened.
    std::uint64_t Size() const { return size_; }
    // Reads up to size bytes into buffer and returns how many it read: fewer only at the end
    // of the file; 0 at the end or once a read has failed.
    size_t Read(char* buffer, size_t size);

    // From now on every byte read is also taken into a ContentHash, so that what was read
    // can be known again later without being kept (ask before the first read).
    void KeepContentHash() { hashing_ = true; }
    // The bytes read so far (a file may grow while it is read) and, when kept, their hash.
    std::uint64_t BytesRead() const { return read_; }
    std::uint64_t ContentHashValue() const { return hash_.Value(); }

private:
    FileReader(const FileReader& original, int fd);

    std::filesystem::path path_;
    std::uint64_t maxBytes_;
    std::uint64_t size_ = 0;
    std::uint64_t read_ = 0;
    int fd_ = -1;
    FileStatus status_;
    bool hashing_ = false;
    ContentHash hash_;
};

// Reads a whole regular file. A folder, a device or a pipe in its place is an error
// (EISDIR or EINVAL) and is never opened for reading, so it cannot block or run forever.
// A file larger than maxBytes is refused (EFBIG) before anything is allocated for it, and
// running out of memory while reading is an error (ENOMEM) like any other: a sparse file of
// many gigabytes named as a deck or a settings file is told, never the end of the program.
// cancel, when given, is looked at between blocks: a read it stops fails with ECANCELED.
FileContents ReadFileBytes(const std::filesystem::path& path, std::uint64_t maxBytes,
                           const std::atomic<bool>* cancel = nullptr);

// What tells one state of a file from another without reading it: the file itself (device
// and inode: a replacement is a new file), its size and its change times. Two equal stamps
// that are valid name the same, unchanged file.
struct FileStamp {
    bool valid = false;  // false when the file cannot be looked at (or reads as unreadable)
    std::uint64_t device = 0, inode = 0, size = 0;
    std::int64_t modified = 0, changed = 0;  // nanoseconds since 1970

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};
FileStamp StampOf(const std::filesystem::path& path);

// The same for callers that only need to know whether it worked.
bool ReadWholeFile(const std::filesystem::path& path, std::uint64_t maxBytes, std::string& bytes);

// The names of a folder's entries, in no particular order ("." and ".." left out). A folder
// named as the unreadableFile fault fails (EIO) like a file.
FileStatus ListFolder(const std::filesystem::path& folder, std::vector<std::string>& names);

// Writes bytes into a new temporary file in the target's folder, flushes it to the disk and
// renames it over the target. On any failure the temporary file is removed and the target
// stays exactly as it was.
// - The temporary file is hidden, named "." + the target's name + kTemporaryMark + random
//   letters, and created only anew (never through a link planted under its name), so nobody
//   who may write to the folder can redirect the save into another file. A kill before the
//   rename can leave it behind; nothing ever reads it.
// - The temporary file is readable by its owner only from the moment it is created, until it is
//   complete. Then a new file gets the usual permissions (0666 less the umask); a replaced one
//   keeps its own mode, and its owner and group where the process may set them
//   (ownerNotKept tells where it may not).
// - When path is a symbolic link, the file it names is replaced, atomically in that file's
//   folder, and the link stays a link. A link that names no file or loops fails (ENOENT or
//   ELOOP) and nothing is written.
// - A read-only file is never replaced (EACCES): a file without any write permission bit
//   counts as read-only even for a process that could write it, as the read-only attribute
//   does on the desktops the settings file comes from. So does a folder without any write
//   permission bit: nothing is created in it (EACCES).
// - A folder (EISDIR) or anything else that is no regular file (EINVAL) is never replaced.
FileStatus ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);
// The same with the new contents in pieces, written one after another, for contents too
// large to be gathered into one string first.
FileStatus ReplaceFileAtomically(const std::filesystem::path& path,
                                 std::span<const std::string_view> pieces);

// What marks the program's own temporary files, after the target's name.
inline constexpr std::string_view kTemporaryMark = ".zemlo-";

// Removes a regular file the player agreed to remove. Anything else in its place (a folder,
// a link, a pipe) is never removed (EINVAL); a file that is gone already is ENOENT.
FileStatus RemoveRegularFile(const std::filesystem::path& path);

// Creates folder and the folders above it where missing.
FileStatus MakeFolders(const std::filesystem::path& folder);

// A short Japanese description of a failure for the player, e.g. for ENOSPC
// "ディスクの空き容量が足りません", for EFBIG "ファイルが大きすぎます".
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
    // Runs when a replacement file has been created, before anything is written into it.
    std::function<void(const std::filesystem::path& temporary)> afterCreate;
    // Runs when a replacement file is complete on the disk, just before it is renamed.
    std::function<void(const std::filesystem::path& temporary)> beforeRename;
    // Runs after every piece a read takes from a file, with the bytes read so far; an errno
    // value it returns fails the read there, as a disk that fails midway would. It runs on
    // the thread that reads.
    std::function<int(const std::filesystem::path& file, std::uint64_t bytesRead)> whileReading;
};

// Installs faults (not owned) for the following operations; nullptr removes them.
void SetFileFaults(const FileFaults* faults);

}  // namespace zemlo

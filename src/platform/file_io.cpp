#include "platform/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <random>

#include "platform/code_page.h"

namespace zemlo {
namespace {

const FileFaults* gFaults = nullptr;
long long gBytesWritten = 0;

bool Within(const std::filesystem::path& file, const std::filesystem::path& folder) {
    if (folder.empty()) return false;
    std::error_code ec;
    return std::filesystem::equivalent(file.parent_path().empty() ? "." : file.parent_path(),
                                       folder, ec);
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    if (b.empty()) return false;
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec);
}

// write(2) until everything is out, stopping where an injected full disk begins.
int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        size_t chunk = bytes.size();
        if (gFaults && gFaults->diskFullAfterBytes >= 0) {
            const long long room = gFaults->diskFullAfterBytes - gBytesWritten;
            if (room <= 0) return ENOSPC;
            chunk = std::min<size_t>(chunk, static_cast<size_t>(room));
        }
        const ssize_t n = ::write(fd, bytes.data(), chunk);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        gBytesWritten += n;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return 0;
}

// Makes the rename itself survive a power cut; a failure here changes nothing already done.
void SyncFolder(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Twelve letters and digits no other process can guess.
std::string RandomLetters() {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    unsigned char random[12];
    if (::getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) {
        std::random_device device;
        for (unsigned char& r : random) r = static_cast<unsigned char>(device());
    }
    std::string letters;
    for (unsigned char r : random) letters += kLetters[r % 36];
    return letters;
}

// "." + the target's name + the mark + random letters, in the target's folder. A long name
// is shortened (at a character's start) so the whole stays within the file system's limit.
std::filesystem::path TemporaryNameFor(const std::filesystem::path& target) {
    const std::string tail = std::string(kTemporaryMark) + RandomLetters();
    std::string name = target.filename().string();
    const size_t room = NAME_MAX - 1 - tail.size();
    if (name.size() > room) {
        name.resize(room);
        while (!name.empty() && (static_cast<unsigned char>(name.back()) & 0xC0) == 0x80) {
            name.pop_back();
        }
        if (!name.empty() && (static_cast<unsigned char>(name.back()) & 0x80) != 0) {
            name.pop_back();
        }
    }
    return target.parent_path() / ("." + name + tail);
}

// Creates the temporary file only anew: O_EXCL and O_NOFOLLOW refuse anything already there,
// a link included. A name taken by chance is passed over for another.
int CreateTemporaryFile(const std::filesystem::path& target, std::filesystem::path& temp) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        temp = TemporaryNameFor(target);
        // Readable by nobody else while it is written; its own mode comes when it is whole.
        const int fd =
            ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// Whether an existing file may not be replaced. Write permission bits count for every user,
// the superuser included; then the process's own right to write the file.
int ReadOnlyFileError(const std::filesystem::path& file, const struct stat& info) {
    if ((info.st_mode & 0222) == 0) return EACCES;
    if (::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0) return errno;
    return 0;
}

// Whether a folder may not be written into: without any write permission bit it counts as
// read-only for every user, the superuser included, as a file does.
int ReadOnlyFolderError(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    struct stat info {};
    if (::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && (info.st_mode & 0222) == 0) {
        return EACCES;
    }
    return 0;
}

// The process's umask, read without changing it (the kernel tells it since Linux 4.7).
mode_t ProcessUmask() {
    if (std::FILE* status = std::fopen("/proc/self/status", "re")) {
        char line[256];
        unsigned value = 0;
        bool found = false;
        while (!found && std::fgets(line, sizeof line, status) != nullptr) {
            found = std::sscanf(line, "Umask: %o", &value) == 1;
        }
        std::fclose(status);
        if (found) return static_cast<mode_t>(value);
    }
    const mode_t old = ::umask(022);
    ::umask(old);
    return old;
}

// Gives the new file the old one's owner and group, or as much of them as the process may.
bool KeepOwner(int fd, const struct stat& old) {
    struct stat now {};
    if (::fstat(fd, &now) != 0) return false;
    if (now.st_uid == old.st_uid && now.st_gid == old.st_gid) return true;
    if (::fchown(fd, old.st_uid, old.st_gid) == 0) return true;
    // The group alone, where the process belongs to it.
    if (now.st_gid != old.st_gid) static_cast<void>(::fchown(fd, static_cast<uid_t>(-1), old.st_gid));
    return false;
}

}  // namespace

bool FileContents::Missing() const {
    return status.error == ENOENT;
}

FileStatus ListFolder(const std::filesystem::path& folder, std::vector<std::string>& names) {
    if (gFaults && SameFile(folder, gFaults->unreadableFile)) return FileStatus{EIO, true};
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return FileStatus{errno, true};
    errno = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") names.emplace_back(name);
    }
    const int error = errno;
    ::closedir(dir);
    return FileStatus{error, true};
}

FileReader::FileReader(const std::filesystem::path& path, std::uint64_t maxBytes)
    : path_(path), maxBytes_(maxBytes) {
    status_.whileReading = true;
    if (gFaults && SameFile(path, gFaults->unreadableFile)) {
        status_.error = EIO;
        return;
    }
    // Non-blocking, so that a pipe in the file's place cannot stall the open.
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0) {
        status_.error = errno;
        return;
    }
    struct stat info {};
    if (::fstat(fd_, &info) != 0) {
        status_.error = errno;
    } else if (S_ISDIR(info.st_mode)) {
        status_.error = EISDIR;
    } else if (!S_ISREG(info.st_mode)) {
        status_.error = EINVAL;
    } else if (static_cast<std::uint64_t>(info.st_size) > maxBytes) {
        status_.error = EFBIG;
    } else {
        size_ = static_cast<std::uint64_t>(info.st_size);
    }
}

FileReader::FileReader(const FileReader& original, int fd)
    : path_(original.path_),
      maxBytes_(original.maxBytes_),
      size_(original.size_),
      fd_(fd),
      status_(original.status_) {
    if (fd_ < 0 && status_.error == 0) status_.error = errno;
}

FileReader::~FileReader() {
    if (fd_ >= 0) ::close(fd_);
}

std::unique_ptr<FileReader> FileReader::Twin() const {
    // Reads go by position, so the two descriptors do not move each other.
    return std::unique_ptr<FileReader>(
        new FileReader(*this, fd_ >= 0 ? ::fcntl(fd_, F_DUPFD_CLOEXEC, 0) : -1));
}

size_t FileReader::Read(char* buffer, size_t size) {
    if (status_.error != 0 || size == 0) return 0;
    size_t got = 0;
    while (got < size) {
        const ssize_t n = ::pread(fd_, buffer + got, size - got, static_cast<off_t>(read_ + got));
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            status_.error = errno;
            return 0;
        }
        got += static_cast<size_t>(n);
        // The file may grow while it is read.
        if (read_ + got > maxBytes_) {
            status_.error = EFBIG;
            return 0;
        }
    }
    if (hashing_) hash_.Add(buffer, got);
    read_ += got;
    if (got > 0 && gFaults && gFaults->whileReading) {
        status_.error = gFaults->whileReading(path_, read_);
        if (status_.error != 0) return 0;
    }
    return got;
}

FileContents ReadFileBytes(const std::filesystem::path& path, std::uint64_t maxBytes,
                           const std::atomic<bool>* cancel) {
    FileContents result;
    FileReader reader(path, maxBytes);
    if (reader.Status()) {
        try {
            result.bytes.reserve(static_cast<size_t>(reader.Size()));
            char buffer[1 << 16];
            for (;;) {
                if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) {
                    result.status.error = ECANCELED;
                    break;
                }
                const size_t n = reader.Read(buffer, sizeof buffer);
                if (n == 0) break;
                result.bytes.append(buffer, n);
            }
        } catch (const std::bad_alloc&) {
            result.status.error = ENOMEM;
        }
    }
    if (result.status.error == 0) result.status = reader.Status();
    result.status.whileReading = true;
    if (result.status.error != 0) std::string().swap(result.bytes);
    return result;
}

FileStamp StampOf(const std::filesystem::path& path) {
    FileStamp stamp;
    if (gFaults && SameFile(path, gFaults->unreadableFile)) return stamp;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return stamp;
    stamp.valid = true;
    stamp.device = info.st_dev;
    stamp.inode = info.st_ino;
    stamp.size = static_cast<std::uint64_t>(info.st_size);
    stamp.modified = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 +
                     info.st_mtim.tv_nsec;
    stamp.changed = static_cast<std::int64_t>(info.st_ctim.tv_sec) * 1'000'000'000 +
                    info.st_ctim.tv_nsec;
    return stamp;
}

bool ReadWholeFile(const std::filesystem::path& path, std::uint64_t maxBytes, std::string& bytes) {
    FileContents contents = ReadFileBytes(path, maxBytes);
    if (!contents.status) return false;
    bytes = std::move(contents.bytes);
    return true;
}

FileStatus RemoveRegularFile(const std::filesystem::path& path) {
    FileStatus status;
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        status.error = errno;
    } else if (!S_ISREG(info.st_mode)) {
        status.error = EINVAL;
    } else if (gFaults && Within(path, gFaults->readOnlyFolder)) {
        status.error = EROFS;
    } else if (::unlink(path.c_str()) != 0) {
        status.error = errno;
    } else {
        SyncFolder(path);
    }
    return status;
}

FileStatus MakeFolders(const std::filesystem::path& folder) {
    FileStatus status;
    std::error_code ec;
    if (folder.empty() || std::filesystem::is_directory(folder, ec)) return status;
    if (gFaults && Within(folder, gFaults->readOnlyFolder)) {
        status.error = EROFS;
        return status;
    }
    std::filesystem::create_directories(folder, ec);
    status.error = ec.value();
    return status;
}

FileStatus ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    return ReplaceFileAtomically(path, std::span<const std::string_view>(&bytes, 1));
}

FileStatus ReplaceFileAtomically(const std::filesystem::path& path,
                                 std::span<const std::string_view> pieces) {
    FileStatus status;
    std::filesystem::path target = path;
    struct stat link {};
    if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        // The file the link names is replaced; renaming over the link would turn it into a
        // file of its own and leave the named file as it was.
        char* named = ::realpath(path.c_str(), nullptr);
        if (named == nullptr) {
            status.error = errno;
            status.ofFile = true;
            return status;
        }
        target = named;
        std::free(named);
    }
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) {
        // A rename cannot replace a folder; writing the temporary file first would be wasted.
        status.error = EISDIR;
        return status;
    }
    if (exists && !S_ISREG(old.st_mode)) {
        status.error = EINVAL;
        return status;
    }
    if (gFaults && Within(target, gFaults->readOnlyFolder)) {
        status.error = EROFS;
        return status;
    }
    if (exists) {
        status.error = ReadOnlyFileError(target, old);
        if (status.error != 0) {
            status.ofFile = status.error == EACCES || status.error == EPERM;
            return status;
        }
    }
    status.error = ReadOnlyFolderError(target);
    if (status.error != 0) return status;
    std::filesystem::path temp;
    const int fd = CreateTemporaryFile(target, temp);
    if (fd < 0) {
        status.error = errno;
        return status;
    }
    if (gFaults && gFaults->afterCreate) gFaults->afterCreate(temp);
    for (const std::string_view bytes : pieces) {
        if (status.error == 0) status.error = WriteAll(fd, bytes);
    }
    // The owner first: a change of owner clears the set-id bits the mode may hold.
    if (status.error == 0 && exists) status.ownerNotKept = !KeepOwner(fd, old);
    const mode_t mode = exists ? (old.st_mode & 07777) : (0666 & ~ProcessUmask());
    if (status.error == 0 && ::fchmod(fd, mode) != 0) status.error = errno;
    if (status.error == 0 && ::fsync(fd) != 0) status.error = errno;
    if (::close(fd) != 0 && status.error == 0) status.error = errno;
    if (status.error == 0 && gFaults && gFaults->beforeRename) gFaults->beforeRename(temp);
    if (status.error == 0 && std::rename(temp.c_str(), target.c_str()) != 0) status.error = errno;
    if (status.error != 0) {
        ::unlink(temp.c_str());
        return status;
    }
    SyncFolder(target);
    return status;
}

std::u16string FileErrorText(const FileStatus& status) {
    switch (status.error) {
        case 0:
            return {};
        case ENOSPC:
        case EDQUOT:
            return u"ディスクの空き容量が足りません";
        case EROFS:
        case EACCES:
        case EPERM:
            if (status.whileReading) return u"読み込みが許可されていません";
            return status.ofFile ? u"読み取り専用のファイルです" : u"フォルダに書き込めません";
        case EISDIR:
            return u"同じ名前のフォルダがあります";
        case ENOENT:
            if (status.whileReading) return u"ファイルがありません";
            return status.ofFile ? u"リンク先のファイルがありません" : u"フォルダがありません";
        case ELOOP:
            return u"リンクをたどれません";
        case EFBIG:
            return u"ファイルが大きすぎます";
        case ENOMEM:
            return u"メモリが足りません";
        case ENOTDIR:
            return u"フォルダがありません";
        case EINVAL:
            return u"通常のファイルではありません";
        default:
            return FromUtf8(std::strerror(status.error));
    }
}

void SetFileFaults(const FileFaults* faults) {
    gFaults = faults;
    gBytesWritten = 0;
}

}  // namespace zemlo

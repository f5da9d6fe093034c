#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

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

}  // namespace

bool FileContents::Missing() const {
    return status.error == ENOENT;
}

FileContents ReadFileBytes(const std::filesystem::path& path) {
    FileContents result;
    result.status.whileReading = true;
    if (gFaults && SameFile(path, gFaults->unreadableFile)) {
        result.status.error = EIO;
        return result;
    }
    // Non-blocking, so that a pipe in the file's place cannot stall the open.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        result.status.error = errno;
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        result.status.error = errno;
    } else if (S_ISDIR(info.st_mode)) {
        result.status.error = EISDIR;
    } else if (!S_ISREG(info.st_mode)) {
        result.status.error = EINVAL;
    }
    if (result.status.error == 0) {
        result.bytes.reserve(static_cast<size_t>(info.st_size));
        char buffer[1 << 16];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n == 0) break;
            if (n < 0) {
                if (errno == EINTR) continue;
                result.status.error = errno;
                result.bytes.clear();
                break;
            }
            result.bytes.append(buffer, static_cast<size_t>(n));
        }
    }
    ::close(fd);
    return result;
}

bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes) {
    FileContents contents = ReadFileBytes(path);
    if (!contents.status) return false;
    bytes = std::move(contents.bytes);
    return true;
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

std::filesystem::path TemporaryFileFor(const std::filesystem::path& path) {
    std::filesystem::path temp = path;
    temp += ".tmp" + std::to_string(::getpid());
    return temp;
}

FileStatus ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    FileStatus status;
    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) {
        // A rename cannot replace a folder; writing the temporary file first would be wasted.
        status.error = EISDIR;
        return status;
    }
    const std::filesystem::path temp = TemporaryFileFor(path);
    if (gFaults && Within(temp, gFaults->readOnlyFolder)) {
        status.error = EROFS;
        return status;
    }
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        status.error = errno;
        return status;
    }
    status.error = WriteAll(fd, bytes);
    if (status.error == 0 && exists && ::fchmod(fd, old.st_mode & 07777) != 0) {
        status.error = errno;
    }
    if (status.error == 0 && ::fsync(fd) != 0) status.error = errno;
    if (::close(fd) != 0 && status.error == 0) status.error = errno;
    if (status.error == 0 && gFaults && gFaults->beforeRename) gFaults->beforeRename(temp);
    if (status.error == 0 && std::rename(temp.c_str(), path.c_str()) != 0) status.error = errno;
    if (status.error != 0) {
        ::unlink(temp.c_str());
        return status;
    }
    SyncFolder(path);
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
            return status.whileReading ? u"読み込みが許可されていません"
                                       : u"フォルダに書き込めません";
        case EISDIR:
            return u"同じ名前のフォルダがあります";
        case ENOENT:
            return status.whileReading ? u"ファイルがありません" : u"フォルダがありません";
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

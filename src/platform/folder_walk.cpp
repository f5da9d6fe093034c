#include "platform/folder_walk.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>

namespace zemlo {
namespace {

// A file or folder itself, whatever path reached it.
using Identity = std::pair<dev_t, ino_t>;

Identity IdentityOf(const struct stat& st) {
    return {st.st_dev, st.st_ino};
}

// Whether real (a path without links) is root or lies below it.
bool Inside(const std::string& real, const std::string& root) {
    if (real == root) return true;
    const std::string prefix = root == "/" ? root : root + "/";
    return real.starts_with(prefix);
}

class Walker {
public:
    Walker(const std::function<bool(const std::filesystem::path&)>& wanted,
           const std::atomic<bool>* cancel, std::string root, FolderWalk& result)
        : wanted_(wanted), cancel_(cancel), root_(std::move(root)), result_(result) {}

    void Enter(const std::filesystem::path& folder, const struct stat& st, int depth) {
        const Identity self = IdentityOf(st);
        if (std::find(ancestors_.begin(), ancestors_.end(), self) != ancestors_.end()) {
            ++result_.loopingLinks;
            return;
        }
        // A folder named by two links is walked the first time only.
        if (!enteredFolders_.insert(self).second) return;

        std::vector<std::string> names;
        const FileStatus listed = ReadNames(folder, names);
        if (!listed) {
            if (depth == 0) {
                result_.status = listed;
            } else {
                ++result_.foldersNotEntered;
            }
            return;
        }
        result_.folders.push_back(folder);
        ancestors_.push_back(self);

        // Entries are looked at relative to the open folder: the kernel resolves one name
        // each, not the whole path again (a folder of 100,000 files is mostly this).
        const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        std::vector<std::pair<std::filesystem::path, struct stat>> subfolders;
        for (const std::string& name : names) {
            if (Cancelled()) break;
            // The entry itself first; only a link is followed, once it is known to stay
            // inside the walked folder.
            struct stat entry {};
            int looked = folderFd >= 0
                             ? ::fstatat(folderFd, name.c_str(), &entry, AT_SYMLINK_NOFOLLOW)
                             : ::lstat((folder / name).c_str(), &entry);
            const bool isLink = looked == 0 && S_ISLNK(entry.st_mode);
            if (isLink) {
                if (LeadsOut(folder / name)) {
                    ++result_.linksOut;
                    continue;
                }
                looked = folderFd >= 0 ? ::fstatat(folderFd, name.c_str(), &entry, 0)
                                       : ::stat((folder / name).c_str(), &entry);
            }
            if (looked != 0) {
                const int error = errno;
                TellUnreachable(folder / name, name, error);
                continue;
            }
            const bool isDir = S_ISDIR(entry.st_mode);
            if (!isDir && !wanted_(std::filesystem::path(name))) continue;
            if (isLink) {
                // Reached through a link: after every path without one, so that a folder or
                // file the walk also reaches directly is listed under its own path.
                later_.push_back(Later{folder / name, entry, depth + 1, ancestors_});
            } else if (isDir) {
                subfolders.emplace_back(folder / name, entry);
            } else {
                List(folder / name, entry);
            }
        }
        if (folderFd >= 0) ::close(folderFd);
        for (const auto& [path, entry] : subfolders) {
            if (Cancelled()) break;
            EnterBelow(path, entry, depth + 1);
        }
        ancestors_.pop_back();
    }

    // Walks the folders and lists the files met through links, in the order met, each with
    // the ancestors it had; those may meet links of their own.
    void FollowLinks() {
        for (std::size_t i = 0; i < later_.size() && !Cancelled(); ++i) {
            Later link = std::move(later_[i]);
            if (!S_ISDIR(link.st.st_mode)) {
                List(link.path, link.st);
                continue;
            }
            ancestors_ = std::move(link.ancestors);
            EnterBelow(link.path, link.st, link.depth);
        }
    }

    bool Cancelled() {
        if (cancel_ != nullptr && cancel_->load(std::memory_order_relaxed)) {
            result_.cancelled = true;
        }
        return result_.cancelled;
    }

private:
    struct Later {
        std::filesystem::path path;
        struct stat st;
        int depth = 0;
        std::vector<Identity> ancestors;
    };

    void EnterBelow(const std::filesystem::path& path, const struct stat& st, int depth) {
        if (depth > kMaxFolderDepth) {
            ++result_.foldersNotEntered;
            return;
        }
        Enter(path, st, depth);
    }

    // Whether the link at path names a file outside the walked folder. A link that names
    // nothing or loops is left to stat, which tells those apart.
    bool LeadsOut(const std::filesystem::path& path) const {
        char* real = ::realpath(path.c_str(), nullptr);
        if (real == nullptr) return false;
        const bool inside = Inside(real, root_);
        std::free(real);
        return !inside;
    }

    // The folder's entries by name (bytes), hidden ones left out.
    static FileStatus ReadNames(const std::filesystem::path& folder,
                                std::vector<std::string>& names) {
        const FileStatus status = ListFolder(folder, names);
        std::erase_if(names, [](const std::string& name) { return name[0] == '.'; });
        std::sort(names.begin(), names.end());
        return status;
    }

    // An entry stat could not follow: a link that loops or names nothing, an entry of a
    // folder whose entries may be listed but not looked at, or one that went away while the
    // walk was on its way (passed over).
    void TellUnreachable(const std::filesystem::path& path, const std::string& name, int error) {
        struct stat link {};
        const bool isLink = ::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode);
        if (isLink && error == ELOOP) {
            ++result_.loopingLinks;
        } else if ((isLink || error != ENOENT) && wanted_(std::filesystem::path(name))) {
            ++result_.unreadableFiles;
        }
    }

    void List(const std::filesystem::path& path, const struct stat& st) {
        if (!S_ISREG(st.st_mode)) {
            ++result_.unreadableFiles;
            return;
        }
        // A file named by several links is listed where the walk met it first.
        if (!listedFiles_.insert(IdentityOf(st)).second) return;
        const std::int64_t modified =
            static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
        result_.files.push_back(FoundFile{path, static_cast<std::uint64_t>(st.st_size), modified});
    }

    const std::function<bool(const std::filesystem::path&)>& wanted_;
    const std::atomic<bool>* cancel_;
    std::string root_;  // the walked folder without links
    FolderWalk& result_;
    std::vector<Identity> ancestors_;
    std::set<Identity> enteredFolders_;
    std::set<Identity> listedFiles_;
    std::vector<Later> later_;
};

}  // namespace

FolderWalk WalkFolder(const std::filesystem::path& folder,
                      const std::function<bool(const std::filesystem::path& name)>& wanted,
                      const std::atomic<bool>* cancel) {
    FolderWalk result;
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0) {
        result.status = FileStatus{errno, true};
        return result;
    }
    if (!S_ISDIR(st.st_mode)) {
        result.status = FileStatus{ENOTDIR, true};
        return result;
    }
    // The folder itself may be reached through a link; what lies inside is what its real
    // path holds.
    char* real = ::realpath(folder.c_str(), nullptr);
    std::string root = real != nullptr ? real : folder.native();
    std::free(real);
    Walker walker(wanted, cancel, std::move(root), result);
    if (!walker.Cancelled()) walker.Enter(folder, st, 0);
    walker.FollowLinks();
    return result;
}

}  // namespace zemlo

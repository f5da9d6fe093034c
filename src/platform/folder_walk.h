// Finding files under a folder and every folder below it, for a library of the player's
// decks. The walk follows symbolic links that stay inside the walked folder, as a file manager
// shows them (a link that leads out of it is counted, never followed), and enters every
// folder and lists every file only once, so links that loop or name a folder twice never
// make it run forever or list a file twice. What links lead to is walked after everything
// reached without them, so a folder or file the walk also reaches directly is listed under
// its own path. Hidden files and folders (a name that begins with ".") are passed over, the
// program's own temporary files among them.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

#include "platform/file_io.h"

namespace zemlo {

struct FoundFile {
    std::filesystem::path path;  // under the walked folder, as the walk reached it
    std::uint64_t size = 0;
    // The modification time in nanoseconds since 1970; with the size it tells a changed file.
    std::int64_t modified = 0;
};

struct FolderWalk {
    // Why the walked folder itself could not be read; the rest is then empty.
    FileStatus status;
    // The files whose names were wanted, in the order met: each folder's files by name
    // (bytes), then its subfolders; what links lead to after all the rest.
    std::vector<FoundFile> files;
    // Every folder entered, the walked one first, for watching them.
    std::vector<std::filesystem::path> folders;
    // Folders that could not be entered (no permission, gone while walking, deeper than
    // kMaxFolderDepth).
    int foldersNotEntered = 0;
    // Links that loop: a link to itself, or to a folder the walk is already inside.
    int loopingLinks = 0;
    // Links that lead out of the walked folder (or name nothing the walk could place).
    int linksOut = 0;
    // Wanted names that are no regular file that can be looked at: a link that names
    // nothing, a pipe, a device.
    int unreadableFiles = 0;
    // True when cancel was set before the walk ended; what was found so far is kept.
    bool cancelled = false;
};

// How deep the walk goes below the walked folder; deeper folders are not entered.
inline constexpr int kMaxFolderDepth = 64;

// Walks folder. wanted sees each file's name and says whether to list it; cancel, when
// given, is looked at before every entry.
FolderWalk WalkFolder(const std::filesystem::path& folder,
                      const std::function<bool(const std::filesystem::path& name)>& wanted,
                      const std::atomic<bool>* cancel = nullptr);

}  // namespace zemlo

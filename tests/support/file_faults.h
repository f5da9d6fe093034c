// Write failures for tests: the file layer's own faults, and real small or read-only file
// systems where the test may mount them (as root in a private mount namespace).
#pragma once

#include <filesystem>
#include <string>

#include "platform/file_io.h"

namespace zemlo::test {

// Installs faults for the life of the object; set its fields before the operation.
class InjectedFaults {
public:
    InjectedFaults() { SetFileFaults(&faults); }
    ~InjectedFaults();
    InjectedFaults(const InjectedFaults&) = delete;
    InjectedFaults& operator=(const InjectedFaults&) = delete;

    FileFaults faults;
    // A file made read-only for the fault, given its write permission back at the end.
    std::filesystem::path readOnlyFile;
};

// The ways a write can fail that every writer of the program is tried with.
enum class WriteFault { ReadOnlyFolder, PathIsFolder, DiskFull, ReadOnlyFile };
constexpr WriteFault kWriteFaults[] = {WriteFault::ReadOnlyFolder, WriteFault::PathIsFolder,
                                       WriteFault::DiskFull, WriteFault::ReadOnlyFile};
std::string NameOf(WriteFault fault);

// Arranges fault for a write of target (a folder in its place for PathIsFolder; no write
// permission bit on the existing target for ReadOnlyFile; the file layer's faults for the
// others, the disk filling up after 10 bytes).
void Arrange(InjectedFaults& injected, WriteFault fault, const std::filesystem::path& target);

// Mounts a tmpfs of the given size on folder (which must exist) in this process's own mount
// namespace; false where the process may not. readOnly remounts it read-only afterwards.
bool MountSmallFileSystem(const std::filesystem::path& folder, size_t bytes);
bool RemountReadOnly(const std::filesystem::path& folder);
void Unmount(const std::filesystem::path& folder);

[[noreturn]] void KillThisProcess();

// Runs write with the process killed (SIGKILL) when the new file is complete but not yet
// renamed; for EXPECT_EXIT.
template <typename Write>
void KillBeforeRename(Write write) {
    InjectedFaults injected;
    injected.faults.beforeRename = [](const std::filesystem::path&) { KillThisProcess(); };
    write();
}
// Names of the entries of a folder, sorted.
std::string FolderListing(const std::filesystem::path& folder);

}  // namespace zemlo::test

#include "support/file_faults.h"

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <string>
#include <vector>

namespace zemlo::test {
namespace {

bool PrivateMountNamespace() {
    static const bool ready = [] {
        if (::unshare(CLONE_NEWNS) != 0) return false;
        return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    }();
    return ready;
}

}  // namespace

InjectedFaults::~InjectedFaults() {
    SetFileFaults(nullptr);
    if (!readOnlyFile.empty()) ::chmod(readOnlyFile.c_str(), 0644);
}

std::string NameOf(WriteFault fault) {
    switch (fault) {
        case WriteFault::ReadOnlyFolder:
            return "read-only folder";
        case WriteFault::PathIsFolder:
            return "path is a folder";
        case WriteFault::DiskFull:
            return "full disk";
        case WriteFault::ReadOnlyFile:
            return "read-only file";
    }
    return {};
}

void Arrange(InjectedFaults& injected, WriteFault fault, const std::filesystem::path& target) {
    switch (fault) {
        case WriteFault::ReadOnlyFolder:
            injected.faults.readOnlyFolder = target.parent_path();
            break;
        case WriteFault::PathIsFolder:
            std::filesystem::remove(target);
            std::filesystem::create_directories(target);
            break;
        case WriteFault::DiskFull:
            injected.faults.diskFullAfterBytes = 10;
            break;
        case WriteFault::ReadOnlyFile:
            ::chmod(target.c_str(), 0444);
            injected.readOnlyFile = target;
            break;
    }
}

bool MountSmallFileSystem(const std::filesystem::path& folder, size_t bytes) {
    if (!PrivateMountNamespace()) return false;
    const std::string options = "size=" + std::to_string(bytes);
    return ::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) == 0;
}

bool RemountReadOnly(const std::filesystem::path& folder) {
    return ::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

void Unmount(const std::filesystem::path& folder) {
    ::umount2(folder.c_str(), MNT_DETACH);
}

void KillThisProcess() {
    ::kill(::getpid(), SIGKILL);
    ::pause();
    ::_exit(1);
}

std::string FolderListing(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    std::string listing;
    for (const std::string& name : names) listing += name + "\n";
    return listing;
}

}  // namespace zemlo::test

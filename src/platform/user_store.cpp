#include "platform/user_store.h"

#include <cstdlib>

#include "platform/private_profile.h"
#include "platform/qt_paths.h"

namespace zemlo {
namespace {

// $variable, else ~/fallback.
std::filesystem::path XdgFolder(const char* variable, const char* fallback) {
    if (const char* folder = std::getenv(variable); folder && *folder) return folder;
    if (const char* home = std::getenv("HOME"); home && *home) {
        return std::filesystem::path(home) / fallback;
    }
    return fallback;
}

std::filesystem::path ConfigFolder() {
    return XdgFolder("XDG_CONFIG_HOME", ".config");
}

}  // namespace

std::filesystem::path UserCacheFolder() {
    const std::filesystem::path folder = XdgFolder("XDG_CACHE_HOME", ".cache");
    // Never a folder of that name wherever the program was started from.
    return folder.is_absolute() ? folder : std::filesystem::path();
}

UserStore::UserStore(QString applicationName) : applicationName_(std::move(applicationName)) {}

std::filesystem::path UserStore::File() const {
    return ConfigFolder() / PathOf(applicationName_ + ".ini");
}

QString UserStore::Get(const QString& section, const QString& key) const {
    return QString::fromStdU16String(
        PrivateProfile::Read(File(), section.toStdU16String(), key.toStdU16String()));
}

FileStatus UserStore::Save(const QString& section, const QString& key, const QString& value) {
    const std::filesystem::path file = File();
    const FileStatus folder = MakeFolders(file.parent_path());
    if (!folder) return folder;
    return PrivateProfile::Write(file, section.toStdU16String(), key.toStdU16String(),
                                 value.toStdU16String());
}

}  // namespace zemlo

// The per-user application settings store: string values addressed by application name,
// section and key, kept in "<application name>.ini" under the user's configuration directory
// ($XDG_CONFIG_HOME, else ~/.config), the place and format the platform's settings have
// always used.
#pragma once

#include <QString>
#include <filesystem>

#include "platform/file_io.h"

namespace zemlo {

class UserStore {
public:
    explicit UserStore(QString applicationName);

    QString Get(const QString& section, const QString& key) const;
    // Fails, leaving the store's old file as it was, when it cannot be written.
    FileStatus Save(const QString& section, const QString& key, const QString& value);

    std::filesystem::path File() const;

private:
    QString applicationName_;
};

// Where the program keeps files it can always make again, such as copies of what it read:
// $XDG_CACHE_HOME, else ~/.cache; empty where neither names a folder from the root.
std::filesystem::path UserCacheFolder();

}  // namespace zemlo

// The per-user application settings store: string values addressed by application name,
// section and key, kept under the user's configuration directory ($XDG_CONFIG_HOME).
#pragma once

#include <QString>

namespace zemlo {

class UserStore {
public:
    explicit UserStore(QString applicationName);

    QString Get(const QString& section, const QString& key) const;
    void Save(const QString& section, const QString& key, const QString& value);

private:
    QString applicationName_;
};

}  // namespace zemlo

#include "platform/user_store.h"

#include <QSettings>

namespace zemlo {

UserStore::UserStore(QString applicationName) : applicationName_(std::move(applicationName)) {}

QString UserStore::Get(const QString& section, const QString& key) const {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, applicationName_);
    return settings.value(section + "/" + key).toString();
}

void UserStore::Save(const QString& section, const QString& key, const QString& value) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, applicationName_);
    settings.setValue(section + "/" + key, value);
    settings.sync();
}

}  // namespace zemlo

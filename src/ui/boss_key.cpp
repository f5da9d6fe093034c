#include "ui/boss_key.h"

#include "ui/boss_key_dialog.h"
#include "ui/boss_rules.h"

namespace zemlo {

BossKey::BossKey(SettingsStore& settings, QIcon programIcon)
    : settings_(settings), icons_{programIcon, programIcon} {}

void BossKey::Load() {
    Use(LoadBossSettings(settings_));
    // A disguise with a blank icon path keeps the program's icon, as the settings dialog does.
    if (!UsesIconFile(boss_)) return;
    QIcon icon;
    QString error;
    if (!LoadIconPicture(QString::fromStdU16String(boss_.iconPath), icon, error)) {
        // An icon that cannot be loaded turns the disguise off for this run only.
        boss_ = BossSettings{u"0", u"", u""};
        return;
    }
    UseIcon(icon);
}

QString BossKey::MinimisedCaption(const QString& normalCaption) const {
    return boss_.use == u"1" ? QString::fromStdU16String(boss_.taskName) : normalCaption;
}

void BossKey::Use(const BossSettings& boss) {
    boss_ = boss;
    icons_[1] = icons_[0];
}

}  // namespace zemlo

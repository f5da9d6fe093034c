#include "settings/boss_settings.h"

namespace zemlo {
namespace {

constexpr char16_t kSection[] = u"BOSS";

}  // namespace

BossSettings LoadBossSettings(const SettingsStore& store) {
    BossSettings boss;
    boss.use = store.ReadSetting(kSection, u"ISUSE");
    boss.iconPath = store.ReadSetting(kSection, u"ICONPATH");
    boss.taskName = store.ReadSetting(kSection, u"TASKNAME");
    return boss;
}

bool SaveBossSettings(SettingsStore& store, const BossSettings& boss) {
    // Every key is tried: the store tells a failure once, whichever key met it.
    bool saved = store.WriteSetting(kSection, u"ISUSE", boss.use);
    saved = store.WriteSetting(kSection, u"ICONPATH", boss.iconPath) && saved;
    saved = store.WriteSetting(kSection, u"TASKNAME", boss.taskName) && saved;
    return saved;
}

}  // namespace zemlo

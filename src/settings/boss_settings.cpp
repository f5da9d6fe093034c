#include "settings/boss_settings.h"

namespace zemlo {
namespace {

constexpr char16_t kBossSection[] = u"BOSS";

}  // namespace

BossSettings LoadBossSettings(const SettingsStore& store) {
    BossSettings boss;
    boss.use = store.ReadSetting(kBossSection, u"ISUSE");
    boss.iconPath = store.ReadSetting(kBossSection, u"ICONPATH");
    boss.taskName = store.ReadSetting(kBossSection, u"TASKNAME");
    return boss;
}

bool SaveBossSettings(SettingsStore& store, const BossSettings& boss) {
    // Every key is tried: the store tells a failure once, whichever key met it.
    bool saved = store.WriteSetting(kBossSection, u"ISUSE", boss.use);
    saved = store.WriteSetting(kBossSection, u"ICONPATH", boss.iconPath) && saved;
    saved = store.WriteSetting(kBossSection, u"TASKNAME", boss.taskName) && saved;
    return saved;
}

}  // namespace zemlo

#include "ui/boss_rules.h"

namespace zemlo {

BossSettings BossValuesFromDialog(bool checked, const std::u16string& iconPath,
                                  const std::u16string& taskName) {
    if (!checked) return BossSettings{u"0", u"", u""};
    return BossSettings{u"1", iconPath, taskName};
}

bool UsesIconFile(const BossSettings& boss) {
    return boss.use == u"1" && boss.iconPath.find_first_not_of(u' ') != std::u16string::npos;
}

}  // namespace zemlo

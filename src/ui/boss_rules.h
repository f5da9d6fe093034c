// The boss key's settings as the disguise dialog stores them.
#pragma once

#include <string>

#include "settings/boss_settings.h"

namespace zemlo {

// The values OK takes from the dialog: as typed when the box is checked, "0", "" and ""
// when it is not.
BossSettings BossValuesFromDialog(bool checked, const std::u16string& iconPath,
                                  const std::u16string& taskName);

// Whether the minimised window shows a picture from the icon file rather than the
// program's own icon: the disguise is on and the path is not blank.
bool UsesIconFile(const BossSettings& boss);

}  // namespace zemlo

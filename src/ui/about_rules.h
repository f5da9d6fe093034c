// The version dialog's texts and its search for the system information tool.
#pragma once

#include <functional>
#include <string>

#include "platform/key_value_source.h"

namespace zemlo {

// "ﾊﾞｰｼﾞｮﾝ " followed by major.minor.revision.
std::u16string VersionLabel(int major, int minor, int revision);

// The tool's full path: the first key's value when it answers (no file check), otherwise
// the second key's folder holding MSINFO32.EXE; "" when neither gives a program.
std::string FindSysInfoTool(const KeyValueSource& keys,
                            const std::function<bool(const std::string&)>& fileExists);

}  // namespace zemlo

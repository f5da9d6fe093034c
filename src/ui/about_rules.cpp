#include "ui/about_rules.h"

namespace zemlo {

std::u16string VersionLabel(int major, int minor, int revision) {
    const std::string digits =
        std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(revision);
    return u"ﾊﾞｰｼﾞｮﾝ " + std::u16string(digits.begin(), digits.end());
}

std::string FindSysInfoTool(const KeyValueSource& keys,
                            const std::function<bool(const std::string&)>& fileExists) {
    std::string value;
    if (keys.GetKeyValue(KeyRoot::LocalMachine, kSysInfoPathKey, kSysInfoPathValue, value)) {
        return value;
    }
    if (keys.GetKeyValue(KeyRoot::LocalMachine, kSharedToolsKey, kSharedToolsValue, value)) {
        const std::string candidate = value + "/MSINFO32.EXE";
        if (fileExists(candidate)) return candidate;
    }
    return {};
}

}  // namespace zemlo

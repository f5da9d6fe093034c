// Named values looked up by key, as the version dialog asks for the platform's system
// information tool. On this platform the tool's key answers with the first well-known
// system information program found on the PATH; other keys answer nothing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zemlo {

enum class KeyRoot { LocalMachine };

inline constexpr std::string_view kSysInfoPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr std::string_view kSysInfoPathValue = "PATH";
inline constexpr std::string_view kSharedToolsKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr std::string_view kSharedToolsValue = "MSINFO";

class KeyValueSource {
public:
    virtual ~KeyValueSource() = default;
    // True with keyVal set when the value exists; false with keyVal empty otherwise.
    virtual bool GetKeyValue(KeyRoot keyRoot, std::string_view keyName, std::string_view subKeyRef,
                             std::string& keyVal) const = 0;
};

class PathKeyValueSource : public KeyValueSource {
public:
    // pathVariable: a colon-separated folder list as in $PATH.
    explicit PathKeyValueSource(std::string pathVariable);

    bool GetKeyValue(KeyRoot keyRoot, std::string_view keyName, std::string_view subKeyRef,
                     std::string& keyVal) const override;

private:
    std::string pathVariable_;
};

// System information programs, most useful first.
const std::vector<std::string>& KnownSysInfoPrograms();

// The full path of the first executable regular file called name in the folders of
// pathVariable, or "" when there is none.
std::string FindProgramOnPath(std::string_view pathVariable, std::string_view name);

// The source over this process's $PATH.
const KeyValueSource& SystemKeyValues();

}  // namespace zemlo

#include "platform/key_value_source.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace zemlo {

PathKeyValueSource::PathKeyValueSource(std::string pathVariable)
    : pathVariable_(std::move(pathVariable)) {}

bool PathKeyValueSource::GetKeyValue(KeyRoot keyRoot, std::string_view keyName,
                                     std::string_view subKeyRef, std::string& keyVal) const {
    keyVal.clear();
    if (keyRoot != KeyRoot::LocalMachine || keyName != kSysInfoPathKey ||
        subKeyRef != kSysInfoPathValue) {
        return false;
    }
    for (const std::string& program : KnownSysInfoPrograms()) {
        keyVal = FindProgramOnPath(pathVariable_, program);
        if (!keyVal.empty()) return true;
    }
    return false;
}

const std::vector<std::string>& KnownSysInfoPrograms() {
    static const std::vector<std::string> programs = {"hardinfo2", "hardinfo", "kinfocenter",
                                                      "lshw-gtk",  "cpu-x",    "i-nex"};
    return programs;
}

std::string FindProgramOnPath(std::string_view pathVariable, std::string_view name) {
    size_t start = 0;
    while (start <= pathVariable.size()) {
        size_t end = pathVariable.find(':', start);
        if (end == std::string_view::npos) end = pathVariable.size();
        const std::string_view folder = pathVariable.substr(start, end - start);
        start = end + 1;
        // An empty entry is the current folder, which is never searched here.
        if (folder.empty()) continue;
        const std::filesystem::path candidate = std::filesystem::path(folder) / name;
        std::error_code ec;
        if (std::filesystem::is_regular_file(candidate, ec) &&
            ::access(candidate.c_str(), X_OK) == 0) {
            return candidate.string();
        }
    }
    return {};
}

const KeyValueSource& SystemKeyValues() {
    static const PathKeyValueSource source([] {
        const char* path = std::getenv("PATH");
        return std::string(path ? path : "");
    }());
    return source;
}

}  // namespace zemlo

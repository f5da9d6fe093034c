// A fresh directory for one test, removed afterwards.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zemlo::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// Writes raw bytes; reads them back.
void WriteBytes(const std::filesystem::path& file, std::string_view bytes);
std::string ReadBytes(const std::filesystem::path& file);

// Writes UTF-8 source text as CP932 with the given line end in place of every "\n".
void WriteCp932(const std::filesystem::path& file, std::string_view utf8,
                std::string_view lineEnd = "\r\n");

}  // namespace zemlo::test

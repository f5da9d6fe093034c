#include "support/temp_dir.h"

#include <unistd.h>

#include <fstream>
#include <sstream>

#include "platform/code_page.h"

namespace zemlo::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zemlo-test-XXXXXX").string();
    char* made = ::mkdtemp(pattern.data());
    path_ = made ? std::filesystem::path(made) : std::filesystem::temp_directory_path();
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

void WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteCp932(const std::filesystem::path& file, std::string_view utf8,
                std::string_view lineEnd) {
    std::string text;
    for (char c : utf8) {
        if (c == '\n') {
            text += lineEnd;
        } else {
            text += c;
        }
    }
    WriteBytes(file, EncodeCp932(FromUtf8(text)));
}

}  // namespace zemlo::test

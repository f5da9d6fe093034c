#include "platform/program_dir.h"

#include <system_error>

namespace zemlo {
namespace {

std::filesystem::path ExecutablePath() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path(ec) / "zemlo-deck";
    return exe;
}

}  // namespace

std::filesystem::path ProgramDirectory() {
    return ExecutablePath().parent_path();
}

std::string ProgramName() {
    return ExecutablePath().stem().string();
}

}  // namespace zemlo

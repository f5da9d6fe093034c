// Where the program keeps its data: the directory of the running executable.
#pragma once

#include <filesystem>
#include <string>

namespace zemlo {

std::filesystem::path ProgramDirectory();

// The executable's file name without its extension; the per-user store is kept under it.
std::string ProgramName();

}  // namespace zemlo

// Running code with little memory left, for the readers' promise that running out of memory
// while reading is told like any other failure instead of ending the program.
#pragma once

#include <cstddef>
#include <functional>

namespace zemlo::test {

// False where the address space cannot be limited: the sanitizer build maps terabytes of
// shadow memory at start and cannot run under a lowered RLIMIT_AS.
bool CanLimitAddressSpace();

// Runs body in a child process whose address space may grow by at most extraBytes beyond
// what it holds at the start, and returns body's answer; false when the child died, which
// is what an uncaught std::bad_alloc does.
bool RunWithLittleMemory(std::size_t extraBytes, const std::function<bool()>& body);

}  // namespace zemlo::test

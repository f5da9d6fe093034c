#include "support/memory_limit.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

namespace zemlo::test {
namespace {

// The process's address space now, from /proc/self/statm (its first number, in pages).
std::size_t AddressSpaceNow() {
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0;
    statm >> pages;
    return pages * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
}

}  // namespace

bool CanLimitAddressSpace() {
#if defined(__SANITIZE_ADDRESS__)
    return false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return false;
#else
    return true;
#endif
#else
    return true;
#endif
}

bool RunWithLittleMemory(std::size_t extraBytes, const std::function<bool()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        const rlimit limit{AddressSpaceNow() + extraBytes, RLIM_INFINITY};
        if (::setrlimit(RLIMIT_AS, &limit) != 0) ::_exit(2);
        ::_exit(body() ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace zemlo::test

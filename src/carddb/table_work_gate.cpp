#include "carddb/table_work_gate.h"

namespace zemlo {

void TableWorkGate::Open() {
    {
        const std::lock_guard lock(mutex_);
        open_ = true;
    }
    changed_.notify_all();
}

bool TableWorkGate::WaitOpen(const std::atomic<bool>& dropped) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return open_ || dropped; });
    return open_;
}

void TableWorkGate::Wake() {
    // Taken and let go so that a work between its look at the flags and its wait still hears.
    { const std::lock_guard lock(mutex_); }
    changed_.notify_all();
}

}  // namespace zemlo

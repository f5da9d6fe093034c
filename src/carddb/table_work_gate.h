// A gate for the work the card data loader may start on a whole table while it reads on:
// shut until its holder opens it, so the work does not take a core the holder needs.
#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace zemlo {

// Work waits at the gate, and work still waiting when the loading no longer wants it is
// dropped.
class TableWorkGate {
public:
    void Open();
    // For the loader: waits until the gate is open or the work is dropped; says whether the
    // gate is open, so the work may run.
    bool WaitOpen(const std::atomic<bool>& dropped);
    // For the loader: wakes the waiting work, one of which was just dropped.
    void Wake();

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool open_ = false;
};

}  // namespace zemlo

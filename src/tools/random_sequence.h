// The program's random numbers: uniform in [0, 1), from a fixed seed, so the same actions
// after a start give the same shuffles. One sequence serves the whole process and is never
// reseeded; a fresh RandomSequence starts where the program starts.
#pragma once

#include <cstdint>
#include <functional>

namespace zemlo {

// A source of numbers uniform in [0, 1).
using UniformSource = std::function<double()>;

class RandomSequence {
public:
    static constexpr uint64_t kSeed = 0x5A454D4C4F2D3031ULL;

    RandomSequence() = default;
    double Next();

private:
    uint64_t state_ = kSeed;
};

// The one process-wide sequence.
double NextProgramRandom();

}  // namespace zemlo

#include "tools/random_sequence.h"

namespace zemlo {

double RandomSequence::Next() {
    // splitmix64: small, fast and well spread; the top 53 bits make the fraction.
    state_ += 0x9E3779B97F4A7C15ULL;
    uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}

double NextProgramRandom() {
    static RandomSequence sequence;
    return sequence.Next();
}

}  // namespace zemlo

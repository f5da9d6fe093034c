#include "platform/content_hash.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace zemlo {
namespace {

// Odd constants with their bits well spread: multiplying by them mixes every input bit into
// the upper bits, and the rotations bring those down again.
constexpr std::uint64_t kPrime1 = 0x9E3779B185EBCA87ull;
constexpr std::uint64_t kPrime2 = 0xC2B2AE3D27D4EB4Full;
constexpr std::uint64_t kPrime3 = 0x165667B19E3779F9ull;
constexpr std::uint64_t kPrime4 = 0x85EBCA77C2B2AE63ull;
constexpr std::uint64_t kPrime5 = 0x27D4EB2F165667C5ull;

std::uint64_t LoadWord(const unsigned char* at) {
    std::uint64_t word;
    std::memcpy(&word, at, sizeof word);
    if constexpr (std::endian::native == std::endian::big) word = __builtin_bswap64(word);
    return word;
}

std::uint64_t Round(std::uint64_t lane, std::uint64_t word) {
    return std::rotl(lane + word * kPrime2, 31) * kPrime1;
}

}  // namespace

ContentHash::ContentHash() : lanes_{kPrime1 + kPrime2, kPrime2, 0, 0 - kPrime1} {}

void ContentHash::Add(const char* bytes, size_t size) {
    const auto* in = reinterpret_cast<const unsigned char*>(bytes);
    total_ += size;
    if (pendingSize_ > 0) {
        const size_t take = std::min(size, kStripe - pendingSize_);
        std::memcpy(pending_.data() + pendingSize_, in, take);
        pendingSize_ += take;
        in += take;
        size -= take;
        if (pendingSize_ < kStripe) return;
        for (size_t k = 0; k < 4; ++k)
            lanes_[k] = Round(lanes_[k], LoadWord(pending_.data() + 8 * k));
        pendingSize_ = 0;
    }
    std::uint64_t a = lanes_[0], b = lanes_[1], c = lanes_[2], d = lanes_[3];
    for (; size >= kStripe; in += kStripe, size -= kStripe) {
        a = Round(a, LoadWord(in));
        b = Round(b, LoadWord(in + 8));
        c = Round(c, LoadWord(in + 16));
        d = Round(d, LoadWord(in + 24));
    }
    lanes_ = {a, b, c, d};
    std::memcpy(pending_.data(), in, size);
    pendingSize_ = size;
}

std::uint64_t ContentHash::Value() const {
    std::uint64_t h = std::rotl(lanes_[0], 1) + std::rotl(lanes_[1], 7) + std::rotl(lanes_[2], 12) +
                      std::rotl(lanes_[3], 18);
    for (const std::uint64_t lane : lanes_) h = (h ^ Round(0, lane)) * kPrime1 + kPrime4;
    h += total_;
    size_t i = 0;
    for (; i + 8 <= pendingSize_; i += 8) {
        h = std::rotl(h ^ Round(0, LoadWord(pending_.data() + i)), 27) * kPrime1 + kPrime4;
    }
    for (; i < pendingSize_; ++i) h = std::rotl(h ^ (pending_[i] * kPrime5), 11) * kPrime1;
    h ^= h >> 33;
    h *= kPrime2;
    h ^= h >> 29;
    h *= kPrime3;
    h ^= h >> 32;
    return h;
}

}  // namespace zemlo

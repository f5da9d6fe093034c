// A 64-bit fingerprint of a stream of bytes, fed in pieces of any size: the same bytes give
// the same value however they are cut. It tells whether a file still holds what it held when
// a copy of what was read from it was kept; it is no defence against bytes made to collide.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace zemlo {

class ContentHash {
public:
    ContentHash();

    void Add(const char* bytes, size_t size);
    // Of everything added so far; more may be added after.
    std::uint64_t Value() const;

private:
    // Four lanes take 32 bytes at a time, each its eight, independently of each other.
    static constexpr size_t kStripe = 32;

    std::array<std::uint64_t, 4> lanes_;
    std::array<unsigned char, kStripe> pending_{};
    size_t pendingSize_ = 0;
    std::uint64_t total_ = 0;
};

}  // namespace zemlo

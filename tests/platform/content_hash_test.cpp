#include "platform/content_hash.h"

#include <gtest/gtest.h>

#include <string>

namespace zemlo {
namespace {

std::uint64_t HashInPieces(const std::string& bytes, size_t piece) {
    ContentHash hash;
    for (size_t at = 0; at < bytes.size(); at += piece) {
        hash.Add(bytes.data() + at, std::min(piece, bytes.size() - at));
    }
    return hash.Value();
}

// However the bytes come (a file read in pieces of any size), the same bytes give the same
// value; a byte changed, added or moved gives another.
TEST(ContentHash, SameBytesAnyCutOtherBytesOtherValue) {
    std::string bytes;
    for (int i = 0; i < 300; ++i) bytes += static_cast<char>(i * 7);
    const std::uint64_t whole = HashInPieces(bytes, bytes.size());
    for (size_t piece : {1, 3, 8, 31, 32, 33, 100}) EXPECT_EQ(HashInPieces(bytes, piece), whole);
    for (size_t at : {0, 31, 32, 150, 299}) {
        std::string changed = bytes;
        changed[at] ^= 0x40;
        EXPECT_NE(HashInPieces(changed, 64), whole) << at;
    }
    EXPECT_NE(HashInPieces(bytes + '\0', 64), whole);
    EXPECT_NE(HashInPieces(bytes.substr(1) + bytes[0], 64), whole);
    EXPECT_NE(HashInPieces("", 1), HashInPieces(std::string(1, '\0'), 1));
}

}  // namespace
}  // namespace zemlo

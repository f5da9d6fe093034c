// The bounds the card images are read within. A file or a picture beyond them is told to the
// player instead of being read: a scan of a card is a few megabytes and a few million pixels.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zemlo {

// An image file larger than this is not read.
inline constexpr std::uint64_t kMaxImageFileBytes = 64ull << 20;
// A picture whose header claims more pixels than this is not decoded (a 600 dpi scan of a
// card has about 3.6 million); the claim is checked before anything is allocated for it.
inline constexpr long long kMaxImagePixels = 40'000'000;
// Qt's own bound for one decoded image, in MiB, a second guard behind the one above.
inline constexpr int kImageAllocationLimitMiB = 200;
// The decoded images kept for showing again, in bytes of pixels.
inline constexpr std::size_t kImageCacheBytes = 96ull << 20;
// A tool tip's picture is at most this high (and twice as wide).
inline constexpr int kToolTipImageHeight = 300;
// Hovering an entry this long shows its card's picture.
inline constexpr int kToolTipDelayMs = 500;
// The proxy sheet keeps its images at this resolution at most.
inline constexpr int kProxyImageDpi = 300;

}  // namespace zemlo

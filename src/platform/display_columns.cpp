#include "platform/display_columns.h"

#include <algorithm>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zemlo {

int DisplayColumns(std::u16string_view text) {
    // Two columns a character, less one for each narrow one. Start-up counts every catalog
    // line, a mission's with its fifty blanks: eight characters at a time where they are
    // there.
    const char16_t* chars = text.data();
    const size_t size = text.size();
    size_t narrow = 0;
    size_t i = 0;
#if defined(__SSE2__)
    // Unsigned comparisons as signed ones with the top bit turned over.
    const __m128i top = _mm_set1_epi16(static_cast<short>(0x8000));
    const __m128i asciiEnd = _mm_set1_epi16(static_cast<short>(0x80 ^ 0x8000));
    const __m128i kanaStart = _mm_set1_epi16(static_cast<short>(0xFF61));
    const __m128i kanaEnd = _mm_set1_epi16(static_cast<short>((0xFF9F - 0xFF61 + 1) ^ 0x8000));
    while (i + 8 <= size) {
        // Each lane counts up to 4,096 before the lanes are added up, far below their limit.
        const size_t stop = std::min(size - size % 8, i + 8 * 4096);
        __m128i counts = _mm_setzero_si128();
        for (; i < stop; i += 8) {
            const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chars + i));
            const __m128i ascii = _mm_cmplt_epi16(_mm_xor_si128(units, top), asciiEnd);
            const __m128i kana =
                _mm_cmplt_epi16(_mm_xor_si128(_mm_sub_epi16(units, kanaStart), top), kanaEnd);
            counts = _mm_sub_epi16(counts, _mm_or_si128(ascii, kana));  // a true lane is -1
        }
        const __m128i pairs = _mm_madd_epi16(counts, _mm_set1_epi16(1));
        const __m128i halves = _mm_add_epi32(pairs, _mm_shuffle_epi32(pairs, 0x4E));
        const __m128i sum = _mm_add_epi32(halves, _mm_shuffle_epi32(halves, 0xB1));
        narrow += static_cast<size_t>(_mm_cvtsi128_si32(sum));
    }
#endif
    for (; i < size; ++i) {
        const char16_t u = chars[i];
        narrow += static_cast<size_t>((u < 0x80) |
                                      (static_cast<unsigned>(u - 0xFF61) <= 0xFF9F - 0xFF61));
    }
    return static_cast<int>(2 * size - narrow);
}

std::vector<int> MostDisplayColumns(int count,
                                    const std::function<std::u16string_view(int)>& entryAt,
                                    std::size_t most) {
    std::vector<std::pair<int, int>> columns;  // (display columns, entry)
    columns.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) columns.emplace_back(DisplayColumns(entryAt(i)), i);
    const std::size_t kept = std::min(most, columns.size());
    std::partial_sort(columns.begin(), columns.begin() + static_cast<std::ptrdiff_t>(kept),
                      columns.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<int> entries(kept);
    for (std::size_t i = 0; i < kept; ++i) entries[i] = columns[i].second;
    return entries;
}

}  // namespace zemlo

#include "catalog/quick_filter.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zemlo {
namespace {

constexpr char16_t kFieldEnd = u'\n';

bool SeparatesWords(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\u3000';
}

}  // namespace

size_t FindWord(std::u16string_view text, std::u16string_view word, size_t from) {
    const size_t n = text.size();
    const size_t m = word.size();
    if (m == 0 || m > n || from > n - m) return std::u16string_view::npos;
    const size_t last = n - m;  // the last place the word can start
    const char16_t first = word[0];
    const size_t bytes = m * sizeof(char16_t);
    size_t i = from;
#if defined(__SSE2__)
    // Eight characters at a time: the places holding the word's first character, then a
    // comparison of the whole word at each.
    const __m128i wanted = _mm_set1_epi16(static_cast<short>(first));
    for (; i + 8 <= n && i <= last; i += 8) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
        unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(block, wanted)));
        while (mask != 0) {
            const int bit = __builtin_ctz(mask);
            const size_t p = i + static_cast<size_t>(bit) / 2;
            if (p > last) return std::u16string_view::npos;
            if (std::memcmp(text.data() + p, word.data(), bytes) == 0) return p;
            mask &= ~(3u << bit);
        }
    }
#endif
    for (; i <= last; ++i) {
        if (text[i] == first && std::memcmp(text.data() + i, word.data(), bytes) == 0) return i;
    }
    return std::u16string_view::npos;
}

QuickFilter::QuickFilter(const CardDatabase& db, SearchFold fold)
    : db_(db), fold_(std::move(fold)) {}

std::vector<std::u16string> QuickFilter::Words(std::u16string_view text) const {
    const std::u16string folded = fold_.Fold(text);
    std::vector<std::u16string> words;
    size_t begin = 0;
    for (size_t i = 0; i <= folded.size(); ++i) {
        if (i == folded.size() || SeparatesWords(folded[i])) {
            if (i > begin) words.push_back(folded.substr(begin, i - begin));
            begin = i + 1;
        }
    }
    return words;
}

const QuickFilter::Folded& QuickFilter::Prepared(CardKind kind, bool texts) {
    Folded& folded = (texts ? texts_ : names_)[static_cast<size_t>(kind)];
    if (folded.made) return folded;
    const CardTable& table = db_.Table(kind);
    const int count = table.Count();
    std::vector<int> fields;
    if (texts) {
        for (int f = 1; f < table.FieldCount(); ++f) fields.push_back(f);
    } else {
        fields = {1, NameField(kind)};
    }
    // Folding seldom changes a text's length, so the cells' own length is nearly the room
    // needed; the buffer then grows at most once.
    size_t room = 0;
    for (int r = 0; r < count; ++r) {
        for (int f : fields) room += table.Cell(f, r).size() + 1;
    }
    folded.text.reserve(room + room / 32);
    folded.start.reserve(static_cast<size_t>(count) + 1);
    std::u16string cell;
    for (int r = 0; r < count; ++r) {
        folded.start.push_back(static_cast<uint32_t>(folded.text.size()));
        for (int f : fields) {
            const std::u16string_view value = table.Cell(f, r);
            if (value.empty() || value == kEmptyMark) continue;
            fold_.FoldInto(value, cell);
            folded.text += cell;
            folded.text += kFieldEnd;
        }
    }
    folded.start.push_back(static_cast<uint32_t>(folded.text.size()));
    folded.made = true;
    return folded;
}

std::vector<int> QuickFilter::Narrow(CardKind kind, const std::vector<int>& records,
                                     const std::vector<std::u16string>& words, bool texts) {
    if (words.empty()) return records;
    const Folded& folded = Prepared(kind, texts);
    const std::u16string_view all(folded.text);
    std::vector<int> kept;
    for (int r : records) {
        const std::u16string_view card =
            all.substr(folded.start[r], folded.start[r + 1] - folded.start[r]);
        bool every = true;
        for (const std::u16string& word : words) {
            if (FindWord(card, word) == std::u16string_view::npos) {
                every = false;
                break;
            }
        }
        if (every) kept.push_back(r);
    }
    return kept;
}

size_t QuickFilter::CountOutside(CardKind kind, const std::vector<int>& passing,
                                 const std::vector<std::u16string>& words, bool texts) {
    if (words.empty()) return 0;
    const int count = db_.Table(kind).Count();
    std::vector<char> passes(static_cast<size_t>(count), 0);
    for (int r : passing) {
        if (r >= 0 && r < count) passes[static_cast<size_t>(r)] = 1;
    }
    std::vector<int> outside;
    outside.reserve(static_cast<size_t>(count) - std::min(passing.size(), size_t(count)));
    for (int r = 0; r < count; ++r) {
        if (!passes[static_cast<size_t>(r)]) outside.push_back(r);
    }
    return Narrow(kind, outside, words, texts).size();
}

size_t QuickFilter::FoldedSize() const {
    size_t size = 0;
    for (const Folded& folded : names_) size += folded.text.size();
    for (const Folded& folded : texts_) size += folded.text.size();
    return size;
}

}  // namespace zemlo

#include "carddb/search_fold.h"

namespace zemlo {
namespace {

// Characters that normalisation leaves as they are whatever stands around them: printable
// ASCII, the Japanese comma, full stop and middle dot, hiragana and katakana without
// combining marks, the long vowel mark and the common ideographs. A text made only of these
// skips the normaliser, which most names are once the full-width forms are narrowed.
bool StableUnderNfkc(char16_t c) {
    return (c >= 0x20 && c <= 0x7E) || c == 0x3001 || c == 0x3002 || (c >= 0x3041 && c <= 0x3096) ||
           (c >= 0x30A1 && c <= 0x30FC) || (c >= 0x4E00 && c <= 0x9FFF);
}

// The compatibility mapping of the full-width ASCII forms and the ideographic space, which
// card texts are full of: their ASCII counterparts, exactly as normalisation maps them.
char16_t Narrowed(char16_t c) {
    if (c >= 0xFF01 && c <= 0xFF5E) return static_cast<char16_t>(c - 0xFEE0);
    if (c == 0x3000) return u' ';
    return c;
}

// Hiragana to katakana and ASCII capitals to small letters, after normalisation.
char16_t KanaAndCase(char16_t c) {
    if ((c >= 0x3041 && c <= 0x3096) || c == 0x309D || c == 0x309E) {
        return static_cast<char16_t>(c + 0x60);
    }
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c - u'A' + u'a');
    return c;
}

// Step 2: blanks that stand before a combining voiced or semi-voiced mark go, so the mark
// joins the kana before the blanks. True when any went.
bool JoinSpacedMarks(std::u16string& text) {
    size_t out = 0;
    for (char16_t c : text) {
        if (c == 0x3099 || c == 0x309A) {
            while (out > 0 && text[out - 1] == u' ') --out;
        }
        text[out++] = c;
    }
    const bool joined = out != text.size();
    text.resize(out);
    return joined;
}

}  // namespace

std::u16string SearchFold::Fold(std::u16string_view text) const {
    std::u16string folded;
    FoldInto(text, folded);
    return folded;
}

void SearchFold::FoldInto(std::u16string_view text, std::u16string& folded) const {
    // Most texts are made only of characters normalisation leaves alone once the full-width
    // forms are narrowed: then the steps come down to narrowing, kana and case.
    folded.resize(text.size());
    bool stable = true;
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c >= 0x20 && c < 0x7F) {
            folded[i] = KanaAndCase(c);  // most of an entry: blanks, digits, the card number
            continue;
        }
        const char16_t narrowed = Narrowed(c);
        if (!StableUnderNfkc(narrowed)) stable = false;
        folded[i] = KanaAndCase(narrowed);
    }
    if (stable || !nfkc_) return;
    // Narrowing first is what normalisation does to those characters anyway; kana and case
    // wait until after it.
    for (size_t i = 0; i < text.size(); ++i) folded[i] = Narrowed(text[i]);
    folded = nfkc_(folded);
    // Normalising puts combining marks in their canonical order, which can bring a voiced
    // mark up to blanks another mark stood between; each round takes a blank out.
    while (JoinSpacedMarks(folded)) folded = nfkc_(folded);
    // Kana and case give characters normalisation leaves alone; only one followed by a mark
    // it may now compose with (ワ and a voiced mark) needs normalising again.
    bool composable = false;
    for (size_t i = 0; i < folded.size(); ++i) {
        const char16_t c = KanaAndCase(folded[i]);
        if (c != folded[i] && i + 1 < folded.size() && !StableUnderNfkc(folded[i + 1])) {
            composable = true;
        }
        folded[i] = c;
    }
    if (composable) folded = nfkc_(folded);
}

}  // namespace zemlo

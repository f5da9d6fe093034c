// The forgiving comparison of texts the player types with card texts (the name search, the
// deck library, the catalogs' quick filter): both sides are folded so that kana and width do not
// matter. Folding, in this order:
// 1. compatibility normalisation (NFKC: half-width katakana with their voiced marks become
//    full-width, full-width Latin letters and digits become ASCII);
// 2. a voiced or semi-voiced mark written as its own character (゛ ゜, which normalisation
//    turns into a blank and a combining mark) joins the kana before it: blanks before a
//    combining voiced or semi-voiced mark go, and the text is normalised again, until no
//    such blank is left;
// 3. hiragana to katakana, ASCII capitals to small letters;
// 4. NFKC again, since step 3 can make new pairs that compose (ワ and a voiced mark).
// So folding a folded text changes nothing, a text folds as its NFKC form does, and no
// character is taken for a byte-order mark.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace zemlo {

// NFKC of a text. The window library supplies Qt's; this library stays free of Qt.
using Normaliser = std::function<std::u16string(std::u16string_view)>;

class SearchFold {
public:
    explicit SearchFold(Normaliser nfkc) : nfkc_(std::move(nfkc)) {}

    std::u16string Fold(std::u16string_view text) const;
    // The same into a buffer the caller keeps, so a walk over a catalog allocates once.
    void FoldInto(std::u16string_view text, std::u16string& folded) const;

private:
    Normaliser nfkc_;
};

}  // namespace zemlo

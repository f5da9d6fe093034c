// The name search's folding on any UTF-16 text, lone surrogates and byte-order marks
// included, with Qt's normalisation: folding a folded text changes nothing, and a text folds
// as its compatibility normal form (NFKC) does.
#include "carddb/qt_normaliser.h"
#include "carddb/search_fold.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const zemlo::SearchFold fold(zemlo::NfkcThroughQt);
    const std::u16string text = zemlo::fuzz::Units(data, size);
    const std::u16string folded = fold.Fold(text);
    ZEMLO_FUZZ_CHECK(fold.Fold(folded) == folded);
    ZEMLO_FUZZ_CHECK(fold.Fold(zemlo::NfkcThroughQt(text)) == folded);
    return 0;
}

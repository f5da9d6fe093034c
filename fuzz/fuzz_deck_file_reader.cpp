// The deck file reader on any file contents, against a small card database.
#include "catalog/catalog_entry.h"
#include "deck/entry_merge.h"
#include "deckfile/deck_file_reader.h"
#include "fuzz_cards.h"
#include "fuzz_input.h"

namespace {

const zemlo::CardDatabase& Cards() {
    return zemlo::fuzz::SmallCards();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const zemlo::DeckFileReadResult result =
        zemlo::ParseDeckFile(zemlo::fuzz::Bytes(data, size), Cards());
    // Only cards of the database reach the deck, each as its catalog entry, and no list goes
    // beyond its limit: rows are left out only of a full list.
    for (zemlo::CardKind kind :
         {zemlo::CardKind::Unit, zemlo::CardKind::Mission, zemlo::CardKind::Character}) {
        const size_t kept = result.deck.Size(kind);
        ZEMLO_FUZZ_CHECK(kept <= zemlo::kMaxListEntries);
        ZEMLO_FUZZ_CHECK(result.leftOut[static_cast<size_t>(kind)] == 0 ||
                         kept == zemlo::kMaxListEntries);
        for (const std::u16string& entry : result.deck.Entries(kind)) {
            const int record = Cards().Table(kind).FindCardNo(
                std::u16string_view(entry).substr(0, entry.find(u' ')));
            ZEMLO_FUZZ_CHECK(record >= 0);
            ZEMLO_FUZZ_CHECK(entry == zemlo::CatalogEntry(Cards(), kind, record));
        }
    }
    return 0;
}

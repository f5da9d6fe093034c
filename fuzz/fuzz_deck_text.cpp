// Deck text taken from the clipboard, any UTF-16 text, against a small card database whose
// names are tricky but each its card's own: only catalog entries of the database reach the
// deck, no list goes beyond its limit and only a full list leaves copies out, and the deck the
// import gives comes back the same through the deck text the program writes for it.
#include "carddb/deck_entry.h"
#include "deck/entry_merge.h"
#include "deckfile/deck_text.h"
#include "deckfile/deck_text_matcher.h"
#include "fuzz_input.h"

namespace {

using zemlo::CardKind;

const zemlo::CardDatabase& Cards() {
    static const zemlo::CardDatabase db = [] {
        zemlo::CardDatabase cards;
        // Names ending like counts, with inner blanks, marks and full-width digits.
        const char16_t* names[3][4] = {{u"ヴェルク", u"Type x", u"名 ×3", u"A  B"},
                                       {u"霧の峠", u"X", u"ｘ９", u"夜\u3000明け"},
                                       {u"ロゼ", u"x", u"二 x 2", u"×"}};
        const char16_t* numbers[3][4] = {{u"ZM0001", u"ZM0002", u"ZM00003", u"ZM04"},
                                         {u"MI0001", u"MI0002", u"MI00003", u"MI04"},
                                         {u"CH0001", u"CH0002", u"CH00003", u"CH04"}};
        const int nameField[3] = {zemlo::unit_field::UnitName, zemlo::mission_field::MissionName,
                                  zemlo::char_field::CharName};
        for (int kind = 0; kind < 3; ++kind) {
            zemlo::CardTable& table = cards.Table(static_cast<CardKind>(kind));
            for (int i = 0; i < 4; ++i) {
                const int record = table.AppendRecord();
                table.MutableCell(1, record) = numbers[kind][i];
                table.MutableCell(nameField[kind], record) = names[kind][i];
                if (kind == 1) table.MutableCell(zemlo::mission_field::PointsGained, record) = u"3";
            }
        }
        return cards;
    }();
    return db;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const zemlo::DeckTextMatcher matcher(Cards());
    const zemlo::DeckTextImport result = matcher.Match(zemlo::fuzz::Units(data, size));
    for (CardKind kind : zemlo::kDeckKinds) {
        const auto& list = result.deck.Entries(kind);
        ZEMLO_FUZZ_CHECK(list.size() <= zemlo::kMaxListEntries);
        const size_t leftOut = result.leftOut[static_cast<size_t>(kind)];
        ZEMLO_FUZZ_CHECK(leftOut == 0 || list.size() == zemlo::kMaxListEntries);
        for (size_t i = 0; i < list.size(); ++i) {
            // Copies stand together: a run is checked once.
            if (i > 0 && list[i] == list[i - 1]) continue;
            const int record = Cards().Table(kind).FindCardNo(list[i].CardNo());
            ZEMLO_FUZZ_CHECK(record >= 0);
            ZEMLO_FUZZ_CHECK(list[i] == zemlo::DeckEntry::OfRecord(Cards(), kind, record));
        }
    }
    const zemlo::DeckTextImport again =
        matcher.Match(zemlo::DeckText(zemlo::SummarizeDeck(result.deck)));
    ZEMLO_FUZZ_CHECK(again.deck == result.deck);
    ZEMLO_FUZZ_CHECK(again.unmatchedLines.empty());
    return 0;
}

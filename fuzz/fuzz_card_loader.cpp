// The card data loader on any file contents.
#include "carddb/card_loader.h"
#include "fuzz_input.h"
#include "platform/code_page.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zemlo::CardDatabase db;
    zemlo::LoadReport report;
    zemlo::ReadCardRecords(db, zemlo::DecodeCp932(zemlo::fuzz::Bytes(data, size)), report);
    for (zemlo::CardKind kind :
         {zemlo::CardKind::Unit, zemlo::CardKind::Mission, zemlo::CardKind::Character}) {
        const zemlo::CardTable& table = db.Table(kind);
        ZEMLO_FUZZ_CHECK(table.Count() <= zemlo::CardTable::kMaxRecords);
        // Every record came from a tag line, which names its kind by its second character.
        for (int record = 0; record < table.Count(); ++record) {
            const std::u16string& cardNo = table.Cell(1, record);
            ZEMLO_FUZZ_CHECK(cardNo.empty() || cardNo[0] == u"ZMC"[static_cast<int>(kind)]);
        }
    }
    return 0;
}

// The card data loader on any file contents.
#include "carddb/card_loader.h"
#include "fuzz_input.h"
#include "platform/code_page.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zemlo::CardDatabase db;
    zemlo::LoadReport report;
    // The bytes as the loader takes them from the disk, and the same text already decoded:
    // both roads give the same tables.
    zemlo::ReadCardDataBytes(db, zemlo::fuzz::Bytes(data, size), report);
    zemlo::CardDatabase fromText;
    zemlo::LoadReport textReport;
    zemlo::ReadCardRecords(fromText, zemlo::DecodeCp932(zemlo::fuzz::Bytes(data, size)),
                           textReport);
    // And in the two passes of a large file, each passing over the other's records.
    zemlo::CardDatabase byKind;
    zemlo::LoadReport byKindReport;
    zemlo::ReadCardDataBytesByKind(byKind, zemlo::fuzz::Bytes(data, size), byKindReport);
    ZEMLO_FUZZ_CHECK(report.Dropped() == textReport.Dropped());
    ZEMLO_FUZZ_CHECK(report.droppedUnits == byKindReport.droppedUnits);
    ZEMLO_FUZZ_CHECK(report.droppedMissions == byKindReport.droppedMissions);
    ZEMLO_FUZZ_CHECK(report.droppedCharacters == byKindReport.droppedCharacters);
    for (zemlo::CardKind kind :
         {zemlo::CardKind::Unit, zemlo::CardKind::Mission, zemlo::CardKind::Character}) {
        const zemlo::CardTable& table = db.Table(kind);
        ZEMLO_FUZZ_CHECK(table.Count() <= zemlo::CardTable::kMaxRecords);
        const zemlo::CardTable& other = fromText.Table(kind);
        ZEMLO_FUZZ_CHECK(other.Count() == table.Count());
        const zemlo::CardTable& twoPass = byKind.Table(kind);
        ZEMLO_FUZZ_CHECK(twoPass.Count() == table.Count());
        for (int record = 0; record < table.Count(); ++record) {
            // Every record came from a tag line, which names its kind by its second character.
            const auto cardNo = table.Cell(1, record);
            ZEMLO_FUZZ_CHECK(cardNo.empty() || cardNo[0] == u"ZMC"[static_cast<int>(kind)]);
            for (int field = 0; field < table.FieldCount(); ++field) {
                ZEMLO_FUZZ_CHECK(table.Cell(field, record) == other.Cell(field, record));
                ZEMLO_FUZZ_CHECK(table.Cell(field, record) == twoPass.Cell(field, record));
            }
        }
    }
    return 0;
}

// The collection file's reader on any bytes: it never fails, and what it read comes back the
// same through the writer: reading the written file gives the same collection, telling
// nothing but the further columns, and writing that again gives the same bytes.
#include "collection/collection_csv.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const zemlo::CollectionReadResult read =
        zemlo::ReadCollectionCsv(zemlo::fuzz::Bytes(data, size));
    if (!read.text) return 0;
    const std::string written = zemlo::WriteCollectionCsv(read.collection);
    const zemlo::CollectionReadResult again = zemlo::ReadCollectionCsv(written);
    ZEMLO_FUZZ_CHECK(again.text);
    ZEMLO_FUZZ_CHECK(again.collection == read.collection);
    const zemlo::CollectionReadReport& report = again.report;
    ZEMLO_FUZZ_CHECK(!report.cp932 && !report.replacementCharacters && !report.headerMissing);
    ZEMLO_FUZZ_CHECK(report.listedAgain.count == 0 && report.cappedSums == 0);
    ZEMLO_FUZZ_CHECK(zemlo::WriteCollectionCsv(again.collection) == written);
    return 0;
}

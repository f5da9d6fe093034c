// Reading back a copy of the card tables from any file contents, as if the data files it
// names were unchanged: a copy is refused or gives tables whose every cell lies in its text.
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "carddb/card_data_copy.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::filesystem::path file =
        std::filesystem::temp_directory_path() /
        ("zemlo-fuzz-copy-" + std::to_string(::getpid()) + ".bin");
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    zemlo::CardDatabase db;
    zemlo::LoadReport report;
    const bool read = zemlo::LoadCardDataCopy(
        file, [](const zemlo::CardDataSources&) { return true; }, db, report);
    size_t chars = 0;
    for (zemlo::CardKind kind :
         {zemlo::CardKind::Unit, zemlo::CardKind::Mission, zemlo::CardKind::Character}) {
        const zemlo::CardTable& table = db.Table(kind);
        ZEMLO_FUZZ_CHECK(read || table.Count() == 0);
        for (int r = 0; r < table.Count(); ++r) {
            for (int f = 0; f < table.FieldCount(); ++f) {
                const std::u16string_view cell = table.Cell(f, r);
                ZEMLO_FUZZ_CHECK(cell.data() >= table.Text().data() &&
                                 cell.data() + cell.size() <=
                                     table.Text().data() + table.Text().size());
                chars += cell.size();
            }
        }
    }
    ZEMLO_FUZZ_CHECK(!read || report.fromCopy);
    ZEMLO_FUZZ_CHECK(chars * sizeof(char16_t) <= size);
    return 0;
}

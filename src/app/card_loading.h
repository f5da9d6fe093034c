// The card data read on a thread of its own while the program's windows are built, with
// what the catalogs are made of. The tables belong to the loading thread until they are
// taken over, whole.
#pragma once

#include <filesystem>
#include <future>
#include <memory>

#include "carddb/card_database.h"
#include "carddb/card_loader.h"
#include "catalog/catalog_data.h"

namespace zemlo {

struct LoadedCards {
    CardDatabase db;
    LoadReport report;
    CatalogData catalogs;
};

class CardLoading {
public:
    // Nothing started.
    CardLoading() = default;
    // Starts reading the card data of dir at once; where no thread can be started, it is
    // read when it is taken. The tables are read back from copyFile (a copy SaveCardDataCopy
    // kept) where it was made from the same data files; an empty path reads no copy.
    explicit CardLoading(const std::filesystem::path& dir,
                         const std::filesystem::path& copyFile = {});

    // Where the copy of the tables read from dir's data files is kept for the user; empty
    // where the user has no cache folder.
    static std::filesystem::path CopyFileFor(const std::filesystem::path& dir);

    bool Started() const { return loaded_.valid(); }
    const std::filesystem::path& CopyFile() const { return copyFile_; }
    // Waits for the end of the loading and hands everything over; once.
    LoadedCards Take();

private:
    // Opened once the GUI thread has nothing left to do but wait: work that would take a
    // core from the window being built waits for it.
    std::shared_ptr<TableWorkGate> idle_;
    std::future<LoadedCards> loaded_;
    std::filesystem::path copyFile_;
};

}  // namespace zemlo

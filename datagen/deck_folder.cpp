#include "deck_folder.h"

#include <fstream>
#include <random>
#include <string>

#include "catalog/catalog_entry.h"
#include "deckfile/deck_file_writer.h"

namespace zemlo {

void WriteDeckFolder(const CardDatabase& db, const std::filesystem::path& folder, int decks,
                     int subfolders) {
    // The columns a player typically keeps: every card's name, the missions' points.
    OutputFlags flags;
    flags.unit[1] = u"1";
    flags.mission[0] = u"1";
    flags.mission[1] = u"1";
    flags.character[0] = u"1";
    std::mt19937 random(21);
    const auto pick = [&](CardKind kind) {
        const CardTable& table = db.Table(kind);
        return CatalogEntry(db, kind,
                            static_cast<int>(random() % static_cast<unsigned>(table.Count())));
    };
    for (int d = 0; d < decks; ++d) {
        Deck deck;
        const std::u16string twice = pick(CardKind::Unit);
        deck.Add(CardKind::Unit, twice);
        deck.Add(CardKind::Unit, twice);
        for (int i = 0; i < 18; ++i) deck.Add(CardKind::Unit, pick(CardKind::Unit));
        for (int i = 0; i < 12; ++i) deck.Add(CardKind::Mission, pick(CardKind::Mission));
        for (int i = 0; i < 3; ++i) deck.Add(CardKind::Character, pick(CardKind::Character));
        const std::filesystem::path sub = folder / ("folder" + std::to_string(d % subfolders));
        std::filesystem::create_directories(sub);
        // Written without the save's flush to the disk, which would only slow the setup.
        std::ofstream(sub / ("deck" + std::to_string(d) + ".htm"), std::ios::binary)
            << DeckFileBytes(db, flags, deck);
    }
}

}  // namespace zemlo

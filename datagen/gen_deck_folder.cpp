// Writes a folder of invented deck files for a card database, for timing --check:
//   gen_deck_folder CARD_DATA_FOLDER OUTPUT_FOLDER [DECKS [SUBFOLDERS]]
// 5,000 decks in 50 subfolders unless told otherwise.
#include <cstdio>
#include <cstdlib>

#include "carddb/card_loader.h"
#include "deck_folder.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s CARD_DATA_FOLDER OUTPUT_FOLDER [DECKS [SUBFOLDERS]]\n",
                     argv[0]);
        return 2;
    }
    zemlo::CardDatabase db;
    if (!zemlo::LoadCardData(db, argv[1]).zemloRead || db.units.Count() == 0 ||
        db.missions.Count() == 0 || db.characters.Count() == 0) {
        std::fprintf(stderr, "%s: no cards of every kind in %s/ZEMLO.dat\n", argv[0], argv[1]);
        return 1;
    }
    const int decks = argc > 3 ? std::atoi(argv[3]) : 5000;
    const int subfolders = argc > 4 ? std::atoi(argv[4]) : 50;
    zemlo::WriteDeckFolder(db, argv[2], decks, subfolders < 1 ? 1 : subfolders);
    return 0;
}

// Invented cards and decks for the deck library's tests: 25 units, 12 missions worth 1 to 3
// points, 6 characters, and deck files written by the program's own writer.
#pragma once

#include <filesystem>
#include <initializer_list>

#include "carddb/card_database.h"
#include "deck/deck.h"

namespace zemlo::test {

CardDatabase LibraryCards();

// A deck of the given records of each kind.
Deck MakeDeck(const CardDatabase& db, std::initializer_list<int> units,
              std::initializer_list<int> missions, std::initializer_list<int> characters);

// A deck that keeps every rule: units 0-19, missions 0-9 (20 points), no characters.
Deck RuleKeepingDeck(const CardDatabase& db);

// Writes deck as a deck file with the writer the save command uses.
void SaveLibraryDeck(const std::filesystem::path& path, const CardDatabase& db, const Deck& deck);

}  // namespace zemlo::test

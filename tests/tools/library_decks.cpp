#include "library_decks.h"

#include <gtest/gtest.h>

#include <string>

#include "deckfile/deck_file_writer.h"
#include "support/card_builder.h"

namespace zemlo::test {
namespace {

std::string Numbered(const char* prefix, int n) {
    const std::string digits = std::to_string(n);
    return prefix + std::string(4 - digits.size(), '0') + digits;
}

}  // namespace

CardDatabase LibraryCards() {
    CardDatabase db;
    for (int n = 1; n <= 25; ++n) {
        const std::string name = "試作機" + std::to_string(n);
        AddCard(db.units, Numbered("ZM", n), {{unit_field::UnitName, name}});
    }
    AddCard(db.units, "ZM0026", {{unit_field::UnitName, "ｼｰﾙﾄﾞ改"}});
    AddCard(db.units, "ZM0027", {{unit_field::UnitName, "シールド改"}});
    for (int n = 1; n <= 12; ++n) {
        const std::string name = "作戦" + std::to_string(n);
        const std::string points = std::to_string(n % 3 + 1);
        AddCard(db.missions, Numbered("MI", n),
                {{mission_field::MissionName, name}, {mission_field::PointsGained, points}});
    }
    for (int n = 1; n <= 6; ++n) {
        const std::string name = "隊長" + std::to_string(n);
        AddCard(db.characters, Numbered("CH", n), {{char_field::CharName, name}});
    }
    return db;
}

Deck MakeDeck(const CardDatabase& db, std::initializer_list<int> units,
              std::initializer_list<int> missions, std::initializer_list<int> characters) {
    std::vector<DeckEntry> entries;
    const std::initializer_list<int>* records[3] = {&units, &missions, &characters};
    for (int k = 0; k < 3; ++k) {
        for (int record : *records[k]) {
            entries.push_back(DeckEntry::OfRecord(db, static_cast<CardKind>(k), record));
        }
    }
    Deck deck;
    deck.Fill(std::move(entries));
    return deck;
}

Deck RuleKeepingDeck(const CardDatabase& db) {
    return MakeDeck(db, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19},
                    {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {});
}

void SaveLibraryDeck(const std::filesystem::path& path, const CardDatabase& db, const Deck& deck) {
    ASSERT_TRUE(SaveDeckFile(path, db, OutputFlags{}, deck)) << path;
}

}  // namespace zemlo::test

// Builds small card tables in tests, field by field, with UTF-8 literals.
#pragma once

#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "carddb/card_database.h"
#include "carddb/deck_entry.h"

namespace zemlo {
// How a failed check shows an entry: its kind and text.
void PrintTo(const DeckEntry& entry, std::ostream* out);
}  // namespace zemlo

namespace zemlo::test {

// u"..." from a UTF-8 literal.
std::u16string U(std::string_view utf8);
std::string U8(std::u16string_view text);

// Appends one record: card number plus (field, value) pairs; other fields stay empty.
int AddCard(CardTable& table, std::string_view cardNo,
            std::initializer_list<std::pair<int, std::string_view>> fields = {});

// An entry from UTF-8 texts; points is a mission's PointsGained.
DeckEntry Entry(CardKind kind, std::string_view cardNo, std::string_view name,
                std::string_view points = "");

// The texts the card lists show of entries, in their order.
std::vector<std::u16string> TextsOf(const std::vector<DeckEntry>& entries);

}  // namespace zemlo::test

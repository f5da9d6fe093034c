// Invented cards for the deck file tests: every kind with card numbers of 5, 6, 7 and 8
// characters, and every field filled with a text that names its field and record, so a
// wrong column shows at once.
#pragma once

#include <string>
#include <vector>

#include "carddb/card_database.h"
#include "carddb/deck_entry.h"
#include "deck/deck.h"
#include "deckfile/output_flags.h"

namespace zemlo::test {

// Records 0..3 of each kind have numbers of 5, 6, 7 and 8 characters.
CardDatabase NumberLengthCards();

// The entries of the given records, in the given order.
std::vector<DeckEntry> EntriesOf(const CardDatabase& db, CardKind kind,
                                 const std::vector<int>& records);

// The entries of the given records in the order a deck list holds them.
std::vector<DeckEntry> DeckOrderOf(const CardDatabase& db, CardKind kind,
                                   const std::vector<int>& records);

// A deck of these entries of each kind, in the deck lists' order whatever the order given.
Deck DeckOf(std::vector<DeckEntry> units, std::vector<DeckEntry> missions = {},
            std::vector<DeckEntry> characters = {});

// Flags from stored values, as the settings loader fills them.
OutputFlags FlagsFrom(std::u16string_view unit, std::u16string_view mission,
                      std::u16string_view character);

// The cells of the data rows of one section ("<TD noWrap>" lines between "<TR>" and
// "</TR>"), header row left out; texts as written, escapes kept.
std::vector<std::vector<std::u16string>> SectionRows(std::u16string_view fileText, CardKind kind);

// The header titles of one section, "No" first.
std::vector<std::u16string> SectionTitles(std::u16string_view fileText, CardKind kind);

}  // namespace zemlo::test

// The HTML deck file: three tables, one per card kind, the card number first and then the
// columns of the output items the player selected. Written in CP932 with CR LF.
#pragma once

#include <filesystem>
#include <string>

#include "carddb/card_database.h"
#include "deck/deck.h"
#include "deckfile/output_flags.h"
#include "platform/file_io.h"

namespace zemlo {

// The file's text, every line ended by CR LF. Each deck entry's row is filled from the
// first record of its kind whose card number equals the entry's; an entry whose card is
// missing still gets its row, with the number and empty cells, so no card of the deck is
// dropped from the file.
std::u16string DeckFileText(const CardDatabase& db, const OutputFlags& flags, const Deck& deck);

// The same text as the bytes on disk (CP932).
std::string DeckFileBytes(const CardDatabase& db, const OutputFlags& flags, const Deck& deck);

// Writes the file by way of a temporary file beside it that replaces the target only once
// it is complete. Fails when the file could not be written; an existing file of that name
// is then left exactly as it was.
FileStatus SaveDeckFile(const std::filesystem::path& path, const CardDatabase& db,
                        const OutputFlags& flags, const Deck& deck);

}  // namespace zemlo

// One step of the name search over a catalog: from the entry after (or before) the
// selection, the first entry whose searched part contains the text.
#pragma once

#include <functional>
#include <string_view>

#include "carddb/search_fold.h"

namespace zemlo {

// The part the search looks at of the catalog entry at a position (DeckEntry::SearchedPart:
// past the card number, so card numbers are never matched). The view must stay valid until
// the next call.
using EntryTextAt = std::function<std::u16string_view(int position)>;

// count entries, selected = the selected position or -1. With nothing selected the walk
// starts at the first entry (down) or the last (up); otherwise next to the selection, which
// is not examined again. The walk stops at the end of the list and does not wrap.
// Returns the matching position, or -1 when the end was reached without a match.
// The match is exact: case-, width- and kana-sensitive.
int SeekStep(int count, int selected, bool down, std::u16string_view text,
             const EntryTextAt& entryAt);

// The same walk with any test of the searched part.
int SeekStepWith(int count, int selected, bool down,
                 const std::function<bool(std::u16string_view searched)>& matches,
                 const EntryTextAt& entryAt);

// One search step comparing folded texts; otherwise as SeekStep.
int FoldedSeekStep(int count, int selected, bool down, std::u16string_view text,
                   const EntryTextAt& entryAt, const SearchFold& fold);

}  // namespace zemlo

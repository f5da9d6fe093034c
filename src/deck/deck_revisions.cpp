#include "deck/deck_revisions.h"

namespace zemlo {

int DeckRevisions::Advance() {
    current_ = ++last_;
    return current_;
}

}  // namespace zemlo

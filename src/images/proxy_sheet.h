// The proxy sheet for playtesting: every copy of the deck's cards at the size of a real card
// (63 x 88 mm), nine to an A4 page in three rows of three, edge to edge so that one cut
// parts two cards, with cut marks in the margins in line with every cut. This part decides
// which card stands where; drawing it is left to the window side.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "carddb/card_fields.h"
#include "deck/deck.h"

namespace zemlo {

inline constexpr double kProxyWidthMm = 63.0;
inline constexpr double kProxyHeightMm = 88.0;
inline constexpr int kProxyColumns = 3;
inline constexpr int kProxyRows = 3;
inline constexpr std::size_t kProxiesPerPage = kProxyColumns * kProxyRows;
inline constexpr double kPaperWidthMm = 210.0;  // A4 portrait
inline constexpr double kPaperHeightMm = 297.0;
// A cut mark keeps this far from the cards and is this long.
inline constexpr double kCutMarkGapMm = 2.0;
inline constexpr double kCutMarkLengthMm = 5.0;

struct ProxyCard {
    CardKind kind = CardKind::Unit;
    std::u16string cardNo;

    friend bool operator==(const ProxyCard&, const ProxyCard&) = default;
};

// Every copy of the deck's cards, units first, then missions and characters, each list in
// the order it shows.
std::vector<ProxyCard> ProxyCards(const Deck& deck);

// Pages needed for count proxies (none for none).
std::size_t ProxyPageCount(std::size_t count);

// A rectangle or a line on the paper, in millimetres from its top left corner.
struct PaperRect {
    double left, top, width, height;
};
struct PaperLine {
    double x1, y1, x2, y2;
};

// Where the proxy in slot (0 to 8, row by row) of a page stands; the nine fill the middle
// of the paper.
PaperRect ProxyPlace(std::size_t slot);

// The cut marks of a page holding count proxies (1 to 9): beside the cards' block, in line
// with each of its edges, on every side.
std::vector<PaperLine> ProxyCutMarks(std::size_t count);

}  // namespace zemlo

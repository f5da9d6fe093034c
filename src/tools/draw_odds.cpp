#include "tools/draw_odds.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <unordered_map>

#include "carddb/text_width.h"

namespace zemlo {
namespace {

void Clamp(int pileSize, int& copies, int& drawn) {
    pileSize = std::max(pileSize, 0);
    copies = std::clamp(copies, 0, pileSize);
    drawn = std::clamp(drawn, 0, pileSize);
}

std::u16string Ascii(const char* text) {
    return std::u16string(text, text + std::char_traits<char>::length(text));
}

// log of C(N-K, k) / C(N, k), the chance that none of the K copies is drawn: the sum over
// the copies of log(1 - k/(N-i)). Each term is exact to rounding, so a chance close to 0
// or to 1 keeps its digits; false when a copy cannot escape the draw.
bool LogChanceOfNone(int pileSize, int copies, int drawn, long double& logNone) {
    Clamp(pileSize, copies, drawn);
    logNone = 0.0L;
    for (int i = 0; i < copies; ++i) {
        if (pileSize - drawn - i <= 0) return false;
        logNone += std::log1p(-static_cast<long double>(drawn) / (pileSize - i));
    }
    return true;
}

long double AtLeastOne(int pileSize, int copies, int drawn) {
    long double logNone;
    if (!LogChanceOfNone(pileSize, copies, drawn, logNone)) return 1.0L;
    return -std::expm1(logNone);
}

}  // namespace

double ChanceOfAtLeastOne(int pileSize, int copies, int drawn) {
    return static_cast<double>(AtLeastOne(pileSize, copies, drawn));
}

double ChanceOfAtLeastTwo(int pileSize, int copies, int drawn) {
    Clamp(pileSize, copies, drawn);
    if (copies < 2 || drawn < 2) return 0.0;
    // Exactly one: K·k/N times the chance that the other k-1 cards, taken from the N-1
    // other entries, miss the other K-1 copies.
    long double logNone;
    const long double exactlyOne =
        LogChanceOfNone(pileSize - 1, copies - 1, drawn - 1, logNone)
            ? static_cast<long double>(copies) * drawn / pileSize * std::exp(logNone)
            : 0.0L;
    const long double atLeastTwo = AtLeastOne(pileSize, copies, drawn) - exactlyOne;
    return static_cast<double>(std::max(atLeastTwo, 0.0L));
}

double ExpectedCopies(int pileSize, int copies, int drawn) {
    Clamp(pileSize, copies, drawn);
    if (pileSize == 0) return 0.0;
    return static_cast<double>(static_cast<long double>(drawn) * copies / pileSize);
}

std::vector<OddsRow> PileOddsRows(const std::vector<CardCopies>& pile) {
    std::vector<OddsRow> rows;
    // By kind and card number: a pile holds missions and characters together.
    std::array<std::unordered_map<std::u16string_view, size_t>, 3> rowOf;
    for (const CardCopies& card : pile) {
        const DeckEntry& entry = card.entry;
        auto& ofKind = rowOf[static_cast<size_t>(entry.Kind())];
        const auto [at, added] = ofKind.try_emplace(entry.CardNo(), rows.size());
        if (added) {
            rows.push_back(
                OddsRow{std::u16string(entry.CardNo()), std::u16string(entry.Name()), 0});
        }
        rows[at->second].copies += card.copies;
    }
    return rows;
}

std::u16string PercentText(double chance) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f%%", chance * 100.0);
    return Ascii(text);
}

std::u16string ExpectedText(double expected) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", expected);
    return Ascii(text);
}

}  // namespace zemlo

#include "tools/draw_pile.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace zemlo {

int ShuffleKey(double a, double b, double c) {
    return static_cast<int>(std::floor(1000.0 * b)) + static_cast<int>(std::floor(100.0 * a)) +
           static_cast<int>(std::floor(10.0 * c));
}

void DrawPile::ShufflePile(const std::vector<DeckEntry>& entries, const UniformSource& next) {
    std::vector<int> keys;
    keys.reserve(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const double a = next();
        const double b = next();
        const double c = next();
        keys.push_back(ShuffleKey(a, b, c));
    }
    // Picking the largest key left, the earliest among equals, at every position is a
    // stable sort by descending key.
    std::vector<size_t> order(entries.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&keys](size_t x, size_t y) { return keys[x] > keys[y]; });
    rows_.clear();
    rows_.reserve(entries.size());
    for (size_t i : order) rows_.push_back(Row{entries[i], false});
    drawnCount_ = 0;
}

std::optional<DeckEntry> DrawPile::Draw() {
    if (Exhausted()) return std::nullopt;
    Row& row = rows_[drawnCount_++];
    row.drawn = true;
    return row.entry;
}

}  // namespace zemlo

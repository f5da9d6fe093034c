// One draw pile of the draw test: the deck entries in shuffled order, each either still in
// the pile or drawn. Drawing always takes the first row not drawn.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "carddb/deck_entry.h"
#include "tools/random_sequence.h"

namespace zemlo {

// The shuffle key of one entry from three consecutive numbers a, b, c in [0, 1):
// ⌊1000·b⌋ + ⌊100·a⌋ + ⌊10·c⌋, from 0 to 1107. Keys are not spread evenly and can repeat.
int ShuffleKey(double a, double b, double c);

class DrawPile {
public:
    struct Row {
        DeckEntry entry;
        bool drawn = false;
    };

    // Refills the pile with entries, ordered by descending key (three numbers of next per
    // entry, taken in entry order); equal keys keep the entries' order. Nothing is drawn.
    void ShufflePile(const std::vector<DeckEntry>& entries, const UniformSource& next);

    // Marks the first row not yet drawn as drawn and returns its entry; nothing when the pile
    // is exhausted.
    std::optional<DeckEntry> Draw();

    bool Exhausted() const { return drawnCount_ == static_cast<int>(rows_.size()); }
    int Size() const { return static_cast<int>(rows_.size()); }
    int DrawnCount() const { return drawnCount_; }
    const std::vector<Row>& Rows() const { return rows_; }

private:
    std::vector<Row> rows_;
    int drawnCount_ = 0;  // rows are drawn front to back, so these are rows 0..drawnCount_-1
};

}  // namespace zemlo

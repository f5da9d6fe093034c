// The tallies behind the statistics graphs: how the deck's units spread over one value
// (roll-out, HP, short-range or long-range attack), and how units or missions spread over
// the four terrains. Rebuilt from the deck's summary at every drawing; nothing is kept.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "carddb/card_database.h"
#include "deck/deck_summary.h"

namespace zemlo {

// The graph choices, in the order of the dialog's option buttons.
enum class GraphKind { RollOut = 0, Hp, NearPower, FarPower, UnitTerrain, MissionTerrain };

// Values 0..20 are shown; 21 is counted but never shown; anything else is left out.
inline constexpr int kShownBuckets = 21;
inline constexpr int kValueBuckets = 22;

struct ValueBucket {
    int count = 0;
    int beamCount = 0;  // long-range graph only: copies whose weapon ends in "[Ｂ]"
    // Names, each followed by ", "; a name is listed again only after a different one.
    std::u16string names;
    std::u16string beamNames;
};

struct ValueTally {
    std::array<ValueBucket, kValueBuckets> buckets;
};

// kind is one of the four value graphs; cards are the unit deck's (DeckSummary::Cards). Each
// card counts with its copies, its values from the first unit of its number.
ValueTally TallyValueGraph(const CardTable& units, const std::vector<CardCopies>& cards,
                           GraphKind kind);

// The four terrain rows in their fixed order 宇, 陸, 空, 海.
inline constexpr char16_t kTerrainLetters[4] = {u'宇', u'陸', u'空', u'海'};

struct TerrainRow {
    int count = 0;
    std::u16string names;
};

struct TerrainTally {
    std::array<TerrainRow, 4> rows;
};

// The unit deck's cards over UnitTable, or the mission deck's over MissionTable.
TerrainTally TallyTerrainGraph(const CardDatabase& db, const std::vector<CardCopies>& cards,
                               GraphKind kind);

}  // namespace zemlo

// The search conditions of the three panels as plain values, read off the controls each
// time a filter runs. A combo box is described by its selected position and text, so the
// rules about neutral positions live here rather than in the widgets.
#pragma once

#include <array>
#include <string>

#include "catalog/affiliation_boxes.h"

namespace zemlo {

// A lower/upper pair of number boxes. At full extent (first entry below, last entry above)
// it imposes nothing, so cards with non-numeric values stay.
struct RangeCondition {
    int lowPosition = 0;
    int highPosition = 0;
    int highLast = 0;  // entry count of the upper box - 1
    std::u16string lowText;
    std::u16string highText;

    bool Active() const { return !(lowPosition == 0 && highPosition == highLast); }
};

// A text box whose entry 0 is "(指定なし)".
struct ChoiceCondition {
    int position = 0;
    std::u16string text;

    bool Active() const { return position != 0; }
};

enum class TerrainMode { And = 0, Or = 1, Not = 2 };

// The boxes stand for "宇", "陸", "空", "海" in this order.
struct TerrainCondition {
    std::array<bool, 4> checked{true, true, true, true};
    TerrainMode mode = TerrainMode::Or;
};

struct AffiliationBox {
    bool checked = true;
    std::u16string compared;
};

// Every box checked, each with its usual compared text.
std::array<AffiliationBox, kAffiliationBoxCount> DefaultAffiliationBoxes();

struct UnitConditions {
    std::array<AffiliationBox, kAffiliationBoxCount> teams = DefaultAffiliationBoxes();
    TerrainCondition terrain;
    RangeCondition rollOut;
    RangeCondition hp;
    RangeCondition nearPower;
    RangeCondition farPower;
    bool excludeBeam = false;
    ChoiceCondition ability;   // cmbSPK
    ChoiceCondition function;  // cmbSPN
    std::array<ChoiceCondition, 3> devLines;
    std::array<ChoiceCondition, 2> unitLines;
    std::array<ChoiceCondition, 2> designConds;
};

struct MissionConditions {
    TerrainCondition terrain;
    RangeCondition points;
    std::u16string unitsNeededText;  // the selected entry of cmbUnitCnt
    bool atLeast = true;             // "以上"; false for "以下"
};

struct CharacterConditions {
    std::array<AffiliationBox, kAffiliationBoxCount> teams = DefaultAffiliationBoxes();
    RangeCondition points;
    ChoiceCondition timing;
};

}  // namespace zemlo

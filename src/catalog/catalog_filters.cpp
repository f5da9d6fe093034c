#include "catalog/catalog_filters.h"

#include <string_view>

#include "carddb/card_fields.h"
#include "carddb/leading_number.h"
#include "carddb/text_width.h"

namespace zemlo {
namespace {

constexpr char16_t kTerrainChars[4] = {u'宇', u'陸', u'空', u'海'};
constexpr std::u16string_view kBeamMark = u"[\uFF22]";

bool StartsWith(std::u16string_view text, std::u16string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool EndsWith(std::u16string_view text, std::u16string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// A range condition with its bounds read once; only built for active ranges.
struct Bounds {
    explicit Bounds(const RangeCondition& range)
        : lo(LeadingNumber(range.lowText)), hi(LeadingNumber(range.highText)) {}
    bool Fails(std::u16string_view value) const {
        const double x = LeadingNumber(value);
        return lo > x || x > hi;
    }
    double lo;
    double hi;
};

// The affiliation boxes as a test: a card fails when its Team matches any unchecked box.
class AffiliationTest {
public:
    explicit AffiliationTest(const std::array<AffiliationBox, kAffiliationBoxCount>& boxes) {
        for (int k = 0; k < kAffiliationBoxCount - 1; ++k) {
            if (!boxes[k].checked) excluded_.push_back(boxes[k].compared);
        }
        const AffiliationBox& other = boxes[kAffiliationBoxCount - 1];
        excludeOther_ = !other.checked;
        otherText_ = other.compared;
    }
    bool Active() const { return excludeOther_ || !excluded_.empty(); }
    bool Fails(std::u16string_view team) const {
        for (const std::u16string& text : excluded_) {
            if (team == text) return true;
        }
        return excludeOther_ && team.substr(0, 1) == otherText_;
    }

private:
    std::vector<std::u16string> excluded_;
    bool excludeOther_ = false;
    std::u16string otherText_;  // compared with the first character of Team
};

// The terrain boxes with their mode. emptyAllowedMode is the mode in which no checked box
// imposes nothing; in every other mode no checked box empties the catalog.
class TerrainTest {
public:
    TerrainTest(const TerrainCondition& terrain, TerrainMode emptyAllowedMode)
        : mode_(terrain.mode) {
        for (int i = 0; i < 4; ++i) {
            if (terrain.checked[i]) chars_.push_back(kTerrainChars[i]);
        }
        if (chars_.empty()) {
            failAll_ = mode_ != emptyAllowedMode;
            active_ = failAll_;
        } else {
            active_ = true;
        }
    }
    bool Active() const { return active_; }
    bool Fails(std::u16string_view terrain) const {
        if (failAll_) return true;
        switch (mode_) {
            case TerrainMode::And:
                for (char16_t c : chars_) {
                    if (terrain.find(c) == std::u16string_view::npos) return true;
                }
                return false;
            case TerrainMode::Or:
                for (char16_t c : chars_) {
                    if (terrain.find(c) != std::u16string_view::npos) return false;
                }
                return true;
            case TerrainMode::Not:
                for (char16_t c : chars_) {
                    if (terrain.find(c) != std::u16string_view::npos) return true;
                }
                return false;
        }
        return false;
    }

private:
    TerrainMode mode_;
    std::u16string chars_;
    bool failAll_ = false;
    bool active_ = false;
};

// A name chosen from the names in front of "：": the field must start with the name and
// go on with "：". A field that starts with the name but goes on otherwise fails the card
// even when the other field would pass.
bool NameTestFails(std::u16string_view name, std::u16string_view first,
                   std::u16string_view second) {
    const bool firstStarts = StartsWith(first, name);
    const bool secondStarts = StartsWith(second, name);
    if (!firstStarts && !secondStarts) return true;
    const size_t l = name.size();
    if (firstStarts && (first.size() <= l || first[l] != kFullWidthColon)) return true;
    if (secondStarts && (second.size() <= l || second[l] != kFullWidthColon)) return true;
    return false;
}

bool NoneEquals(std::u16string_view text, std::initializer_list<std::u16string_view> fields) {
    for (std::u16string_view field : fields) {
        if (field == text) return false;
    }
    return true;
}

}  // namespace

std::vector<int> FilterUnits(const CardTable& units, const UnitConditions& c) {
    namespace f = unit_field;
    const AffiliationTest teams(c.teams);
    const TerrainTest terrain(c.terrain, TerrainMode::Not);
    struct ActiveRange {
        int field;
        Bounds bounds;
    };
    std::vector<ActiveRange> ranges;
    const std::pair<int, const RangeCondition*> rangeFields[] = {{f::RollOut, &c.rollOut},
                                                                 {f::Hp, &c.hp},
                                                                 {f::NearPower, &c.nearPower},
                                                                 {f::FarPower, &c.farPower}};
    for (const auto& [field, range] : rangeFields) {
        if (range->Active()) ranges.push_back({field, Bounds(*range)});
    }
    std::vector<const ChoiceCondition*> devLines, unitLines, designConds;
    for (const auto& choice : c.devLines) {
        if (choice.Active()) devLines.push_back(&choice);
    }
    for (const auto& choice : c.unitLines) {
        if (choice.Active()) unitLines.push_back(&choice);
    }
    for (const auto& choice : c.designConds) {
        if (choice.Active()) designConds.push_back(&choice);
    }

    std::vector<int> passing;
    const int count = units.Count();
    passing.reserve(count);
    for (int r = 0; r < count; ++r) {
        auto cell = [&](int field) -> std::u16string_view { return units.Cell(field, r); };
        bool fail = (teams.Active() && teams.Fails(cell(f::Team))) ||
                    (terrain.Active() && terrain.Fails(cell(f::Terrain)));
        for (size_t i = 0; !fail && i < ranges.size(); ++i) {
            fail = ranges[i].bounds.Fails(cell(ranges[i].field));
        }
        if (!fail && c.excludeBeam) fail = EndsWith(cell(f::FarWeapon), kBeamMark);
        if (!fail && c.ability.Active()) {
            fail = NameTestFails(c.ability.text, cell(f::SpAbility1), cell(f::SpAbility2));
        }
        if (!fail && c.function.Active()) {
            fail = NameTestFails(c.function.text, cell(f::SpFunction1), cell(f::SpFunction2));
        }
        for (size_t i = 0; !fail && i < devLines.size(); ++i) {
            fail = NoneEquals(devLines[i]->text,
                              {cell(f::DevLine1), cell(f::DevLine2), cell(f::DevLine3)});
        }
        for (size_t i = 0; !fail && i < unitLines.size(); ++i) {
            fail = NoneEquals(unitLines[i]->text, {cell(f::UnitLine1), cell(f::UnitLine2)});
        }
        for (size_t i = 0; !fail && i < designConds.size(); ++i) {
            fail = NoneEquals(designConds[i]->text, {cell(f::DesignCond1), cell(f::DesignCond2)});
        }
        if (!fail) passing.push_back(r);
    }
    return passing;
}

std::vector<int> FilterMissions(const CardTable& missions, const MissionConditions& c) {
    namespace f = mission_field;
    const TerrainTest terrain(c.terrain, TerrainMode::And);
    const bool pointsActive = c.points.Active();
    const Bounds points(c.points);
    std::u16string_view needText = c.unitsNeededText;
    while (!needText.empty() && needText.front() == u' ') needText.remove_prefix(1);
    while (!needText.empty() && needText.back() == u' ') needText.remove_suffix(1);
    const double need = LeadingNumber(needText);

    std::vector<int> passing;
    const int count = missions.Count();
    passing.reserve(count);
    for (int r = 0; r < count; ++r) {
        bool fail = terrain.Active() && terrain.Fails(missions.Cell(f::Terrain, r));
        if (!fail && pointsActive) fail = points.Fails(missions.Cell(f::PointsGained, r));
        if (!fail) {
            const std::u16string_view field = missions.Cell(f::UnitsNeeded, r);
            const char16_t first = field.empty() ? u'\0' : NarrowChar(field[0]);
            const double units =
                field.empty() ? 0.0 : LeadingNumber(std::u16string_view(&first, 1));
            fail = c.atLeast ? units < need : units > need;
        }
        if (!fail) passing.push_back(r);
    }
    return passing;
}

std::vector<int> FilterCharacters(const CardTable& characters, const CharacterConditions& c) {
    namespace f = char_field;
    const AffiliationTest teams(c.teams);
    const bool pointsActive = c.points.Active();
    const Bounds points(c.points);

    std::vector<int> passing;
    const int count = characters.Count();
    passing.reserve(count);
    for (int r = 0; r < count; ++r) {
        bool fail = teams.Active() && teams.Fails(characters.Cell(f::Team, r));
        if (!fail && pointsActive) fail = points.Fails(characters.Cell(f::PointsLost, r));
        if (!fail && c.timing.Active()) {
            fail = !StartsWith(characters.Cell(f::Timing, r), c.timing.text);
        }
        if (!fail) passing.push_back(r);
    }
    return passing;
}

}  // namespace zemlo

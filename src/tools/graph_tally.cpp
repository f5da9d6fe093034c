#include "tools/graph_tally.h"

#include "carddb/leading_number.h"

namespace zemlo {
namespace {

int ValueField(GraphKind kind) {
    switch (kind) {
        case GraphKind::RollOut:
            return unit_field::RollOut;
        case GraphKind::Hp:
            return unit_field::Hp;
        case GraphKind::NearPower:
            return unit_field::NearPower;
        default:
            return unit_field::FarPower;
    }
}

bool IsBeamWeapon(std::u16string_view weapon) {
    constexpr std::u16string_view kBeamMark = u"[Ｂ]";
    return weapon.size() >= kBeamMark.size() &&
           weapon.substr(weapon.size() - kBeamMark.size()) == kBeamMark;
}

void AddName(std::u16string& list, std::u16string& lastName, std::u16string_view name) {
    if (name == lastName) return;
    list += name;
    list += u", ";
    lastName = name;
}

}  // namespace

ValueTally TallyValueGraph(const CardTable& units, const std::vector<CardCopies>& cards,
                           GraphKind kind) {
    ValueTally tally;
    const int field = ValueField(kind);
    std::u16string lastName;
    for (const CardCopies& card : cards) {
        const int record = units.FindCardNo(card.entry.CardNo());
        if (record < 0) continue;
        const int value = ToInt16Clamped(LeadingNumber(units.Cell(field, record)));
        if (value < 0 || value >= kValueBuckets) continue;
        ValueBucket& bucket = tally.buckets[value];
        bucket.count += card.copies;
        const bool beam =
            kind == GraphKind::FarPower && IsBeamWeapon(units.Cell(unit_field::FarWeapon, record));
        if (beam) bucket.beamCount += card.copies;
        AddName(beam ? bucket.beamNames : bucket.names, lastName,
                units.Cell(unit_field::UnitName, record));
    }
    return tally;
}

TerrainTally TallyTerrainGraph(const CardDatabase& db, const std::vector<CardCopies>& cards,
                               GraphKind kind) {
    const bool units = kind != GraphKind::MissionTerrain;
    const CardTable& table = units ? db.units : db.missions;
    const int terrainField = units ? int{unit_field::Terrain} : int{mission_field::Terrain};
    const int nameField = units ? int{unit_field::UnitName} : int{mission_field::MissionName};
    TerrainTally tally;
    std::array<std::u16string, 4> lastNames;
    for (const CardCopies& card : cards) {
        const int record = table.FindCardNo(card.entry.CardNo());
        if (record < 0) continue;
        const std::u16string_view terrain = table.Cell(terrainField, record);
        for (int t = 0; t < 4; ++t) {
            if (terrain.find(kTerrainLetters[t]) == std::u16string_view::npos) continue;
            tally.rows[t].count += card.copies;
            AddName(tally.rows[t].names, lastNames[t], table.Cell(nameField, record));
        }
    }
    return tally;
}

}  // namespace zemlo

// The three catalog filters: pure functions over a loaded card table that return the
// passing records in table order. They write nothing, so a table stays as it was loaded.
#pragma once

#include <vector>

#include "carddb/card_table.h"
#include "catalog/filter_conditions.h"

namespace zemlo {

std::vector<int> FilterUnits(const CardTable& units, const UnitConditions& conditions);
std::vector<int> FilterMissions(const CardTable& missions, const MissionConditions& conditions);
std::vector<int> FilterCharacters(const CardTable& characters,
                                  const CharacterConditions& conditions);

}  // namespace zemlo

// The three catalog filters. Each writes FilterMark ("1" passes, "0" filtered out) of every
// record of its table and returns the passing records in table order.
#pragma once

#include <vector>

#include "carddb/card_table.h"
#include "catalog/filter_conditions.h"

namespace zemlo {

std::vector<int> FilterUnits(CardTable& units, const UnitConditions& conditions);
std::vector<int> FilterMissions(CardTable& missions, const MissionConditions& conditions);
std::vector<int> FilterCharacters(CardTable& characters, const CharacterConditions& conditions);

}  // namespace zemlo

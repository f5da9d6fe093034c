// The deck rules as the three counters under the deck lists show them: black inside the
// rule, red outside it. Nothing stops a deck outside the rules; only the colour tells.
#pragma once

namespace zemlo {

enum class CounterColour { Black, Red };

// The unit deck holds exactly 20 units.
CounterColour UnitCountColour(int units);

// Missions and characters together: 10 to 15.
CounterColour MissionCharCountColour(int missionsAndCharacters);

// The missions' points add up to 10 or more.
CounterColour TotalPointsColour(int points);

}  // namespace zemlo

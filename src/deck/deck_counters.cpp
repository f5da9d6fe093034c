#include "deck/deck_counters.h"

namespace zemlo {

CounterColour UnitCountColour(int units) {
    return units == 20 ? CounterColour::Black : CounterColour::Red;
}

CounterColour MissionCharCountColour(int missionsAndCharacters) {
    return missionsAndCharacters >= 10 && missionsAndCharacters <= 15 ? CounterColour::Black
                                                                      : CounterColour::Red;
}

CounterColour TotalPointsColour(int points) {
    return points >= 10 ? CounterColour::Black : CounterColour::Red;
}

}  // namespace zemlo

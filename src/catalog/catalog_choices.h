// The choices of every data-dependent combo box of the three search panels, computed from
// the card tables once at start-up.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "carddb/card_database.h"

namespace zemlo {

// Entry 0 of every text choice list.
inline constexpr std::u16string_view kNoCondition = u"(指定なし)";

struct CatalogChoices {
    // Number ranges: one entry per whole number, lowest to highest, right-aligned in two
    // characters. The same list serves both boxes of a pair.
    std::vector<std::u16string> rollOut;
    std::vector<std::u16string> hp;
    std::vector<std::u16string> nearPower;
    std::vector<std::u16string> farPower;
    std::vector<std::u16string> missionPoints;
    std::vector<std::u16string> unitsNeeded;
    std::vector<std::u16string> characterPoints;

    // Text lists: "(指定なし)" first, then each distinct text once in list order.
    std::vector<std::u16string> abilities;  // cmbSPK
    std::vector<std::u16string> functions;  // cmbSPN
    std::vector<std::u16string> devLines;
    std::vector<std::u16string> unitLines;
    std::vector<std::u16string> designConds;
    std::vector<std::u16string> timings;
};

CatalogChoices BuildCatalogChoices(const CardDatabase& db);
// The choices that come from one kind's table, written into their members of choices alone:
// the kinds' choices may be made on threads of their own.
void BuildCatalogChoicesOf(const CardDatabase& db, CardKind kind, CatalogChoices& choices);

// The two-character form of a range entry: one leading blank for a single digit.
std::u16string RangeEntryText(int value);

}  // namespace zemlo

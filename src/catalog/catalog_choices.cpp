#include "catalog/catalog_choices.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "carddb/card_fields.h"
#include "carddb/deck_entry.h"
#include "carddb/leading_number.h"
#include "carddb/text_width.h"

namespace zemlo {
namespace {

// Distinct texts of one choice list. "(指定なし)" stays in front whatever the data holds:
// an empty value or one starting with a blank would otherwise sort ahead of it. The texts
// added are views into the card tables, which stay unchanged while the lists are built.
// Start-up adds some 400,000 values at the largest card pool, nearly all of them seen
// before: they are looked up in open addressing over their hashes, without a node each.
class ChoiceList {
public:
    ChoiceList() : slots_(64) {}

    void Add(std::u16string_view text) {
        const uint64_t hash = Hash(text);
        for (size_t s = hash & (slots_.size() - 1);; s = (s + 1) & (slots_.size() - 1)) {
            Slot& slot = slots_[s];
            if (slot.text < 0) {
                slot = {hash, static_cast<int>(texts_.size())};
                texts_.push_back(text);
                if (texts_.size() * 2 > slots_.size()) Grow();
                return;
            }
            if (slot.hash == hash && texts_[slot.text] == text) return;
        }
    }
    std::vector<std::u16string> Take() {
        std::sort(texts_.begin(), texts_.end(), [](std::u16string_view a, std::u16string_view b) {
            if (EntryTextLess(a, b)) return true;
            if (EntryTextLess(b, a)) return false;
            return a < b;  // texts differing only in letter case
        });
        std::vector<std::u16string> out;
        out.reserve(texts_.size() + 1);
        out.emplace_back(kNoCondition);
        // A data value that reads "(指定なし)" itself is a choice like any other.
        for (const std::u16string_view text : texts_) out.emplace_back(text);
        return out;
    }

private:
    struct Slot {
        uint64_t hash = 0;
        int text = -1;  // where in texts_
    };

    // Four characters at a time: the values are short, a few words of them.
    static uint64_t Hash(std::u16string_view text) {
        constexpr uint64_t kOdd = 0x9E3779B97F4A7C15ull;
        uint64_t hash = text.size() * kOdd;
        size_t i = 0;
        for (; i + 4 <= text.size(); i += 4) {
            uint64_t word;
            std::memcpy(&word, text.data() + i, sizeof word);
            hash = (hash ^ word) * kOdd;
            hash ^= hash >> 32;
        }
        for (; i < text.size(); ++i) hash = (hash ^ text[i]) * kOdd;
        return hash ^ (hash >> 29);
    }

    void Grow() {
        std::vector<Slot> old(slots_.size() * 2);
        old.swap(slots_);
        for (const Slot& slot : old) {
            if (slot.text < 0) continue;
            size_t s = slot.hash & (slots_.size() - 1);
            while (slots_[s].text >= 0) s = (s + 1) & (slots_.size() - 1);
            slots_[s] = slot;
        }
    }

    std::vector<Slot> slots_;
    std::vector<std::u16string_view> texts_;
};

// The lowest and highest value of a number field, both starting at 0. A value that extends
// the range counts as its leading number rounded into the 16-bit range, so a fraction or
// trailing text cannot stop the start-up.
class NumberRange {
public:
    void Add(double x) {
        if (x < low_) low_ = ToInt16Clamped(x);
        if (x > high_) high_ = ToInt16Clamped(x);
    }
    std::vector<std::u16string> Entries() const {
        std::vector<std::u16string> entries;
        entries.reserve(static_cast<size_t>(high_ - low_ + 1));
        for (int n = low_; n <= high_; ++n) entries.push_back(RangeEntryText(n));
        return entries;
    }

private:
    int low_ = 0;
    int high_ = 0;
};

void AddNameBeforeColon(ChoiceList& list, std::u16string_view field) {
    const size_t colon = field.find(kFullWidthColon);
    if (colon != std::u16string_view::npos) list.Add(field.substr(0, colon));
}

void AddWholeValue(ChoiceList& list, std::u16string_view field) {
    if (field != kEmptyMark) list.Add(field);
}

// The units a mission needs: its first character only, narrowed from full width.
double FirstCharacterNumber(std::u16string_view field) {
    if (field.empty()) return 0.0;
    const char16_t first = NarrowChar(field[0]);
    return LeadingNumber(std::u16string_view(&first, 1));
}

}  // namespace

std::u16string RangeEntryText(int value) {
    std::u16string text;
    for (char c : std::to_string(value)) text += static_cast<char16_t>(c);
    if (text.size() < 2) text.insert(text.begin(), u' ');
    return text;
}

void BuildCatalogChoicesOf(const CardDatabase& db, CardKind kind, CatalogChoices& choices) {
    if (kind == CardKind::Unit) {
        namespace f = unit_field;
        const CardTable& units = db.units;
        NumberRange rollOut, hp, nearPower, farPower;
        ChoiceList abilities, functions, devLines, unitLines, designConds;
        for (int r = 0; r < units.Count(); ++r) {
            rollOut.Add(LeadingNumber(units.Cell(f::RollOut, r)));
            hp.Add(LeadingNumber(units.Cell(f::Hp, r)));
            nearPower.Add(LeadingNumber(units.Cell(f::NearPower, r)));
            farPower.Add(LeadingNumber(units.Cell(f::FarPower, r)));
            AddNameBeforeColon(abilities, units.Cell(f::SpAbility1, r));
            AddNameBeforeColon(abilities, units.Cell(f::SpAbility2, r));
            AddNameBeforeColon(functions, units.Cell(f::SpFunction1, r));
            AddNameBeforeColon(functions, units.Cell(f::SpFunction2, r));
            for (int field : {f::DevLine1, f::DevLine2, f::DevLine3}) {
                AddWholeValue(devLines, units.Cell(field, r));
            }
            for (int field : {f::UnitLine1, f::UnitLine2}) {
                AddWholeValue(unitLines, units.Cell(field, r));
            }
            for (int field : {f::DesignCond1, f::DesignCond2}) {
                AddWholeValue(designConds, units.Cell(field, r));
            }
        }
        choices.rollOut = rollOut.Entries();
        choices.hp = hp.Entries();
        choices.nearPower = nearPower.Entries();
        choices.farPower = farPower.Entries();
        choices.abilities = abilities.Take();
        choices.functions = functions.Take();
        choices.devLines = devLines.Take();
        choices.unitLines = unitLines.Take();
        choices.designConds = designConds.Take();
    } else if (kind == CardKind::Mission) {
        namespace f = mission_field;
        NumberRange points, unitsNeeded;
        for (int r = 0; r < db.missions.Count(); ++r) {
            points.Add(LeadingNumber(db.missions.Cell(f::PointsGained, r)));
            unitsNeeded.Add(FirstCharacterNumber(db.missions.Cell(f::UnitsNeeded, r)));
        }
        choices.missionPoints = points.Entries();
        choices.unitsNeeded = unitsNeeded.Entries();
    } else {
        namespace f = char_field;
        NumberRange points;
        ChoiceList timings;
        for (int r = 0; r < db.characters.Count(); ++r) {
            points.Add(LeadingNumber(db.characters.Cell(f::PointsLost, r)));
            AddNameBeforeColon(timings, db.characters.Cell(f::Timing, r));
        }
        choices.characterPoints = points.Entries();
        choices.timings = timings.Take();
    }
}

CatalogChoices BuildCatalogChoices(const CardDatabase& db) {
    CatalogChoices choices;
    for (CardKind kind : {CardKind::Unit, CardKind::Mission, CardKind::Character}) {
        BuildCatalogChoicesOf(db, kind, choices);
    }
    return choices;
}

}  // namespace zemlo

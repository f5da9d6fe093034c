#include "cardinfo/card_info_text.h"

#include "carddb/text_width.h"

namespace zemlo {
namespace {

enum class Shown { AsIs, Widened, AlwaysWidened };

struct BoxSource {
    int field;
    Shown shown;
};

constexpr BoxSource kUnitBoxes[kUnitInfoBoxes] = {
    {unit_field::CardNo, Shown::AsIs},       {unit_field::ModelNo, Shown::AsIs},
    {unit_field::UnitName, Shown::AsIs},     {unit_field::Team, Shown::AsIs},
    {unit_field::RollOut, Shown::Widened},   {unit_field::Hp, Shown::Widened},
    {unit_field::Terrain, Shown::AsIs},      {unit_field::DevLine1, Shown::AsIs},
    {unit_field::DevLine2, Shown::AsIs},     {unit_field::DevLine3, Shown::AsIs},
    {unit_field::UnitLine1, Shown::AsIs},    {unit_field::UnitLine2, Shown::AsIs},
    {unit_field::DesignCond1, Shown::AsIs},  {unit_field::DesignCond2, Shown::AsIs},
    {unit_field::NearPower, Shown::Widened}, {unit_field::NearWeapon, Shown::AsIs},
    {unit_field::FarPower, Shown::Widened},  {unit_field::FarWeapon, Shown::AsIs},
    {unit_field::SpAbility1, Shown::AsIs},   {unit_field::SpAbility2, Shown::AsIs},
    {unit_field::SpFunction1, Shown::AsIs},  {unit_field::SpFunction2, Shown::AsIs},
    {unit_field::Note1, Shown::AsIs},        {unit_field::Note2, Shown::AsIs},
    {unit_field::CardText, Shown::AsIs},     {unit_field::CardCode, Shown::AlwaysWidened},
};

// The mission frame has no code box, and its unit count stays as the data writes it.
constexpr BoxSource kMissionBoxes[kMissionInfoBoxes] = {
    {mission_field::CardNo, Shown::AsIs},          {mission_field::MissionName, Shown::AsIs},
    {mission_field::PointsGained, Shown::Widened}, {mission_field::UnitsNeeded, Shown::AsIs},
    {mission_field::Terrain, Shown::AsIs},         {mission_field::VictoryCond, Shown::AsIs},
    {mission_field::Effect, Shown::AsIs},          {mission_field::CardText, Shown::AsIs},
};

constexpr BoxSource kCharBoxes[kCharInfoBoxes] = {
    {char_field::CardNo, Shown::AsIs},
    {char_field::CharName, Shown::AsIs},
    {char_field::Team, Shown::AsIs},
    {char_field::PointsLost, Shown::Widened},
    {char_field::Timing, Shown::AsIs},
    {char_field::UseCond, Shown::AsIs},
    {char_field::Effect, Shown::AsIs},
    {char_field::CardText, Shown::AsIs},
    {char_field::CardCode, Shown::AlwaysWidened},
};

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

}  // namespace

int InfoBoxCount(CardKind kind) {
    switch (kind) {
        case CardKind::Unit:
            return kUnitInfoBoxes;
        case CardKind::Mission:
            return kMissionInfoBoxes;
        case CardKind::Character:
            return kCharInfoBoxes;
    }
    return 0;
}

bool ReadsAsNumber(std::u16string_view text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    if (begin < end && (text[begin] == u'+' || text[begin] == u'-')) ++begin;
    bool digit = false;
    bool point = false;
    for (size_t i = begin; i < end; ++i) {
        const char16_t c = text[i];
        if (c >= u'0' && c <= u'9') {
            digit = true;
        } else if (c == u'.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

std::u16string WidenedValue(std::u16string_view text) {
    return ReadsAsNumber(text) ? Widen(text) : std::u16string(text);
}

std::vector<std::u16string> CardInfoTexts(const CardTable& table, CardKind kind, int record) {
    const BoxSource* boxes = kind == CardKind::Unit      ? kUnitBoxes
                             : kind == CardKind::Mission ? kMissionBoxes
                                                         : kCharBoxes;
    const int count = InfoBoxCount(kind);
    std::vector<std::u16string> texts;
    texts.reserve(count);
    for (int i = 0; i < count; ++i) {
        const std::u16string value(table.Cell(boxes[i].field, record));
        switch (boxes[i].shown) {
            case Shown::AsIs:
                texts.push_back(value);
                break;
            case Shown::Widened:
                texts.push_back(WidenedValue(value));
                break;
            case Shown::AlwaysWidened:
                texts.push_back(Widen(value));
                break;
        }
    }
    return texts;
}

}  // namespace zemlo

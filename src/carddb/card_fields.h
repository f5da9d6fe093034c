// Field numbers of the three card tables. They are also the positions the card data file
// fills and the deck file's columns refer to, so they never change. The data's positions
// start at 1: field 0 of every table stays empty.
#pragma once

namespace zemlo {

enum class CardKind { Unit = 0, Mission = 1, Character = 2 };

namespace unit_field {
enum : int {
    Unused = 0,
    CardNo,
    ModelNo,
    UnitName,
    Team,
    RollOut,
    Terrain,
    DevLine1,
    DevLine2,
    DevLine3,
    UnitLine1,
    UnitLine2,
    DesignCond1,
    DesignCond2,
    NearWeapon,
    NearPower,
    FarWeapon,
    FarPower,
    Hp,
    SpAbility1,
    SpAbility2,
    SpFunction1,
    SpFunction2,
    Note1,
    Note2,
    CardText,
    CardCode
};
constexpr int kCount = 27;
}  // namespace unit_field

namespace mission_field {
enum : int {
    Unused = 0,
    CardNo,
    MissionName,
    PointsGained,
    UnitsNeeded,
    Terrain,
    VictoryCond,
    Effect,
    CardText
};
constexpr int kCount = 9;
}  // namespace mission_field

namespace char_field {
enum : int {
    Unused = 0,
    CardNo,
    CharName,
    Team,
    PointsLost,
    Timing,
    UseCond,
    Effect,
    CardText,
    CardCode
};
constexpr int kCount = 10;
}  // namespace char_field

// The field that holds a card's name in its kind's table.
inline constexpr int NameField(CardKind kind) {
    switch (kind) {
        case CardKind::Unit:
            return unit_field::UnitName;
        case CardKind::Mission:
            return mission_field::MissionName;
        case CardKind::Character:
            break;
    }
    return char_field::CharName;
}

// The data's mark for an empty optional field: U+FF0D FULLWIDTH HYPHEN-MINUS.
inline constexpr char16_t kEmptyMark[] = u"\uFF0D";

// The colon between an ability and its value in the data ("潜行：2"): U+FF1A FULLWIDTH COLON.
inline constexpr char16_t kFullWidthColon = u'\uFF1A';

}  // namespace zemlo

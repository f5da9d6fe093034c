#include "catalog/unit_catalog_page.h"

#include "catalog/catalog_choices.h"
#include "catalog/catalog_filters.h"
#include "platform/busy_cursor.h"

namespace zemlo {
// The page's own names, apart from the other pages' alike ones (None, Points) in case the
// pages compile together.
namespace unit_panel {

// What each control of the panel decides.
enum Condition {
    None,
    Teams,
    Terrain,        // by index: 宇, 陸, 空, 海
    TerrainOption,  // by index: AND, OR, NOT
    RollOut,
    Hp,
    NearPower,
    FarPower,
    ExcludeBeam,
    Function,
    Ability,
    DevLine,  // by index
    UnitLine,
    DesignCond
};

using K = ControlKind;
using C = CatalogChoices;

// In the order the controls are made, which is the keyboard's order.
std::vector<PanelControl> Rows() {
    const char* const affiliationTip = "枠をﾀﾞﾌﾞﾙｸﾘｯｸすると全ﾁｪｯｸ/ｸﾘｱできます";
    std::vector<PanelControl> rows = {
        {K::Frame,
         "fraUnit",
         0,
         -1,
         "所属(OR)",
         affiliationTip,
         false,
         nullptr,
         None,
         {60, 60, 5895, 1260},
         {45, 45, 5505, 1125}},
        {K::Affiliations, "chkTeamU", -1, 0, "", "", true, nullptr, Teams},
        {K::Frame,
         "fraUnit",
         1,
         -1,
         "地形適正",
         "",
         false,
         nullptr,
         None,
         {60, 1380, 2925, 900},
         {45, 1215, 1650, 1170}},
        {K::CheckBox,
         "chkChikeiU",
         0,
         1,
         "宇",
         "",
         true,
         nullptr,
         Terrain,
         {120, 300, 630, 240},
         {75, 225, 540, 225}},
        {K::CheckBox,
         "chkChikeiU",
         1,
         1,
         "陸",
         "",
         true,
         nullptr,
         Terrain,
         {810, 300, 630, 240},
         {675, 225, 540, 225}},
        {K::CheckBox,
         "chkChikeiU",
         2,
         1,
         "空",
         "",
         true,
         nullptr,
         Terrain,
         {1500, 300, 630, 240},
         {75, 450, 540, 225}},
        {K::CheckBox,
         "chkChikeiU",
         3,
         1,
         "海",
         "",
         true,
         nullptr,
         Terrain,
         {2190, 300, 630, 240},
         {675, 450, 540, 225}},
        {K::Option,
         "optChikeiU",
         0,
         1,
         "AND",
         "",
         false,
         nullptr,
         TerrainOption,
         {120, 600, 840, 240},
         {75, 675, 750, 225}},
        {K::Option,
         "optChikeiU",
         1,
         1,
         "OR",
         "",
         true,
         nullptr,
         TerrainOption,
         {1020, 600, 840, 240},
         {840, 675, 750, 225}},
        {K::Option,
         "optChikeiU",
         2,
         1,
         "NOT",
         "",
         false,
         nullptr,
         TerrainOption,
         {1920, 600, 840, 240},
         {75, 900, 750, 225}},
        {K::Frame,
         "fraUnit",
         2,
         -1,
         "ロール",
         "",
         false,
         nullptr,
         None,
         {3030, 1380, 2925, 690},
         {1740, 1215, 2010, 570}},
        {K::Range, "cmbRollOut", -1, 2, "", "", false, &C::rollOut, RollOut},
        {K::Frame,
         "fraUnit",
         3,
         -1,
         "ＨＰ",
         "",
         false,
         nullptr,
         None,
         {3030, 2100, 2925, 690},
         {1740, 1815, 2010, 570}},
        {K::Range, "cmbHP", -1, 3, "", "", false, &C::hp, Hp},
        {K::Frame,
         "fraUnit",
         4,
         -1,
         "近距離",
         "",
         false,
         nullptr,
         None,
         {3030, 2820, 2925, 690},
         {1740, 2415, 2010, 570}},
        {K::Range, "cmbWeponK", -1, 4, "", "", false, &C::nearPower, NearPower},
        {K::Frame,
         "fraUnit",
         5,
         -1,
         "遠距離",
         "",
         false,
         nullptr,
         None,
         {3030, 3540, 2925, 690},
         {1740, 3015, 2010, 570}},
        {K::Range, "cmbWeponE", -1, 5, "", "", false, &C::farPower, FarPower},
        {K::CheckBox,
         "chkBeem",
         -1,
         5,
         "B",
         "[B]攻撃を除外",
         false,
         nullptr,
         ExcludeBeam,
         {2340, 345, 525, 240},
         {1485, 255, 495, 240}},
        {K::Frame,
         "fraUnit",
         7,
         -1,
         "特殊機能",
         "",
         false,
         nullptr,
         None,
         {60, 2340, 2925, 900},
         {45, 2430, 1650, 600}},
        {K::Choice,
         "cmbSPN",
         -1,
         7,
         "",
         "",
         false,
         &C::functions,
         Function,
         {120, 360, 2685, 330},
         {75, 225, 1500, 300}},
        {K::Frame,
         "fraUnit",
         8,
         -1,
         "特殊能力",
         "",
         false,
         nullptr,
         None,
         {60, 3300, 2925, 930},
         {45, 3075, 1650, 600}},
        {K::Choice,
         "cmbSPK",
         -1,
         8,
         "",
         "",
         false,
         &C::abilities,
         Ability,
         {120, 360, 2685, 330},
         {75, 225, 1500, 300}},
        {K::Frame,
         "fraUnit",
         6,
         -1,
         "開発系統",
         "",
         false,
         nullptr,
         None,
         {60, 4290, 5895, 690},
         {45, 3720, 5505, 600}},
    };
    for (int i = 0; i < 3; ++i) {
        rows.push_back({K::Choice,
                        "cmbDevK",
                        i,
                        6,
                        "",
                        "",
                        false,
                        &C::devLines,
                        DevLine,
                        {120 + i * 1905, 300, 1845, 330},
                        {75 + i * 1800, 225, 1740, 300}});
    }
    rows.push_back({K::Frame,
                    "fraUnit",
                    9,
                    -1,
                    "ユニット系統",
                    "",
                    false,
                    nullptr,
                    None,
                    {60, 5040, 2925, 690},
                    {3795, 1215, 1755, 900}});
    rows.push_back({K::Frame,
                    "fraUnit",
                    10,
                    -1,
                    "設計条件",
                    "",
                    false,
                    nullptr,
                    None,
                    {3030, 5040, 2925, 690},
                    {3795, 2160, 1755, 900}});
    for (int i = 0; i < 2; ++i) {
        const TwipsBox normal{120 + i * 1365, 300, 1305, 330};
        const TwipsBox compact{75, 225 + i * 315, 1605, 300};
        rows.push_back(
            {K::Choice, "cmbUnitK", i, 9, "", "", false, &C::unitLines, UnitLine, normal, compact});
        rows.push_back({K::Choice, "cmbDevJ", i, 10, "", "", false, &C::designConds, DesignCond,
                        normal, compact});
    }
    rows.push_back({K::List,
                    "lstUnitName",
                    -1,
                    -1,
                    "",
                    "",
                    false,
                    nullptr,
                    None,
                    {60, 5790, 5895, 3660},
                    {45, 4380, 5505, 3420}});
    return rows;
}

}  // namespace unit_panel

UnitCatalogPage::UnitCatalogPage(const CardDatabase& db, FilterSuspension& suspension,
                                 const HighlightState& highlight, QWidget* parent)
    : CatalogPage(CardKind::Unit, db, suspension, highlight, parent) {
    BuildPanel(unit_panel::Rows());
}

UnitConditions UnitCatalogPage::ReadConditions() const {
    using namespace unit_panel;
    UnitConditions c;
    c.terrain.mode = TerrainMode::Not;  // unless AND or OR is on
    for (const PanelControl& control : Controls()) {
        switch (control.condition) {
            case Teams:
                c.teams = ReadAffiliations(control);
                break;
            case Terrain:
                c.terrain.checked[control.index] = IsChecked(control);
                break;
            case TerrainOption:
                if (IsChecked(control) && control.index < 2) {
                    c.terrain.mode = static_cast<TerrainMode>(control.index);
                }
                break;
            case RollOut:
                c.rollOut = ReadRange(control);
                break;
            case Hp:
                c.hp = ReadRange(control);
                break;
            case NearPower:
                c.nearPower = ReadRange(control);
                break;
            case FarPower:
                c.farPower = ReadRange(control);
                break;
            case ExcludeBeam:
                c.excludeBeam = IsChecked(control);
                break;
            case Function:
                c.function = ReadChoice(control);
                break;
            case Ability:
                c.ability = ReadChoice(control);
                break;
            case DevLine:
                c.devLines[control.index] = ReadChoice(control);
                break;
            case UnitLine:
                c.unitLines[control.index] = ReadChoice(control);
                break;
            case DesignCond:
                c.designConds[control.index] = ReadChoice(control);
                break;
            default:
                break;
        }
    }
    return c;
}

void UnitCatalogPage::RefilterUnits() {
    if (FiltersSuspended()) return;
    BusyCursor busy;
    ShowRecords(FilterUnits(db_.units, ReadConditions()));
}

}  // namespace zemlo

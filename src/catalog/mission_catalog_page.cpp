#include "catalog/mission_catalog_page.h"

#include "catalog/catalog_choices.h"
#include "catalog/catalog_filters.h"
#include "platform/busy_cursor.h"

namespace zemlo {
// The page's own names, apart from the other pages' alike ones.
namespace mission_panel {

// What each control of the panel decides.
enum Condition {
    None,
    Terrain,        // by index: 宇, 陸, 空, 海
    TerrainOption,  // by index: AND, OR, NOT
    Points,
    UnitsNeeded,
    AtLeast  // by index: 以上, 以下
};

using K = ControlKind;
using C = CatalogChoices;

// In the order the controls are made, which is the keyboard's order.
std::vector<PanelControl> Rows() {
    std::vector<PanelControl> rows = {
        {K::Frame,
         "fraMission",
         0,
         -1,
         "地形適正",
         "",
         false,
         nullptr,
         None,
         {60, 60, 2925, 900},
         {45, 45, 2700, 750}},
    };
    const char* const terrains[4] = {"宇", "陸", "空", "海"};
    for (int i = 0; i < 4; ++i) {
        rows.push_back({K::CheckBox,
                        "chkChikeiM",
                        i,
                        0,
                        terrains[i],
                        "",
                        true,
                        nullptr,
                        Terrain,
                        {120 + i * 690, 300, 630, 240},
                        {75 + i * 555, 225, 540, 225}});
    }
    const char* const modes[3] = {"AND", "OR", "NOT"};
    for (int i = 0; i < 3; ++i) {
        rows.push_back({K::Option,
                        "optChikeiM",
                        i,
                        0,
                        modes[i],
                        "",
                        i == 1,
                        nullptr,
                        TerrainOption,
                        {120 + i * 900, 600, 840, 240},
                        {75 + i * 780, 465, 750, 225}});
    }
    rows.insert(rows.end(),
                {
                    {K::Frame,
                     "fraMission",
                     1,
                     -1,
                     "獲得戦果",
                     "",
                     false,
                     nullptr,
                     None,
                     {3030, 60, 2925, 690},
                     {2790, 45, 2760, 570}},
                    {K::Range, "cmbPointM", -1, 1, "", "", false, &C::missionPoints, Points},
                    {K::Frame,
                     "fraMission",
                     2,
                     -1,
                     "必要ユニット数",
                     "",
                     false,
                     nullptr,
                     None,
                     {3030, 810, 2925, 690},
                     {2790, 660, 2760, 570}},
                    {K::Choice,
                     "cmbUnitCnt",
                     -1,
                     2,
                     "",
                     "",
                     false,
                     &C::unitsNeeded,
                     UnitsNeeded,
                     {120, 300, 900, 330},
                     {75, 225, 600, 300}},
                    {K::Option,
                     "optUCnt",
                     0,
                     2,
                     "以上",
                     "",
                     true,
                     nullptr,
                     AtLeast,
                     {1140, 345, 780, 240},
                     {855, 255, 780, 240}},
                    {K::Option,
                     "optUCnt",
                     1,
                     2,
                     "以下",
                     "",
                     false,
                     nullptr,
                     AtLeast,
                     {1980, 345, 780, 240},
                     {1680, 255, 780, 240}},
                    {K::List,
                     "lstMissionName",
                     -1,
                     -1,
                     "",
                     "",
                     false,
                     nullptr,
                     None,
                     {60, 1560, 5895, 7890},
                     {45, 1290, 5505, 6510}},
                });
    return rows;
}

}  // namespace mission_panel

MissionCatalogPage::MissionCatalogPage(const CardDatabase& db, FilterSuspension& suspension,
                                       const HighlightState& highlight, QWidget* parent)
    : CatalogPage(CardKind::Mission, db, suspension, highlight, parent) {
    BuildPanel(mission_panel::Rows());
}

MissionConditions MissionCatalogPage::ReadConditions() const {
    using namespace mission_panel;
    MissionConditions c;
    c.terrain.mode = TerrainMode::Not;  // unless AND or OR is on
    for (const PanelControl& control : Controls()) {
        switch (control.condition) {
            case Terrain:
                c.terrain.checked[control.index] = IsChecked(control);
                break;
            case TerrainOption:
                if (IsChecked(control) && control.index < 2) {
                    c.terrain.mode = static_cast<TerrainMode>(control.index);
                }
                break;
            case Points:
                c.points = ReadRange(control);
                break;
            case UnitsNeeded:
                c.unitsNeededText = ReadChoice(control).text;
                break;
            case AtLeast:
                if (control.index == 0) c.atLeast = IsChecked(control);
                break;
            default:
                break;
        }
    }
    return c;
}

void MissionCatalogPage::RefilterMissions() {
    if (FiltersSuspended()) return;
    BusyCursor busy;
    ShowRecords(FilterMissions(db_.missions, ReadConditions()));
}

}  // namespace zemlo

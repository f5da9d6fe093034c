#include "catalog/character_catalog_page.h"

#include "catalog/catalog_choices.h"
#include "catalog/catalog_filters.h"
#include "platform/busy_cursor.h"

namespace zemlo {
// The page's own names, apart from the other pages' alike ones.
namespace character_panel {

// What each control of the panel decides.
enum Condition { None, Teams, Points, Timing };

using K = ControlKind;
using C = CatalogChoices;

// In the order the controls are made, which is the keyboard's order.
std::vector<PanelControl> Rows() {
    return {
        {K::Frame,
         "fraChar",
         0,
         -1,
         "所属(OR)",
         "枠をﾀﾞﾌﾞﾙｸﾘｯｸすると全ﾁｪｯｸ/ｸﾘｱできます",
         false,
         nullptr,
         None,
         {60, 60, 5895, 1260},
         {45, 45, 5505, 1125}},
        {K::Affiliations, "chkTeamC", -1, 0, "", "", true, nullptr, Teams},
        {K::Frame,
         "fraChar",
         1,
         -1,
         "損失戦果",
         "",
         false,
         nullptr,
         None,
         {60, 1380, 2925, 690},
         {45, 1215, 2715, 570}},
        {K::Range, "cmbPointC", -1, 1, "", "", false, &C::characterPoints, Points},
        {K::Frame,
         "fraChar",
         2,
         -1,
         "使用タイミング",
         "",
         false,
         nullptr,
         None,
         {3030, 1380, 2925, 690},
         {2805, 1215, 2745, 570}},
        {K::Choice,
         "cmbTiming",
         -1,
         2,
         "",
         "",
         false,
         &C::timings,
         Timing,
         {120, 300, 2685, 330},
         {75, 225, 2595, 300}},
        {K::List,
         "lstCharName",
         -1,
         -1,
         "",
         "",
         false,
         nullptr,
         None,
         {60, 2130, 5895, 7320},
         {45, 1830, 5505, 5970}},
    };
}

}  // namespace character_panel

CharacterCatalogPage::CharacterCatalogPage(const CardDatabase& db, FilterSuspension& suspension,
                                           const HighlightState& highlight, QWidget* parent)
    : CatalogPage(CardKind::Character, db, suspension, highlight, parent) {
    BuildPanel(character_panel::Rows());
}

CharacterConditions CharacterCatalogPage::ReadConditions() const {
    using namespace character_panel;
    CharacterConditions c;
    for (const PanelControl& control : Controls()) {
        switch (control.condition) {
            case Teams:
                c.teams = ReadAffiliations(control);
                break;
            case Points:
                c.points = ReadRange(control);
                break;
            case Timing:
                c.timing = ReadChoice(control);
                break;
            default:
                break;
        }
    }
    return c;
}

void CharacterCatalogPage::RefilterCharacters() {
    if (FiltersSuspended()) return;
    BusyCursor busy;
    ShowRecords(FilterCharacters(db_.characters, ReadConditions()));
}

}  // namespace zemlo

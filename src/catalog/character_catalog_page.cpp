#include "catalog/character_catalog_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>

#include "catalog/catalog_choices.h"
#include "catalog/catalog_filters.h"
#include "catalog/highlight_colors.h"
#include "platform/busy_cursor.h"
#include "platform/twips.h"

namespace zemlo {

CharacterCatalogPage::CharacterCatalogPage(const CardDatabase& db, bool& filtersSuspended,
                                           const bool& highlightOn, QWidget* parent)
    : CatalogPage(CardKind::Character, db, filtersSuspended, highlightOn, parent) {
    BuildPanel();
    LayOut(false);
    ConnectHandlers();
}

void CharacterCatalogPage::BuildPanel() {
    fraChar[0] = NewFrame("fraChar", 0, QStringLiteral("所属(OR)"));
    fraChar[0]->setToolTip(QStringLiteral("枠をﾀﾞﾌﾞﾙｸﾘｯｸすると全ﾁｪｯｸ/ｸﾘｱできます"));
    BuildAffiliationBoxes(fraChar[0], "chkTeamC", chkTeamC);

    fraChar[1] = NewFrame("fraChar", 1, QStringLiteral("損失戦果"));
    cmbPointC[0] = NewComboBox(fraChar[1], "cmbPointC", 0);
    rangeLabel_ = NewRangeLabel(fraChar[1]);
    cmbPointC[1] = NewComboBox(fraChar[1], "cmbPointC", 1);

    fraChar[2] = NewFrame("fraChar", 2, QStringLiteral("使用タイミング"));
    cmbTiming = NewComboBox(fraChar[2], "cmbTiming", -1);
    NameList("lstCharName");
}

void CharacterCatalogPage::LayOut(bool compact) {
    if (!compact) {
        PlaceTwips(fraChar[0], 60, 60, 5895, 1260);
        PlaceAffiliationBoxes(chkTeamC, 5895, false);
        PlaceTwips(fraChar[1], 60, 1380, 2925, 690);
        PlaceTwips(fraChar[2], 3030, 1380, 2925, 690);
        PlaceTwips(cmbTiming, 120, 300, 2685, 330);
        PlaceList(60, 2130, 5895, 7320);
    } else {
        PlaceTwips(fraChar[0], 45, 45, 5505, 1125);
        PlaceAffiliationBoxes(chkTeamC, 5505, true);
        PlaceTwips(fraChar[1], 45, 1215, 2715, 570);
        PlaceTwips(fraChar[2], 2805, 1215, 2745, 570);
        PlaceTwips(cmbTiming, 75, 225, 2595, 300);
        PlaceList(45, 1830, 5505, 5970);
    }
    PlaceRange(cmbPointC[0], rangeLabel_, cmbPointC[1], compact);
}

void CharacterCatalogPage::ConnectHandlers() {
    for (int k = 1; k <= kAffiliationBoxCount; ++k) {
        connect(chkTeamC[k], &QCheckBox::toggled, this, [this, k] { chkTeamC_Click(k); });
    }
    for (int i = 0; i < 2; ++i) {
        connect(cmbPointC[i], &QComboBox::currentIndexChanged, this,
                [this, i] { cmbPointC_Click(i); });
    }
    connect(cmbTiming, &QComboBox::currentIndexChanged, this, [this] { cmbTiming_Click(); });
}

void CharacterCatalogPage::chkTeamC_Click(int index) {
    ColourCheckBox(chkTeamC[index]);
    RefilterCharacters();
}

void CharacterCatalogPage::cmbPointC_Click(int) {
    ColourPair(cmbPointC[0], cmbPointC[1]);
    RefilterCharacters();
}

void CharacterCatalogPage::cmbTiming_Click() {
    ColourSingle(cmbTiming);
    RefilterCharacters();
}

void CharacterCatalogPage::FrameDoubleClicked(int index) {
    if (index == 0) CheckOrClearAll(chkTeamC);
}

CharacterConditions CharacterCatalogPage::ReadConditions() const {
    CharacterConditions c;
    c.teams = ReadAffiliations(chkTeamC);
    c.points = ReadRange(cmbPointC[0], cmbPointC[1]);
    c.timing = ReadChoice(cmbTiming);
    return c;
}

void CharacterCatalogPage::RefilterCharacters() {
    if (FiltersSuspended()) return;
    BusyCursor busy;
    ShowRecords(FilterCharacters(db_.characters, ReadConditions()));
}

void CharacterCatalogPage::FillChoices(const CatalogChoices& choices) {
    FillCombo(cmbPointC[0], choices.characterPoints);
    FillCombo(cmbPointC[1], choices.characterPoints);
    FillCombo(cmbTiming, choices.timings);
    cmbPointC[0]->setCurrentIndex(0);
    cmbPointC[1]->setCurrentIndex(cmbPointC[1]->count() - 1);
    cmbTiming->setCurrentIndex(0);
}

void CharacterCatalogPage::ClearConditions() {
    for (int k = 1; k <= kAffiliationBoxCount; ++k) chkTeamC[k]->setChecked(true);
    cmbPointC[0]->setCurrentIndex(0);
    cmbPointC[1]->setCurrentIndex(cmbPointC[1]->count() - 1);
    cmbTiming->setCurrentIndex(0);
}

void CharacterCatalogPage::ColourComboBoxesByRule() {
    HighlightLowerCombo(cmbPointC[0]);
    HighlightUpperCombo(cmbPointC[1]);
    HighlightLowerCombo(cmbTiming);
}

}  // namespace zemlo

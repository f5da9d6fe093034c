#include "catalog/unit_catalog_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>

#include "catalog/catalog_choices.h"
#include "catalog/catalog_filters.h"
#include "catalog/highlight_colors.h"
#include "platform/busy_cursor.h"
#include "platform/twips.h"

namespace zemlo {
namespace {

const char* const kTerrainCaptions[4] = {"宇", "陸", "空", "海"};
const char* const kModeCaptions[3] = {"AND", "OR", "NOT"};

}  // namespace

UnitCatalogPage::UnitCatalogPage(const CardDatabase& db, bool& filtersSuspended, const bool& highlightOn,
                                 QWidget* parent)
    : CatalogPage(CardKind::Unit, db, filtersSuspended, highlightOn, parent) {
    BuildPanel();
    LayOut(false);
    ConnectHandlers();
}

void UnitCatalogPage::BuildPanel() {
    fraUnit[0] = NewFrame("fraUnit", 0, QStringLiteral("所属(OR)"));
    fraUnit[0]->setToolTip(QStringLiteral("枠をﾀﾞﾌﾞﾙｸﾘｯｸすると全ﾁｪｯｸ/ｸﾘｱできます"));
    BuildAffiliationBoxes(fraUnit[0], "chkTeamU", chkTeamU);

    fraUnit[1] = NewFrame("fraUnit", 1, QStringLiteral("地形適正"));
    for (int i = 0; i < 4; ++i) {
        chkChikeiU[i] =
            NewCheckBox(fraUnit[1], "chkChikeiU", i, QString::fromUtf8(kTerrainCaptions[i]));
        chkChikeiU[i]->setChecked(true);
    }
    for (int i = 0; i < 3; ++i) {
        optChikeiU[i] = NewOption(fraUnit[1], "optChikeiU", i, QString::fromUtf8(kModeCaptions[i]));
    }
    optChikeiU[1]->setChecked(true);

    const char* const rangeCaptions[4] = {"ロール", "ＨＰ", "近距離", "遠距離"};
    const char* const rangeNames[4] = {"cmbRollOut", "cmbHP", "cmbWeponK", "cmbWeponE"};
    std::array<QComboBox*, 2>* pairs[4] = {&cmbRollOut, &cmbHP, &cmbWeponK, &cmbWeponE};
    for (int i = 0; i < 4; ++i) {
        QGroupBox* frame = NewFrame("fraUnit", 2 + i, QString::fromUtf8(rangeCaptions[i]));
        fraUnit[2 + i] = frame;
        (*pairs[i])[0] = NewComboBox(frame, rangeNames[i], 0);
        rangeLabels_[i] = NewRangeLabel(frame);
        (*pairs[i])[1] = NewComboBox(frame, rangeNames[i], 1);
    }
    chkBeem = NewCheckBox(fraUnit[5], "chkBeem", -1, QStringLiteral("B"));
    chkBeem->setToolTip(QStringLiteral("[B]攻撃を除外"));

    fraUnit[7] = NewFrame("fraUnit", 7, QStringLiteral("特殊機能"));
    cmbSPN = NewComboBox(fraUnit[7], "cmbSPN", -1);
    fraUnit[8] = NewFrame("fraUnit", 8, QStringLiteral("特殊能力"));
    cmbSPK = NewComboBox(fraUnit[8], "cmbSPK", -1);

    fraUnit[6] = NewFrame("fraUnit", 6, QStringLiteral("開発系統"));
    for (int i = 0; i < 3; ++i) cmbDevK[i] = NewComboBox(fraUnit[6], "cmbDevK", i);
    fraUnit[9] = NewFrame("fraUnit", 9, QStringLiteral("ユニット系統"));
    fraUnit[10] = NewFrame("fraUnit", 10, QStringLiteral("設計条件"));
    for (int i = 0; i < 2; ++i) {
        cmbUnitK[i] = NewComboBox(fraUnit[9], "cmbUnitK", i);
        cmbDevJ[i] = NewComboBox(fraUnit[10], "cmbDevJ", i);
    }
    NameList("lstUnitName");
}

void UnitCatalogPage::LayOut(bool compact) {
    if (!compact) {
        // Two columns below the affiliations; lineage and design frames under them all.
        PlaceTwips(fraUnit[0], 60, 60, 5895, 1260);
        PlaceAffiliationBoxes(chkTeamU, 5895, false);
        PlaceTwips(fraUnit[1], 60, 1380, 2925, 900);
        for (int i = 0; i < 4; ++i) PlaceTwips(chkChikeiU[i], 120 + i * 690, 300, 630, 240);
        for (int i = 0; i < 3; ++i) PlaceTwips(optChikeiU[i], 120 + i * 900, 600, 840, 240);
        for (int i = 0; i < 4; ++i) PlaceTwips(fraUnit[2 + i], 3030, 1380 + i * 720, 2925, 690);
        PlaceTwips(chkBeem, 2340, 345, 525, 240);
        PlaceTwips(fraUnit[7], 60, 2340, 2925, 900);
        PlaceTwips(cmbSPN, 120, 360, 2685, 330);
        PlaceTwips(fraUnit[8], 60, 3300, 2925, 930);
        PlaceTwips(cmbSPK, 120, 360, 2685, 330);
        PlaceTwips(fraUnit[6], 60, 4290, 5895, 690);
        for (int i = 0; i < 3; ++i) PlaceTwips(cmbDevK[i], 120 + i * 1905, 300, 1845, 330);
        PlaceTwips(fraUnit[9], 60, 5040, 2925, 690);
        PlaceTwips(fraUnit[10], 3030, 5040, 2925, 690);
        for (int i = 0; i < 2; ++i) {
            PlaceTwips(cmbUnitK[i], 120 + i * 1365, 300, 1305, 330);
            PlaceTwips(cmbDevJ[i], 120 + i * 1365, 300, 1305, 330);
        }
        PlaceList(60, 5790, 5895, 3660);
    } else {
        // Three columns below the affiliations: terrain and specials, the number ranges, and
        // the unit-line and design frames moved up beside them.
        PlaceTwips(fraUnit[0], 45, 45, 5505, 1125);
        PlaceAffiliationBoxes(chkTeamU, 5505, true);
        PlaceTwips(fraUnit[1], 45, 1215, 1650, 1170);
        for (int i = 0; i < 4; ++i) {
            PlaceTwips(chkChikeiU[i], 75 + (i % 2) * 600, 225 + (i / 2) * 225, 540, 225);
        }
        PlaceTwips(optChikeiU[0], 75, 675, 750, 225);
        PlaceTwips(optChikeiU[1], 840, 675, 750, 225);
        PlaceTwips(optChikeiU[2], 75, 900, 750, 225);
        PlaceTwips(fraUnit[7], 45, 2430, 1650, 600);
        PlaceTwips(cmbSPN, 75, 225, 1500, 300);
        PlaceTwips(fraUnit[8], 45, 3075, 1650, 600);
        PlaceTwips(cmbSPK, 75, 225, 1500, 300);
        for (int i = 0; i < 4; ++i) PlaceTwips(fraUnit[2 + i], 1740, 1215 + i * 600, 2010, 570);
        PlaceTwips(chkBeem, 1485, 255, 495, 240);
        PlaceTwips(fraUnit[9], 3795, 1215, 1755, 900);
        PlaceTwips(fraUnit[10], 3795, 2160, 1755, 900);
        for (int i = 0; i < 2; ++i) {
            PlaceTwips(cmbUnitK[i], 75, 225 + i * 315, 1605, 300);
            PlaceTwips(cmbDevJ[i], 75, 225 + i * 315, 1605, 300);
        }
        PlaceTwips(fraUnit[6], 45, 3720, 5505, 600);
        for (int i = 0; i < 3; ++i) PlaceTwips(cmbDevK[i], 75 + i * 1800, 225, 1740, 300);
        PlaceList(45, 4380, 5505, 3420);
    }
    std::array<QComboBox*, 2>* pairs[4] = {&cmbRollOut, &cmbHP, &cmbWeponK, &cmbWeponE};
    for (int i = 0; i < 4; ++i) {
        PlaceRange((*pairs[i])[0], rangeLabels_[i], (*pairs[i])[1], compact);
    }
}

void UnitCatalogPage::ConnectHandlers() {
    for (int k = 1; k <= kAffiliationBoxCount; ++k) {
        connect(chkTeamU[k], &QCheckBox::toggled, this, [this, k] { chkTeamU_Click(k); });
    }
    for (int i = 0; i < 4; ++i) {
        connect(chkChikeiU[i], &QCheckBox::toggled, this, [this, i] { chkChikeiU_Click(i); });
    }
    for (int i = 0; i < 3; ++i) {
        connect(optChikeiU[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) optChikeiU_Click(i);
        });
    }
    connect(chkBeem, &QCheckBox::toggled, this, [this] { chkBeem_Click(); });
    for (std::array<QComboBox*, 2>* pair : {&cmbRollOut, &cmbHP, &cmbWeponK, &cmbWeponE}) {
        for (QComboBox* box : *pair) {
            connect(box, &QComboBox::currentIndexChanged, this,
                    [this, pair] { RangePair_Click(*pair); });
        }
    }
    connect(cmbSPK, &QComboBox::currentIndexChanged, this, [this] { cmbSPK_Click(); });
    connect(cmbSPN, &QComboBox::currentIndexChanged, this, [this] { cmbSPN_Click(); });
    for (int i = 0; i < 3; ++i) {
        connect(cmbDevK[i], &QComboBox::currentIndexChanged, this, [this, i] { cmbDevK_Click(i); });
    }
    for (int i = 0; i < 2; ++i) {
        connect(cmbUnitK[i], &QComboBox::currentIndexChanged, this,
                [this, i] { cmbUnitK_Click(i); });
        connect(cmbDevJ[i], &QComboBox::currentIndexChanged, this, [this, i] { cmbDevJ_Click(i); });
    }
}

void UnitCatalogPage::chkTeamU_Click(int index) {
    ColourCheckBox(chkTeamU[index]);
    RefilterUnits();
}

void UnitCatalogPage::chkChikeiU_Click(int index) {
    ColourCheckBox(chkChikeiU[index]);
    RefilterUnits();
}

void UnitCatalogPage::chkBeem_Click() {
    ColourCheckBox(chkBeem);
    RefilterUnits();
}

void UnitCatalogPage::optChikeiU_Click(int) {
    RefilterUnits();
}

void UnitCatalogPage::RangePair_Click(std::array<QComboBox*, 2>& pair) {
    ColourPair(pair[0], pair[1]);
    RefilterUnits();
}

void UnitCatalogPage::cmbSPK_Click() {
    ColourSingle(cmbSPK);
    RefilterUnits();
}

void UnitCatalogPage::cmbSPN_Click() {
    ColourSingle(cmbSPN);
    RefilterUnits();
}

void UnitCatalogPage::cmbDevK_Click(int index) {
    ColourSingle(cmbDevK[index]);
    RefilterUnits();
}

void UnitCatalogPage::cmbUnitK_Click(int index) {
    ColourSingle(cmbUnitK[index]);
    RefilterUnits();
}

void UnitCatalogPage::cmbDevJ_Click(int index) {
    ColourSingle(cmbDevJ[index]);
    RefilterUnits();
}

void UnitCatalogPage::FrameDoubleClicked(int index) {
    if (index == 0) CheckOrClearAll(chkTeamU);
}

UnitConditions UnitCatalogPage::ReadConditions() const {
    UnitConditions c;
    c.teams = ReadAffiliations(chkTeamU);
    for (int i = 0; i < 4; ++i) c.terrain.checked[i] = chkChikeiU[i]->isChecked();
    c.terrain.mode = optChikeiU[0]->isChecked()   ? TerrainMode::And
                     : optChikeiU[1]->isChecked() ? TerrainMode::Or
                                                  : TerrainMode::Not;
    c.rollOut = ReadRange(cmbRollOut[0], cmbRollOut[1]);
    c.hp = ReadRange(cmbHP[0], cmbHP[1]);
    c.nearPower = ReadRange(cmbWeponK[0], cmbWeponK[1]);
    c.farPower = ReadRange(cmbWeponE[0], cmbWeponE[1]);
    c.excludeBeam = chkBeem->isChecked();
    c.ability = ReadChoice(cmbSPK);
    c.function = ReadChoice(cmbSPN);
    for (int i = 0; i < 3; ++i) c.devLines[i] = ReadChoice(cmbDevK[i]);
    for (int i = 0; i < 2; ++i) {
        c.unitLines[i] = ReadChoice(cmbUnitK[i]);
        c.designConds[i] = ReadChoice(cmbDevJ[i]);
    }
    return c;
}

void UnitCatalogPage::RefilterUnits() {
    if (FiltersSuspended()) return;
    BusyCursor busy;
    ShowRecords(FilterUnits(db_.units, ReadConditions()));
}

void UnitCatalogPage::FillChoices(const CatalogChoices& choices) {
    const std::pair<std::array<QComboBox*, 2>*, const std::vector<std::u16string>*> ranges[] = {
        {&cmbRollOut, &choices.rollOut},
        {&cmbHP, &choices.hp},
        {&cmbWeponK, &choices.nearPower},
        {&cmbWeponE, &choices.farPower}};
    for (const auto& [pair, entries] : ranges) {
        FillCombo((*pair)[0], *entries);
        FillCombo((*pair)[1], *entries);
    }
    FillCombo(cmbSPK, choices.abilities);
    FillCombo(cmbSPN, choices.functions);
    for (QComboBox* box : cmbDevK) FillCombo(box, choices.devLines);
    for (QComboBox* box : cmbUnitK) FillCombo(box, choices.unitLines);
    for (QComboBox* box : cmbDevJ) FillCombo(box, choices.designConds);

    for (const auto& [pair, entries] : ranges) {
        (*pair)[0]->setCurrentIndex(0);
        (*pair)[1]->setCurrentIndex((*pair)[1]->count() - 1);
    }
    for (QComboBox* box : {cmbSPK, cmbSPN, cmbDevK[0], cmbDevK[1], cmbDevK[2], cmbUnitK[0],
                           cmbUnitK[1], cmbDevJ[0], cmbDevJ[1]}) {
        box->setCurrentIndex(0);
    }
}

void UnitCatalogPage::ClearConditions() {
    for (int k = 1; k <= kAffiliationBoxCount; ++k) chkTeamU[k]->setChecked(true);
    for (QCheckBox* box : chkChikeiU) box->setChecked(true);
    optChikeiU[1]->setChecked(true);
    for (std::array<QComboBox*, 2>* pair : {&cmbRollOut, &cmbHP, &cmbWeponK, &cmbWeponE}) {
        (*pair)[0]->setCurrentIndex(0);
        (*pair)[1]->setCurrentIndex((*pair)[1]->count() - 1);
    }
    chkBeem->setChecked(false);
    for (QComboBox* box : {cmbSPK, cmbSPN, cmbDevK[0], cmbDevK[1], cmbDevK[2], cmbUnitK[0],
                           cmbUnitK[1], cmbDevJ[0], cmbDevJ[1]}) {
        box->setCurrentIndex(0);
    }
}

void UnitCatalogPage::ColourComboBoxesByRule() {
    for (std::array<QComboBox*, 2>* pair : {&cmbRollOut, &cmbHP, &cmbWeponK, &cmbWeponE}) {
        HighlightLowerCombo((*pair)[0]);
        HighlightUpperCombo((*pair)[1]);
    }
    for (QComboBox* box : {cmbSPK, cmbSPN, cmbDevK[0], cmbDevK[1], cmbDevK[2], cmbUnitK[0],
                           cmbUnitK[1], cmbDevJ[0], cmbDevJ[1]}) {
        HighlightLowerCombo(box);
    }
}

}  // namespace zemlo

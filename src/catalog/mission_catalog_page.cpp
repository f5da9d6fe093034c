#include "catalog/mission_catalog_page.h"

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

MissionCatalogPage::MissionCatalogPage(const CardDatabase& db, bool& filtersSuspended,
                                       const bool& highlightOn, QWidget* parent)
    : CatalogPage(CardKind::Mission, db, filtersSuspended, highlightOn, parent) {
    BuildPanel();
    LayOut(false);
    ConnectHandlers();
}

void MissionCatalogPage::BuildPanel() {
    fraMission[0] = NewFrame("fraMission", 0, QStringLiteral("地形適正"));
    for (int i = 0; i < 4; ++i) {
        chkChikeiM[i] =
            NewCheckBox(fraMission[0], "chkChikeiM", i, QString::fromUtf8(kTerrainCaptions[i]));
        chkChikeiM[i]->setChecked(true);
    }
    for (int i = 0; i < 3; ++i) {
        optChikeiM[i] =
            NewOption(fraMission[0], "optChikeiM", i, QString::fromUtf8(kModeCaptions[i]));
    }
    optChikeiM[1]->setChecked(true);

    fraMission[1] = NewFrame("fraMission", 1, QStringLiteral("獲得戦果"));
    cmbPointM[0] = NewComboBox(fraMission[1], "cmbPointM", 0);
    rangeLabel_ = NewRangeLabel(fraMission[1]);
    cmbPointM[1] = NewComboBox(fraMission[1], "cmbPointM", 1);

    fraMission[2] = NewFrame("fraMission", 2, QStringLiteral("必要ユニット数"));
    cmbUnitCnt = NewComboBox(fraMission[2], "cmbUnitCnt", -1);
    optUCnt[0] = NewOption(fraMission[2], "optUCnt", 0, QStringLiteral("以上"));
    optUCnt[1] = NewOption(fraMission[2], "optUCnt", 1, QStringLiteral("以下"));
    optUCnt[0]->setChecked(true);
    NameList("lstMissionName");
}

void MissionCatalogPage::LayOut(bool compact) {
    if (!compact) {
        PlaceTwips(fraMission[0], 60, 60, 2925, 900);
        for (int i = 0; i < 4; ++i) PlaceTwips(chkChikeiM[i], 120 + i * 690, 300, 630, 240);
        for (int i = 0; i < 3; ++i) PlaceTwips(optChikeiM[i], 120 + i * 900, 600, 840, 240);
        PlaceTwips(fraMission[1], 3030, 60, 2925, 690);
        PlaceTwips(fraMission[2], 3030, 810, 2925, 690);
        PlaceTwips(cmbUnitCnt, 120, 300, 900, 330);
        PlaceTwips(optUCnt[0], 1140, 345, 780, 240);
        PlaceTwips(optUCnt[1], 1980, 345, 780, 240);
        PlaceList(60, 1560, 5895, 7890);
    } else {
        PlaceTwips(fraMission[0], 45, 45, 2700, 750);
        for (int i = 0; i < 4; ++i) PlaceTwips(chkChikeiM[i], 75 + i * 555, 225, 540, 225);
        for (int i = 0; i < 3; ++i) PlaceTwips(optChikeiM[i], 75 + i * 780, 465, 750, 225);
        PlaceTwips(fraMission[1], 2790, 45, 2760, 570);
        PlaceTwips(fraMission[2], 2790, 660, 2760, 570);
        PlaceTwips(cmbUnitCnt, 75, 225, 600, 300);
        PlaceTwips(optUCnt[0], 855, 255, 780, 240);
        PlaceTwips(optUCnt[1], 1680, 255, 780, 240);
        PlaceList(45, 1290, 5505, 6510);
    }
    PlaceRange(cmbPointM[0], rangeLabel_, cmbPointM[1], compact);
}

void MissionCatalogPage::ConnectHandlers() {
    for (int i = 0; i < 4; ++i) {
        connect(chkChikeiM[i], &QCheckBox::toggled, this, [this, i] { chkChikeiM_Click(i); });
    }
    for (int i = 0; i < 3; ++i) {
        connect(optChikeiM[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) optChikeiM_Click(i);
        });
    }
    for (int i = 0; i < 2; ++i) {
        connect(optUCnt[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) optUCnt_Click(i);
        });
        connect(cmbPointM[i], &QComboBox::currentIndexChanged, this,
                [this, i] { cmbPointM_Click(i); });
    }
    connect(cmbUnitCnt, &QComboBox::currentIndexChanged, this, [this] { cmbUnitCnt_Click(); });
}

void MissionCatalogPage::chkChikeiM_Click(int index) {
    ColourCheckBox(chkChikeiM[index]);
    RefilterMissions();
}

void MissionCatalogPage::optChikeiM_Click(int) {
    RefilterMissions();
}
void MissionCatalogPage::optUCnt_Click(int) {
    RefilterMissions();
}

void MissionCatalogPage::cmbPointM_Click(int) {
    ColourPair(cmbPointM[0], cmbPointM[1]);
    RefilterMissions();
}

void MissionCatalogPage::cmbUnitCnt_Click() {
    ColourSingle(cmbUnitCnt);
    RefilterMissions();
}

MissionConditions MissionCatalogPage::ReadConditions() const {
    MissionConditions c;
    for (int i = 0; i < 4; ++i) c.terrain.checked[i] = chkChikeiM[i]->isChecked();
    c.terrain.mode = optChikeiM[0]->isChecked()   ? TerrainMode::And
                     : optChikeiM[1]->isChecked() ? TerrainMode::Or
                                                  : TerrainMode::Not;
    c.points = ReadRange(cmbPointM[0], cmbPointM[1]);
    c.unitsNeededText = cmbUnitCnt->currentText().toStdU16String();
    c.atLeast = optUCnt[0]->isChecked();
    return c;
}

void MissionCatalogPage::RefilterMissions() {
    if (FiltersSuspended()) return;
    BusyCursor busy;
    ShowRecords(FilterMissions(db_.missions, ReadConditions()));
}

void MissionCatalogPage::FillChoices(const CatalogChoices& choices) {
    FillCombo(cmbPointM[0], choices.missionPoints);
    FillCombo(cmbPointM[1], choices.missionPoints);
    FillCombo(cmbUnitCnt, choices.unitsNeeded);
    cmbPointM[0]->setCurrentIndex(0);
    cmbPointM[1]->setCurrentIndex(cmbPointM[1]->count() - 1);
    cmbUnitCnt->setCurrentIndex(0);
}

void MissionCatalogPage::ClearConditions() {
    for (QCheckBox* box : chkChikeiM) box->setChecked(true);
    optChikeiM[1]->setChecked(true);
    cmbPointM[0]->setCurrentIndex(0);
    cmbPointM[1]->setCurrentIndex(cmbPointM[1]->count() - 1);
    cmbUnitCnt->setCurrentIndex(0);
    optUCnt[0]->setChecked(true);
}

void MissionCatalogPage::ColourComboBoxesByRule() {
    HighlightLowerCombo(cmbPointM[0]);
    HighlightUpperCombo(cmbPointM[1]);
    HighlightLowerCombo(cmbUnitCnt);
}

}  // namespace zemlo

// The mission tab: the mission search panel (fraMission 0..2) and the catalog lstMissionName.
#pragma once

#include <array>

#include "catalog/catalog_page.h"

namespace zemlo {

class MissionCatalogPage : public CatalogPage {
    Q_OBJECT
public:
    MissionCatalogPage(const CardDatabase& db, bool& filtersSuspended, const bool& highlightOn,
                       QWidget* parent = nullptr);

    void RefilterMissions();
    void Refilter() override { RefilterMissions(); }
    void ClearConditions() override;
    void ColourComboBoxesByRule() override;
    void LayOut(bool compact) override;

    MissionConditions ReadConditions() const;

    std::array<QGroupBox*, 3> fraMission{};
    std::array<QCheckBox*, 4> chkChikeiM{};
    std::array<QRadioButton*, 3> optChikeiM{};
    std::array<QComboBox*, 2> cmbPointM{};
    QComboBox* cmbUnitCnt = nullptr;
    std::array<QRadioButton*, 2> optUCnt{};

protected:
    void FillChoices(const CatalogChoices& choices) override;

private:
    QLabel* rangeLabel_ = nullptr;
    void BuildPanel();
    void ConnectHandlers();
    void chkChikeiM_Click(int index);
    void optChikeiM_Click(int index);
    void optUCnt_Click(int index);
    void cmbPointM_Click(int index);
    void cmbUnitCnt_Click();
};

}  // namespace zemlo

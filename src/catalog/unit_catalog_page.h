// The unit tab: the unit search panel (fraUnit 0..10) and the unit catalog lstUnitName.
#pragma once

#include <array>

#include "catalog/catalog_page.h"

namespace zemlo {

class UnitCatalogPage : public CatalogPage {
    Q_OBJECT
public:
    UnitCatalogPage(const CardDatabase& db, bool& filtersSuspended, const bool& highlightOn,
                    QWidget* parent = nullptr);

    void RefilterUnits();
    void Refilter() override { RefilterUnits(); }
    void ClearConditions() override;
    void ColourComboBoxesByRule() override;
    void LayOut(bool compact) override;

    UnitConditions ReadConditions() const;

    std::array<QGroupBox*, 11> fraUnit{};
    std::array<QCheckBox*, 17> chkTeamU{};  // elements 1..16
    std::array<QCheckBox*, 4> chkChikeiU{};
    std::array<QRadioButton*, 3> optChikeiU{};
    std::array<QComboBox*, 2> cmbRollOut{};
    std::array<QComboBox*, 2> cmbHP{};
    std::array<QComboBox*, 2> cmbWeponK{};
    std::array<QComboBox*, 2> cmbWeponE{};
    QCheckBox* chkBeem = nullptr;
    std::array<QComboBox*, 3> cmbDevK{};
    QComboBox* cmbSPN = nullptr;
    QComboBox* cmbSPK = nullptr;
    std::array<QComboBox*, 2> cmbUnitK{};
    std::array<QComboBox*, 2> cmbDevJ{};

protected:
    void FillChoices(const CatalogChoices& choices) override;
    void FrameDoubleClicked(int index) override;

private:
    std::array<QLabel*, 4> rangeLabels_{};
    void BuildPanel();
    void ConnectHandlers();
    void chkTeamU_Click(int index);
    void chkChikeiU_Click(int index);
    void chkBeem_Click();
    void optChikeiU_Click(int index);
    void RangePair_Click(std::array<QComboBox*, 2>& pair);
    void cmbSPK_Click();
    void cmbSPN_Click();
    void cmbDevK_Click(int index);
    void cmbUnitK_Click(int index);
    void cmbDevJ_Click(int index);
};

}  // namespace zemlo

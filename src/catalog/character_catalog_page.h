// The character tab: the character search panel (fraChar 0..2) and the catalog lstCharName.
#pragma once

#include <array>

#include "catalog/catalog_page.h"

namespace zemlo {

class CharacterCatalogPage : public CatalogPage {
    Q_OBJECT
public:
    CharacterCatalogPage(const CardDatabase& db, bool& filtersSuspended, const bool& highlightOn,
                         QWidget* parent = nullptr);

    void RefilterCharacters();
    void Refilter() override { RefilterCharacters(); }
    void ClearConditions() override;
    void ColourComboBoxesByRule() override;
    void LayOut(bool compact) override;

    CharacterConditions ReadConditions() const;

    std::array<QGroupBox*, 3> fraChar{};
    std::array<QCheckBox*, 17> chkTeamC{};  // elements 1..16
    std::array<QComboBox*, 2> cmbPointC{};
    QComboBox* cmbTiming = nullptr;

protected:
    void FillChoices(const CatalogChoices& choices) override;
    void FrameDoubleClicked(int index) override;

private:
    QLabel* rangeLabel_ = nullptr;
    void BuildPanel();
    void ConnectHandlers();
    void chkTeamC_Click(int index);
    void cmbPointC_Click(int index);
    void cmbTiming_Click();
};

}  // namespace zemlo

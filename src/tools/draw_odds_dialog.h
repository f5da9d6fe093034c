// The draw odds window: for the unit pile and the mission-plus-character pile as the draw
// test forms them, how likely each card is to be among the first k cards. k is chosen per
// pile and remembered in the settings file; selecting rows gives the chance of drawing any
// of them.
#pragma once

#include <QDialog>

#include "deck/deck_summary.h"
#include "settings/settings_store.h"

class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableView;

namespace zemlo {

class DrawOddsModel;

class DrawOddsDialog : public QDialog {
    Q_OBJECT
public:
    // The settings store's section "DRAWODDS" keeps each pile's draw count; a failed write is
    // told through the store like every other setting's.
    DrawOddsDialog(const Deck& deck, SettingsStore& settings, QWidget* parent = nullptr);

    DrawOddsModel* Model(int which) const { return models_[which]; }

    QTabWidget* pileTabs;
    QSpinBox* drawCountBoxes[2];
    QTableView* oddsTables[2];
    QLabel* chanceLabels[2];
    QPushButton* closeButton;

public slots:
    // Remembers the draw counts the player changed, then closes.
    void done(int result) override;

private:
    void BuildPage(int which, const std::vector<CardCopies>& pile, long long pileSize);
    void ShowChanceOfSelected(int which);

    SettingsStore& settings_;
    DrawOddsModel* models_[2];
    bool changed_[2] = {false, false};
};

}  // namespace zemlo

// frmGraph: the statistics dialog. One of six horizontal bar graphs over the current deck;
// bars are coloured labels 200 twips wide per card, and every bar, row caption and count
// names its cards in a tooltip. The dialog reads the deck at each drawing and changes nothing.
#pragma once

#include <QDialog>

#include "carddb/card_database.h"
#include "deck/deck.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace zemlo {

class FrmGraph : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRows = 21;

    // Loading the dialog (Form_Load): no option is selected and nothing is drawn yet.
    FrmGraph(const CardDatabase& db, const Deck& deck, QWidget* parent = nullptr);

    // Draws graph index (0..5) in place; any other index does nothing.
    void opt_Click(int index);

    QGroupBox* fraOpt;
    QRadioButton* opt[6];
    QPushButton* cmdExec;
    QLabel* lblT[kRows];
    QLabel* lblG[kRows];
    QLabel* lblB[kRows];
    QLabel* lblBM[kRows];
    QLabel* lblC[kRows];
    QLabel* lblH;

private:
    void ResetRows();
    void DrawValueGraph(int kind);
    void DrawTerrainGraph(int kind);
    // Places the average line, the options and the button below rows shown rows.
    void FitToRows(int rows);

    const CardDatabase& db_;
    const Deck& deck_;
};

}  // namespace zemlo

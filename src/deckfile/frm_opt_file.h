// frmOptFile: the output-items dialog. One check box per output item of the deck file, in
// three frames; OK stores the choice in the settings file and in the program state, Cancel
// (or Esc) leaves both as they were.
#pragma once

#include <QDialog>

#include "deckfile/deck_file_context.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace zemlo {

class FrmOptFile : public QDialog {
    Q_OBJECT
public:
    // Loading the dialog (Form_Load): the boxes take the state's current flags.
    explicit FrmOptFile(DeckFileContext state, QWidget* parent = nullptr);

    // 0 accepts, 1 cancels; both close the dialog.
    void cmdExec_Click(int index);

    QLabel* Label1;
    QGroupBox* fraUnit;
    QGroupBox* fraMission;
    QGroupBox* fraChar;
    QCheckBox* chkUnit[15];
    QCheckBox* chkMission[7];
    QCheckBox* chkChar[8];
    QPushButton* cmdExec[2];

private:
    void Form_Load();
    void Accept();

    DeckFileContext state_;
};

}  // namespace zemlo

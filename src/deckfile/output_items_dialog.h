// frmOptFile: the output-items dialog. One check box per output item of the deck file, in
// three frames; OK stores the choice in the settings file and in the flags in force, Cancel
// (or Esc) leaves both as they were.
#pragma once

#include <QDialog>

#include "deckfile/output_flags.h"
#include "settings/settings_store.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace zemlo {

class OutputItemsDialog : public QDialog {
    Q_OBJECT
public:
    // Loading the dialog (ShowStoredFlags): the boxes take the flags in force, which OK
    // changes and stores in settings.
    OutputItemsDialog(OutputFlags& flags, SettingsStore& settings, QWidget* parent = nullptr);

    // 0 accepts, 1 cancels; both close the dialog.
    void ButtonClicked(int index);

    QLabel* explanation;
    QGroupBox* unitFrame;
    QGroupBox* missionFrame;
    QGroupBox* characterFrame;
    QCheckBox* unitBoxes[15];
    QCheckBox* missionBoxes[7];
    QCheckBox* characterBoxes[8];
    QPushButton* buttons[2];

private:
    void ShowStoredFlags();
    void Accept();

    OutputFlags& flags_;
    SettingsStore& settings_;
};

}  // namespace zemlo

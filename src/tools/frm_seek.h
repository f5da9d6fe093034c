// frmSeek: the name search window. Modeless and kept on top, it searches the catalog of the
// tab the main window shows, one match per press, down or up from that catalog's selection,
// and selects the match there (which shows the card). It stays open beside the main window;
// closing it, by its button or its frame, clears SeekWindowOpen and discards it.
#pragma once

#include <QWidget>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zemlo {

class CatalogPage;

class FrmSeek : public QWidget {
    Q_OBJECT
public:
    // The catalog of the tab now shown, or nullptr when no catalog tab is shown.
    using ShownCatalog = std::function<CatalogPage*()>;

    // seekWindowOpen is the process-wide SeekWindowOpen; it outlives the window.
    FrmSeek(bool& seekWindowOpen, ShownCatalog shownCatalog, QWidget* parent = nullptr);

    void txtSeek_Change();
    void optSeek_Click(int index);
    void SeekButton_Click();
    void CancelButton_Click();

    QLabel* lblSeek;
    QLineEdit* txtSeek;
    QRadioButton* optSeek[2];
    QPushButton* SeekButton;
    QPushButton* CancelButton;
    // Checked: kana, width and ASCII case are ignored when comparing.
    QCheckBox* chkFold;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool& seekWindowOpen_;
    ShownCatalog shownCatalog_;
};

}  // namespace zemlo

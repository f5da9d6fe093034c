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

class NameSearchWindow : public QWidget {
    Q_OBJECT
public:
    // The catalog of the tab now shown, or nullptr when no catalog tab is shown.
    using ShownCatalog = std::function<CatalogPage*()>;

    explicit NameSearchWindow(ShownCatalog shownCatalog, QWidget* parent = nullptr);

    void SearchTextChanged();
    void DirectionClicked(int index);
    void FindNext();
    void Cancel();

    QLabel* searchLabel;
    QLineEdit* searchBox;
    QRadioButton* directionOptions[2];
    QPushButton* findNextButton;
    QPushButton* cancelButton;
    // Checked: kana, width and ASCII case are ignored when comparing.
    QCheckBox* foldBox;

signals:
    // The player closed the window, by ｷｬﾝｾﾙ or by its frame.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ShownCatalog shownCatalog_;
};

}  // namespace zemlo

// The card information panel: one frame per card kind, all at the same place, each with
// its caption labels and read-only boxes. Showing a card fills its kind's boxes and brings
// that frame to the front.
#pragma once

#include <QWidget>
#include <vector>

#include "carddb/card_database.h"
#include "deck/deck_edit.h"

class QGroupBox;
class QLabel;

namespace zemlo {

class CardInfoPanel : public QWidget {
    Q_OBJECT
public:
    explicit CardInfoPanel(const CardDatabase& db, QWidget* parent = nullptr);

    // Fills the boxes of kind kind from the first card of that kind numbered cardNo, then
    // brings that kind's frame to the front. Without such a card the boxes keep what they
    // showed; the frame still comes to the front.
    void ShowCard(CardKind kind, const QString& cardNo);

    // Places the frames and their rows for the normal view (4710 x 10275 twips) or the
    // compact one (3245 x 8355).
    void LayOut(bool compact);

    void BringToFront(CardKind kind);
    // The kind whose frame is in front.
    CardKind FrontKind() const;
    // A box of a kind's frame (a QLineEdit or a QPlainTextEdit) and the text it shows.
    QWidget* Box(CardKind kind, int index) const;
    QString BoxText(CardKind kind, int index) const;

    // What the panel shows, and showing it again exactly (empty boxes included).
    CardInfoView View() const;
    void RestoreView(const CardInfoView& view);

    QGroupBox* kindFrames[3];

signals:
    // The frame in front changed or was brought to the front again: the card it shows now
    // ("" before its first card).
    void shownCardChanged(zemlo::CardKind kind, const QString& cardNo);

private:
    // One line of a frame: a caption label and one box, or for the weapons a small centred
    // value box followed by the weapon's name.
    struct Row {
        const char* label;
        int height;  // twips, in the normal view
        bool longText;
        bool withValueBox = false;
    };
    // A row's controls as built; the layout places them for either view.
    struct PlacedRow {
        Row row;
        QLabel* label;
        QWidget* value;  // the weapon's power box, or nullptr
        QWidget* box;
    };
    void BuildFrame(CardKind kind, const char* boxName, const char* labelName,
                    const std::vector<Row>& rows);

    const CardDatabase& db_;
    std::vector<QWidget*> boxes_[3];
    std::u16string shown_[3];
    std::vector<PlacedRow> rows_[3];
};

}  // namespace zemlo

// The card information panel: one frame per card kind, all at the same place, each with
// its caption labels and read-only boxes. Showing a card fills its kind's boxes and brings
// that frame to the front. What it shows belongs to the steps of the deck's history: the
// panel keeps its view before and after each step and shows it again when the step is taken
// back or done again.
#pragma once

#include <QWidget>
#include <array>
#include <string>
#include <unordered_map>
#include <vector>

#include "carddb/card_database.h"
#include "carddb/deck_entry.h"

class QGroupBox;
class QLabel;

namespace zemlo {

// What the card information panel shows: the frame in front and, per kind, the card
// number its boxes were last filled from ("" while they are empty).
struct CardInfoView {
    CardKind front = CardKind::Unit;
    std::array<std::u16string, 3> shown;

    friend bool operator==(const CardInfoView&, const CardInfoView&) = default;
};

class CardInfoPanel : public QWidget {
    Q_OBJECT
public:
    explicit CardInfoPanel(const CardDatabase& db, QWidget* parent = nullptr);

    // Fills the boxes of kind kind from the first card of that kind numbered cardNo, then
    // brings that kind's frame to the front. Without such a card the boxes keep what they
    // showed; the frame still comes to the front.
    void ShowCard(CardKind kind, const QString& cardNo);
    // The card of a list's entry, by its whole number.
    void ShowEntry(const DeckEntry& entry);

    // Places the frames and their rows for the normal view (4710 x 10275 twips) or the
    // compact one (3245 x 8355).
    void LayOut(bool compact);

    void BringToFront(CardKind kind);
    // The kind whose frame is in front.
    CardKind FrontKind() const;
    // A box of a kind's frame (a QLineEdit or a QPlainTextEdit) and the text it shows.
    QWidget* Box(CardKind kind, int index) const;
    QString BoxText(CardKind kind, int index) const;

    // The number of the card in the frame in front; "" while its boxes are empty.
    std::u16string ShownCardNo() const;
    // What the panel shows, and showing it again exactly (empty boxes included).
    CardInfoView View() const;
    void RestoreView(const CardInfoView& view);

    // Following the deck's history (DeckHistory's signals): a step is starting, the step it
    // made, a step taken back (done false) or done again, a step the history no longer holds.
    void KeepViewBeforeStep();
    void KeepViewAfterStep(int step);
    void ShowViewOfStep(int step, bool done);
    void ForgetStep(int step);

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

    struct StepViews {
        CardInfoView before;
        CardInfoView after;
    };

    const CardDatabase& db_;
    // By step of the history, while the history holds it.
    std::unordered_map<int, StepViews> stepViews_;
    CardInfoView viewBeforeStep_;
    std::vector<QWidget*> boxes_[3];
    std::u16string shown_[3];
    std::vector<PlacedRow> rows_[3];
};

}  // namespace zemlo

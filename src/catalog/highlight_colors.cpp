#include "catalog/highlight_colors.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPalette>

namespace zemlo {

QColor HighlightYellow() {
    return QColor(255, 255, 0);
}
QColor HighlightWhite() {
    return QColor(255, 255, 255);
}
QColor ButtonFaceColor() {
    return QApplication::palette().color(QPalette::Button);
}

void SetCheckBoxBackground(QCheckBox* box, const QColor& color) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, color);
    box->setPalette(palette);
    // Buttons fill with the button colour by default; a check box shows the window colour.
    box->setBackgroundRole(QPalette::Window);
    box->setAutoFillBackground(true);
}

void SetComboBoxBackground(QComboBox* box, const QColor& color) {
    // A drop-down list draws its face with the button colour; the base colour is the one
    // an editable box would show.
    QPalette palette = box->palette();
    palette.setColor(QPalette::Button, color);
    palette.setColor(QPalette::Base, color);
    box->setPalette(palette);
}

QColor CheckBoxBackground(const QCheckBox* box) {
    return box->palette().color(QPalette::Window);
}
QColor ComboBoxBackground(const QComboBox* box) {
    return box->palette().color(QPalette::Button);
}

void HighlightCheckBox(QCheckBox* box) {
    SetCheckBoxBackground(box, box->isChecked() ? HighlightYellow() : ButtonFaceColor());
}

void HighlightLowerCombo(QComboBox* box) {
    SetComboBoxBackground(box, box->currentIndex() == 0 ? HighlightWhite() : HighlightYellow());
}

void HighlightUpperCombo(QComboBox* box) {
    SetComboBoxBackground(
        box, box->currentIndex() == box->count() - 1 ? HighlightWhite() : HighlightYellow());
}

}  // namespace zemlo

// Background colours of the search-condition controls: yellow marks a condition that
// narrows a catalog while highlight display is on.
#pragma once

#include <QColor>

class QCheckBox;
class QComboBox;

namespace zemlo {

QColor HighlightYellow();
QColor HighlightWhite();
// The platform's button-face colour.
QColor ButtonFaceColor();

void SetCheckBoxBackground(QCheckBox* box, const QColor& color);
void SetComboBoxBackground(QComboBox* box, const QColor& color);
QColor CheckBoxBackground(const QCheckBox* box);
QColor ComboBoxBackground(const QComboBox* box);

// The highlight rule: a checked box is yellow, an unchecked one button face.
void HighlightCheckBox(QCheckBox* box);
// A single box or the lower box of a pair: white at position 0, else yellow.
void HighlightLowerCombo(QComboBox* box);
// The upper box of a pair: white at its last entry, else yellow.
void HighlightUpperCombo(QComboBox* box);

}  // namespace zemlo

// Outside text (card names, file names) in a tool tip. A tool tip renders any text that looks
// like markup (Qt::mightBeRichText) as rich text and offers no plain-text mode of its own.
#pragma once

#include <QString>

namespace zemlo {

// The tool tip that shows text exactly as written: text itself when it cannot be taken for
// markup, else text escaped inside a paragraph that keeps its blanks and line breaks.
QString PlainToolTip(const QString& text);

}  // namespace zemlo

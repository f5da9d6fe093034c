#include "tools/qt_normaliser.h"

#include <QString>

namespace zemlo {

std::u16string NfkcThroughQt(std::u16string_view text) {
    const QString source = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
    return source.normalized(QString::NormalizationForm_KC).toStdU16String();
}

}  // namespace zemlo

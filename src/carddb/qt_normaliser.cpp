#include "carddb/qt_normaliser.h"

#include <QString>

namespace zemlo {

std::u16string NfkcThroughQt(std::u16string_view text) {
    // Taken unit for unit: fromUtf16 would read a leading U+FEFF or U+FFFE as a byte-order
    // mark and swap the bytes of the rest.
    const QString source(reinterpret_cast<const QChar*>(text.data()),
                         static_cast<qsizetype>(text.size()));
    return source.normalized(QString::NormalizationForm_KC).toStdU16String();
}

}  // namespace zemlo

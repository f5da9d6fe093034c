// A card image file of any bytes through the program's decoder: Qt's image readers (PNG,
// JPEG, WebP, BMP, GIF and whatever else they recognise) behind the program's limits. A
// picture comes back fitted inside its box (a box taller than wide, so a photograph's
// orientation mark that turns it is exercised), or a reason comes back instead; never both,
// never a crash, a hang or an allocation beyond the limits. The limits are tighter than the
// program's (a quarter of a million pixels, Qt's allocation limit at 4 MiB) so that a run
// decodes no large picture; the code that checks them is the program's.
#include <QByteArray>
#include <QImageReader>
#include <QSize>
#include <QtGlobal>

#include "fuzz_input.h"
#include "images/image_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The readers' warnings about every broken input would only fill the log.
    // Limits far below the program's keep every run short; the same checks guard them.
    static const bool prepared = [] {
        QImageReader::setAllocationLimit(4);
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        return true;
    }();
    (void)prepared;
    const QSize box(48, 64);
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const zemlo::DecodedImage decoded =
        zemlo::DecodeImage(bytes, box, false, zemlo::DecodeLimits{512 * 512});
    if (decoded.image.isNull()) {
        ZEMLO_FUZZ_CHECK(!decoded.error.isEmpty());
    } else {
        ZEMLO_FUZZ_CHECK(decoded.error.isEmpty());
        ZEMLO_FUZZ_CHECK(decoded.image.width() <= box.width());
        ZEMLO_FUZZ_CHECK(decoded.image.height() <= box.height());
    }
    return 0;
}

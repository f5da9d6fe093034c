#include "carddb/leading_number.h"

#include <cmath>

namespace zemlo {

double LeadingNumber(std::u16string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
    double sign = 1.0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-') sign = -1.0;
        ++i;
    }
    double value = 0.0;
    double scale = 0.0;  // 0 while before the decimal point
    bool point = false;
    for (; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c >= u'0' && c <= u'9') {
            if (point) {
                scale /= 10.0;
                value += (c - u'0') * scale;
            } else {
                value = value * 10.0 + (c - u'0');
            }
        } else if (c == u'.' && !point) {
            point = true;
            scale = 1.0;
        } else {
            break;
        }
    }
    return sign * value;
}

int ToInt16Clamped(double value) {
    if (std::isnan(value)) return 0;
    if (value <= -32768.0) return -32768;
    if (value >= 32767.0) return 32767;
    return static_cast<int>(std::nearbyint(value));  // default rounding mode: half to even
}

}  // namespace zemlo

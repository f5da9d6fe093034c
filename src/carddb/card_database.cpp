#include "carddb/card_database.h"

namespace zemlo {

bool KindOfCardNo(std::u16string_view cardNo, CardKind& kind) {
    std::u16string_view head = cardNo.substr(0, 2);
    if (head == u"ZM") {
        kind = CardKind::Unit;
    } else if (head == u"MI") {
        kind = CardKind::Mission;
    } else if (head == u"CH") {
        kind = CardKind::Character;
    } else {
        return false;
    }
    return true;
}

}  // namespace zemlo

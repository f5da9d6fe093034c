#include "deckfile/deck_lists.h"

#include <string>

#include "deck/entry_merge.h"

namespace zemlo {
namespace {

std::u16string Number(std::size_t n) {
    const std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end());
}

}  // namespace

std::u16string LeftOutText(const LeftOutCounts& leftOut) {
    const std::size_t total = leftOut[0] + leftOut[1] + leftOut[2];
    if (total == 0) return {};
    return u"1つのﾃﾞｯｷﾘｽﾄに入るのは" + Number(kMaxListEntries) + u"枚までです。入らなかった" +
           Number(total) + u"枚（ユニット " + Number(leftOut[0]) + u"、ミッション " +
           Number(leftOut[1]) + u"、キャラクター " + Number(leftOut[2]) + u"）は入れていません。";
}

}  // namespace zemlo

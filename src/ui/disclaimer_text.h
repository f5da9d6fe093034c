// The disclaimer shown on the first start and in the version dialog.
#pragma once

#include <string_view>

namespace zemlo {

inline constexpr std::u16string_view kDisclaimerText =
    u"このｱﾌﾟﾘｹｰｼｮﾝは個人で楽しむためのものです。商用には決して用いないで下さい。"
    u"またこれの使用によるﾊｰﾄﾞ・ｿﾌﾄ等の障害及び著作権等の侵害による問題が発生した場合、"
    u"これの開発に携わった全ての関係者は一切責任を負わないものとします。"
    u"自己によって解決・責任を負って下さい。";

}  // namespace zemlo

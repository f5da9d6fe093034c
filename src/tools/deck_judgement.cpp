#include "tools/deck_judgement.h"

#include "carddb/text_width.h"

namespace zemlo {
namespace {

std::u16string_view RuleName(DeckRule rule) {
    switch (rule) {
        case DeckRule::Units:
            return u"ﾕﾆｯﾄ";
        case DeckRule::MissionsAndCharacters:
            return u"ﾐｯｼｮﾝ+ｷｬﾗｸﾀｰ";
        case DeckRule::Points:
            break;
    }
    return u"戦果";
}

}  // namespace

std::u16string JudgementText(const std::vector<BrokenRule>& broken) {
    if (broken.empty()) return u"OK";
    std::u16string text;
    for (const BrokenRule& rule : broken) {
        if (!text.empty()) text += u"、";
        text += RuleName(rule.rule);
        text += u' ';
        text += DecimalText(rule.count);
    }
    return text;
}

std::u16string JudgementSortKey(const std::vector<BrokenRule>& broken) {
    std::u16string key;
    for (const BrokenRule& rule : broken) {
        key += static_cast<char16_t>(u'A' + static_cast<int>(rule.rule));
        // The count with its sign bit turned over, as 16 hexadecimal digits: unsigned text
        // order is then signed number order.
        const auto bits =
            static_cast<unsigned long long>(static_cast<long long>(rule.count)) ^ (1ULL << 63);
        for (int shift = 60; shift >= 0; shift -= 4) {
            key += u"0123456789abcdef"[(bits >> shift) & 0xF];
        }
    }
    return key;
}

}  // namespace zemlo

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

}  // namespace zemlo

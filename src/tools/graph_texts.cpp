#include "tools/graph_texts.h"

#include <cstdio>

#include "carddb/text_width.h"

namespace zemlo {
namespace {

std::u16string Ascii(std::string_view text) {
    return std::u16string(text.begin(), text.end());
}

}  // namespace

std::u16string NameListTip(std::u16string_view names) {
    if (names.size() < 2) return {};
    return std::u16string(names.substr(0, names.size() - 2));
}

std::vector<int> ShownValues(const ValueTally& tally) {
    std::vector<int> values;
    for (int i = 0; i < kShownBuckets; ++i) {
        if (tally.buckets[i].count != 0) values.push_back(i);
    }
    return values;
}

std::u16string ValueRowCaption(GraphKind kind, int value) {
    switch (kind) {
        case GraphKind::RollOut:
            return DecimalText(value) + u"ターン";
        case GraphKind::Hp:
            return u"ＨＰ：" + DecimalText(value);
        case GraphKind::NearPower:
            return u"近：" + DecimalText(value);
        default:
            return u"遠：" + DecimalText(value);
    }
}

std::u16string ValueRowTip(const ValueBucket& bucket) {
    if (bucket.beamCount == 0) return NameListTip(bucket.names);
    if (bucket.count == bucket.beamCount) return NameListTip(bucket.beamNames);
    return NameListTip(bucket.names) + u"：[Ｂ]→" + NameListTip(bucket.beamNames);
}

std::u16string ValueCountCaption(GraphKind kind, const ValueBucket& bucket) {
    const int plain = bucket.count - bucket.beamCount;
    if (kind != GraphKind::FarPower || bucket.beamCount == 0 || plain == 0) {
        return DecimalText(bucket.count);
    }
    return DecimalText(bucket.count) + u"(" + DecimalText(plain) + u"：" +
           DecimalText(bucket.beamCount) + u")";
}

std::u16string AverageText(const ValueTally& tally) {
    long long weightedSum = 0;
    long long total = 0;
    for (int value : ShownValues(tally)) {
        weightedSum += static_cast<long long>(value) * tally.buckets[value].count;
        total += tally.buckets[value].count;
    }
    if (total == 0) return {};
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", static_cast<double>(weightedSum) / total);
    const std::u16string cut = Ascii(text).substr(0, 5);
    return Widen(TrimBlanks(cut));
}

std::u16string AverageCaption(GraphKind kind, const ValueTally& tally) {
    const std::u16string average = AverageText(tally);
    if (average.empty()) return u"ユニットが選択されてません。";
    switch (kind) {
        case GraphKind::RollOut:
            return u"平均ロールアウト：" + average + u"ターン";
        case GraphKind::Hp:
            return u"平均ＨＰ：" + average;
        case GraphKind::NearPower:
            return u"平均近距離武器：" + average;
        default:
            return u"平均遠距離武器：" + average;
    }
}

std::u16string GraphCaption(GraphKind kind) {
    if (kind == GraphKind::MissionTerrain) return u"ﾏｳｽｶｰｿﾙをｸﾞﾗﾌに移動するとﾐｯｼｮﾝ名を表示します";
    return u"ﾏｳｽｶｰｿﾙをｸﾞﾗﾌに移動するとﾕﾆｯﾄ名を表示します";
}

}  // namespace zemlo

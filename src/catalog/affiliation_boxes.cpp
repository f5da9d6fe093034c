#include "catalog/affiliation_boxes.h"

namespace zemlo {

const std::array<AffiliationBoxText, kAffiliationBoxCount>& AffiliationBoxTexts() {
    static const std::array<AffiliationBoxText, kAffiliationBoxCount> boxes = {{
        {u"連邦", u"地球連邦", u"地球連邦"},
        {u"ｴｩｰｺﾞ", u"エゥーゴ", u"エゥーゴ"},
        {u"ﾃｨﾀｰﾝｽﾞ", u"ティターンズ", u"ティターンズ"},
        {u"ｼﾞｵﾝ", u"ジオン公国", u"ジオン公国"},
        {u"ﾃﾞﾗｰｽﾞ", u"デラーズフリート", u"デラーズフリート"},
        {u"ﾈｵｼﾞｵﾝ", u"ネオ・ジオン", u"ネオ・ジオン"},
        {u"ｺﾛﾆｰ", u"コロニー国家連合", u"コロニー国家連合"},
        {u"W連合", u"Ｗ連合勢力", u"Ｗ連合勢力"},
        {u"NEF", u"ＮＥＦ", u"ＮＥＦ"},
        {u"ﾑｰﾝﾚｨｽ", u"ムーンレィス", u"ムーンレィス"},
        {u"ﾘｶﾞﾐﾘﾃｨｱ", u"リガ・ミリティア", u"リガ・ミリティア"},
        {u"ｻﾞﾝｽｶｰﾙ", u"ザンスカール帝国", u"ザンスカール帝国"},
        {u"ｸﾛｽﾎﾞｰﾝ", u"クロスボーン・バンガード", u"クロスボーン・バンガード"},
        {u"DG", u"ＤＧ軍団", u"ＤＧ軍団"},
        {u"OZ", u"ＯＺ", u"ＯＺ"},
        {u"その他", u"\uFF08", u"無所属、その他"},
    }};
    return boxes;
}

}  // namespace zemlo

#include "cardinfo/card_clip_text.h"

namespace zemlo {
namespace {

constexpr char16_t kIdeographicSpace[] = u"\u3000";

bool IsNone(const std::u16string& field) {
    return field == kEmptyMark;
}

class LineWriter {
public:
    explicit LineWriter(const CardTable& table, int record) : table_(table), record_(record) {}

    std::u16string F(int field) const { return std::u16string(table_.Cell(field, record_)); }

    void Line(std::u16string line) {
        text_ += line;
        text_ += u"\r\n";
    }
    // A line that the data can mark as "none": left out entirely then.
    void OptionalLine(std::u16string_view label, int field) {
        if (!IsNone(F(field))) Line(std::u16string(label) + F(field));
    }

    std::u16string Take() { return std::move(text_); }

private:
    const CardTable& table_;
    int record_;
    std::u16string text_;
};

std::u16string UnitText(const CardTable& table, int record) {
    namespace f = unit_field;
    LineWriter w(table, record);
    w.Line(w.F(f::CardNo));
    w.Line(w.F(f::ModelNo) + u" 「" + w.F(f::UnitName) + u"」");
    w.Line(w.F(f::Team) + u" " + w.F(f::Terrain) + u" " + w.F(f::RollOut) + u"ターン HP=" +
           w.F(f::Hp));
    std::u16string dev = u"開発系統：" + w.F(f::DevLine1);
    for (int field : {f::DevLine2, f::DevLine3}) {
        if (!IsNone(w.F(field))) dev += u"、" + w.F(field);
    }
    w.Line(dev);
    std::u16string line = u"ユニット系統：" + w.F(f::UnitLine1);
    if (!IsNone(w.F(f::UnitLine2))) line += u"、" + w.F(f::UnitLine2);
    w.Line(line);
    // Both design conditions always get their line, the second one even when it is "none".
    w.Line(u"設計条件：" + w.F(f::DesignCond1));
    w.Line(u"設計条件：" + w.F(f::DesignCond2));
    w.Line(u"近距離：" + w.F(f::NearWeapon) + u"：" + w.F(f::NearPower));
    w.Line(u"遠距離：" + w.F(f::FarWeapon) + u"：" + w.F(f::FarPower));
    w.Line(u"特殊能力：" + w.F(f::SpAbility1));
    w.OptionalLine(u"特殊能力：", f::SpAbility2);
    w.Line(u"特殊機能：" + w.F(f::SpFunction1));
    w.OptionalLine(u"特殊機能：", f::SpFunction2);
    w.OptionalLine(u"補足：", f::Note1);
    w.OptionalLine(u"補足：", f::Note2);
    w.OptionalLine(u"テキスト：", f::CardText);
    w.OptionalLine(u"黒歴史コード：", f::CardCode);
    return w.Take();
}

std::u16string MissionText(const CardTable& table, int record) {
    namespace f = mission_field;
    LineWriter w(table, record);
    w.Line(w.F(f::CardNo));
    w.Line(u"「" + w.F(f::MissionName) + u"」");
    w.Line(u"戦果=" + w.F(f::PointsGained) + kIdeographicSpace + u"必要ユニット数=" +
           w.F(f::UnitsNeeded) + kIdeographicSpace + w.F(f::Terrain));
    w.Line(u"勝利条件：" + w.F(f::VictoryCond));
    w.Line(u"効果：" + w.F(f::Effect));
    w.Line(u"テキスト：" + w.F(f::CardText));
    return w.Take();
}

std::u16string CharacterText(const CardTable& table, int record) {
    namespace f = char_field;
    LineWriter w(table, record);
    w.Line(w.F(f::CardNo));
    w.Line(u"「" + w.F(f::CharName) + u"」");
    w.Line(w.F(f::Team) + kIdeographicSpace + u"戦果=" + w.F(f::PointsLost));
    w.Line(u"使用タイミング：" + w.F(f::Timing));
    w.Line(u"使用条件：" + w.F(f::UseCond));
    w.Line(u"効果：" + w.F(f::Effect));
    w.Line(u"テキスト：" + w.F(f::CardText));
    w.Line(u"黒歴史コード：" + w.F(f::CardCode));
    return w.Take();
}

}  // namespace

std::u16string CardClipText(const CardDatabase& db, std::u16string_view cardNo) {
    CardKind kind;
    if (!KindOfCardNo(cardNo, kind)) return {};
    const CardTable& table = db.Table(kind);
    const int record = table.FindCardNo(cardNo);
    if (record < 0) return {};
    switch (kind) {
        case CardKind::Unit:
            return UnitText(table, record);
        case CardKind::Mission:
            return MissionText(table, record);
        case CardKind::Character:
            return CharacterText(table, record);
    }
    return {};
}

}  // namespace zemlo

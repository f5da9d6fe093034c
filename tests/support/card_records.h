// Data file records of each kind with natural labels, as UTF-8 to be written in CP932, and
// the tables they load into compared.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "carddb/card_database.h"

namespace zemlo::test {

// A unit record with natural labels; hp replaces the ＨＰ line's value.
inline std::string UnitRecord(const std::string& tag, const std::string& name,
                              const std::string& hp = "5") {
    return tag + "\n形式番号：RX-1\n名称：" + name +
           "\n所属：ＯＺ\nロールアウト：3\n地形適正：宇陸\n開発系統１：甲系\n開発系統２：－\n"
           "開発系統３：－\nユニット系統１：乙型\nユニット系統２：－\n設計条件１：丙計画\n"
           "設計条件２：－\n近距離武器：刃\n近距離：2\n遠距離武器：砲[Ｂ]\n遠距離：4\nＨＰ：" +
           hp +
           "\n特殊能力１：跳躍：移動＋１\n特殊能力２：－\n特殊機能１：－\n特殊機能２：－\n"
           "補足１：－\n補足２：－\nテキスト：－\nコード：AB-123\n";
}

inline std::string MissionRecord(const std::string& tag, const std::string& name) {
    return tag + "\n名称：" + name +
           "\n獲得戦果：3\n必要ユニット数：２\n地形適正：空\n勝利条件：生存\n効果：なし\n"
           "テキスト：－\n";
}

inline std::string CharRecord(const std::string& tag, const std::string& name) {
    return tag + "\n名称：" + name +
           "\n所属：（無所属）\n損失戦果：1\n使用タイミング：常時：自軍\n使用条件：なし\n"
           "効果：なし\nテキスト：－\nコード：CD-9\n";
}

// Every table of a holds what the same table of b holds, cell by cell.
inline void ExpectSameTables(const CardDatabase& a, const CardDatabase& b) {
    for (CardKind kind : {CardKind::Unit, CardKind::Mission, CardKind::Character}) {
        const CardTable& x = a.Table(kind);
        const CardTable& y = b.Table(kind);
        ASSERT_EQ(x.Count(), y.Count()) << static_cast<int>(kind);
        for (int r = 0; r < x.Count(); ++r) {
            for (int f = 0; f < x.FieldCount(); ++f) ASSERT_EQ(x.Cell(f, r), y.Cell(f, r));
        }
    }
}

}  // namespace zemlo::test

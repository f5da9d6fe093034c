#include "catalog/catalog_order.h"

#include <gtest/gtest.h>

#include "carddb/card_fields.h"
#include "catalog/catalog_entry.h"
#include "support/card_builder.h"

namespace zemlo {
namespace {

using test::AddCard;
using test::U;

TEST(CatalogOrder, EntryGapDependsOnCardNumberLength) {
    CardDatabase db;
    AddCard(db.units, "ZM001", {{unit_field::UnitName, "ガルド"}});
    AddCard(db.units, "ZM0002", {{unit_field::UnitName, "セリオ"}});
    AddCard(db.units, "ZM00003", {{unit_field::UnitName, "ヴァント"}});
    AddCard(db.units, "ZMX00004", {{unit_field::UnitName, "ラムザ"}});
    const CatalogOrder order(db, CardKind::Unit);
    EXPECT_EQ(order.Entry(0), U("ZM001   ガルド"));
    EXPECT_EQ(order.Entry(1), U("ZM0002   セリオ"));
    EXPECT_EQ(order.Entry(2), U("ZM00003 ヴァント"));
    EXPECT_EQ(order.Entry(3), U("ZMX00004 ラムザ"));
    for (int r = 0; r < 4; ++r) EXPECT_EQ(EntryCardNo(order.Entry(r)), db.units.Cell(1, r));
}

TEST(CatalogOrder, MissionEntryEndsWithFiftyBlanksAndPoints) {
    CardDatabase db;
    AddCard(db.missions, "MI001",
            {{mission_field::MissionName, "ネス作戦"}, {mission_field::PointsGained, "3"}});
    const CatalogOrder order(db, CardKind::Mission);
    EXPECT_EQ(order.Entry(0), U("MI001   ネス作戦") + std::u16string(50, u' ') + u"3");
}

TEST(CatalogOrder, SortsCaseInsensitivelyAndPicksPassingRecordsInThatOrder) {
    CardDatabase db;
    AddCard(db.characters, "CH0003", {{char_field::CharName, "c"}});
    AddCard(db.characters, "ch0001", {{char_field::CharName, "a"}});
    AddCard(db.characters, "CH0002", {{char_field::CharName, "b"}});
    AddCard(db.characters, "CH0001", {{char_field::CharName, "a"}});
    const CatalogOrder order(db, CardKind::Character);
    // Texts equal but for letter case keep their table order.
    EXPECT_EQ(order.Sorted(), (std::vector<int>{1, 3, 2, 0}));
    EXPECT_EQ(order.InCatalogOrder({0, 3, 2}), (std::vector<int>{3, 2, 0}));
    EXPECT_TRUE(order.InCatalogOrder({}).empty());
}

}  // namespace
}  // namespace zemlo

#include "catalog/catalog_order.h"

#include <gtest/gtest.h>

#include "carddb/card_fields.h"
#include "support/card_builder.h"

namespace zemlo {
namespace {

using test::AddCard;

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

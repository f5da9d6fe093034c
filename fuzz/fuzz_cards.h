// The small card database the deck reader's fuzz targets read against: card numbers of
// several lengths, one with markup characters, one with a kana.
#pragma once

#include "carddb/card_database.h"

namespace zemlo::fuzz {

inline const CardDatabase& SmallCards() {
    static const CardDatabase db = [] {
        CardDatabase cards;
        const char16_t* numbers[3][3] = {{u"ZM0001", u"ZM000102", u"Z"},
                                         {u"MI0001", u"MI000102", u"M<&>"},
                                         {u"CH0001", u"CH000102", u"C\u30ab"}};
        for (int kind = 0; kind < 3; ++kind) {
            CardTable& table = cards.Table(static_cast<CardKind>(kind));
            for (const char16_t* number : numbers[kind]) {
                const int record = table.AppendRecord();
                table.MutableCell(1, record) = number;
                table.MutableCell(2, record) = u"名前";
                table.MutableCell(3, record) = u"3";
            }
        }
        return cards;
    }();
    return db;
}

}  // namespace zemlo::fuzz

// Builds small card tables in tests, field by field, with UTF-8 literals.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "carddb/card_database.h"

namespace zemlo::test {

// u"..." from a UTF-8 literal.
std::u16string U(std::string_view utf8);
std::string U8(std::u16string_view text);

// Appends one record: card number plus (field, value) pairs; other fields stay empty.
int AddCard(CardTable& table, std::string_view cardNo,
            std::initializer_list<std::pair<int, std::string_view>> fields = {});

}  // namespace zemlo::test

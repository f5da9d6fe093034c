#include "support/card_builder.h"

#include "platform/code_page.h"

namespace zemlo::test {

std::u16string U(std::string_view utf8) {
    return FromUtf8(utf8);
}
std::string U8(std::u16string_view text) {
    return ToUtf8(text);
}

int AddCard(CardTable& table, std::string_view cardNo,
            std::initializer_list<std::pair<int, std::string_view>> fields) {
    int record = table.AppendRecord();
    table.MutableCell(1, record) = U(cardNo);
    for (const auto& [field, value] : fields) table.MutableCell(field, record) = U(value);
    return record;
}

}  // namespace zemlo::test

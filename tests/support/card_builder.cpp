#include "support/card_builder.h"

#include "platform/code_page.h"

namespace zemlo {

void PrintTo(const DeckEntry& entry, std::ostream* out) {
    *out << "kind " << static_cast<int>(entry.Kind()) << " \"" << ToUtf8(entry.Text()) << '"';
}

}  // namespace zemlo

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

DeckEntry Entry(CardKind kind, std::string_view cardNo, std::string_view name,
                std::string_view points) {
    return DeckEntry(kind, U(cardNo), U(name), U(points));
}

std::vector<std::u16string> TextsOf(const std::vector<DeckEntry>& entries) {
    std::vector<std::u16string> texts;
    for (const DeckEntry& entry : entries) texts.emplace_back(entry.Text());
    return texts;
}

}  // namespace zemlo::test

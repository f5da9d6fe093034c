#include "deck_test_cards.h"

#include <string>

#include "deckfile/deck_file_format.h"
#include "deckfile/deck_file_reader.h"
#include "platform/text_lines.h"
#include "support/card_builder.h"

namespace zemlo::test {
namespace {

const char* const kUnitNumbers[] = {"ZM001", "ZM0002", "ZM00003", "ZM000004"};
const char* const kMissionNumbers[] = {"MI001", "MI0002", "MI00003", "MI000004"};
const char* const kCharNumbers[] = {"CH001", "CH0002", "CH00003", "CH000004"};

void FillRecord(CardTable& table, const char* cardNo, int record, const char* prefix) {
    AddCard(table, cardNo);
    for (int f = 2; f < table.FieldCount(); ++f) {
        table.MutableCell(f, record) =
            U(std::string(prefix) + std::to_string(record) + "f" + std::to_string(f));
    }
}

std::u16string_view SectionOf(std::u16string_view text, CardKind kind) {
    const size_t start = text.find(deck_file::Heading(kind));
    if (start == std::u16string_view::npos) return {};
    text = text.substr(start);
    const size_t end = text.find(u"</TABLE>");
    return end == std::u16string_view::npos ? text : text.substr(0, end);
}

std::vector<std::vector<std::u16string>> AllRows(std::u16string_view fileText, CardKind kind) {
    std::vector<std::vector<std::u16string>> rows;
    bool inRow = false;
    for (const std::u16string& line : SplitLines(SectionOf(fileText, kind))) {
        if (line == u"<TR>") {
            rows.emplace_back();
            inRow = true;
        } else if (line == u"</TR>") {
            inRow = false;
        } else if (inRow && line.starts_with(u"<TD noWrap>") && line.ends_with(u"</TD>")) {
            rows.back().push_back(line.substr(11, line.size() - 16));
        }
    }
    return rows;
}

}  // namespace

CardDatabase NumberLengthCards() {
    CardDatabase db;
    for (int r = 0; r < 4; ++r) {
        FillRecord(db.units, kUnitNumbers[r], r, "u");
        db.units.MutableCell(unit_field::UnitName, r) = U("機体") + U(std::to_string(r));
        FillRecord(db.missions, kMissionNumbers[r], r, "m");
        db.missions.MutableCell(mission_field::MissionName, r) = U("作戦") + U(std::to_string(r));
        db.missions.MutableCell(mission_field::PointsGained, r) = U(std::to_string(r + 1));
        FillRecord(db.characters, kCharNumbers[r], r, "c");
        db.characters.MutableCell(char_field::CharName, r) = U("隊員") + U(std::to_string(r));
    }
    return db;
}

std::vector<DeckEntry> EntriesOf(const CardDatabase& db, CardKind kind,
                                 const std::vector<int>& records) {
    std::vector<DeckEntry> entries;
    for (int r : records) entries.push_back(DeckEntry::OfRecord(db, kind, r));
    return entries;
}

std::vector<DeckEntry> DeckOrderOf(const CardDatabase& db, CardKind kind,
                                   const std::vector<int>& records) {
    Deck deck;
    deck.Fill(EntriesOf(db, kind, records));
    return deck.Entries(kind);
}

Deck DeckOf(std::vector<DeckEntry> units, std::vector<DeckEntry> missions,
            std::vector<DeckEntry> characters) {
    Deck deck;
    units.insert(units.end(), missions.begin(), missions.end());
    units.insert(units.end(), characters.begin(), characters.end());
    deck.Fill(std::move(units));
    return deck;
}

OutputFlags FlagsFrom(std::u16string_view unit, std::u16string_view mission,
                      std::u16string_view character) {
    OutputFlags flags;
    auto fill = [](auto& array, std::u16string_view value) {
        for (size_t i = 0; i < array.size(); ++i) {
            array[i] = i < value.size() ? std::u16string(value.substr(i, 1)) : u"";
        }
    };
    fill(flags.unit, unit);
    fill(flags.mission, mission);
    fill(flags.character, character);
    return flags;
}

std::vector<std::vector<std::u16string>> SectionRows(std::u16string_view fileText, CardKind kind) {
    auto rows = AllRows(fileText, kind);
    if (!rows.empty()) rows.erase(rows.begin());
    return rows;
}

std::vector<std::u16string> SectionTitles(std::u16string_view fileText, CardKind kind) {
    std::vector<std::u16string> titles;
    auto rows = AllRows(fileText, kind);
    if (rows.empty()) return titles;
    for (const std::u16string& cell : rows.front()) {
        std::u16string title = cell;
        const std::u16string open = u"<STRONG><EM>", close = u"</EM></STRONG>";
        if (title.starts_with(open) && title.ends_with(close)) {
            title = title.substr(open.size(), title.size() - open.size() - close.size());
        }
        titles.push_back(title);
    }
    return titles;
}

}  // namespace zemlo::test

#include "deckfile/deck_text_matcher.h"

#include <algorithm>

namespace zemlo {

const DeckTextMatcher::NameIndex& DeckTextMatcher::Names() const {
    if (names_) return *names_;
    NameIndex index;
    for (CardKind kind : kDeckKinds) {
        auto& names = index.nameParts[static_cast<size_t>(kind)];
        const int count = db_.Table(kind).Count();
        names.reserve(static_cast<size_t>(count));
        for (int record = 0; record < count; ++record) {
            NameKey& key = names[FoldBlanks(DeckEntry::OfRecord(db_, kind, record).NamePart())];
            if (key.cards++ == 0) key.record = record;
        }
    }
    const CardTable& missions = db_.Table(CardKind::Mission);
    index.missionNames.reserve(static_cast<size_t>(missions.Count()));
    for (int record = 0; record < missions.Count(); ++record) {
        NameKey& key =
            index.missionNames[FoldBlanks(missions.Cell(mission_field::MissionName, record))];
        if (key.cards++ == 0) key.record = record;
    }
    names_ = std::move(index);
    return *names_;
}

bool DeckTextMatcher::FindByNumber(const DeckTextLine& line, CardKind& kind, int& record) const {
    const std::u16string_view text = line.whole;
    const std::u16string_view number = text.substr(0, text.find(u' '));
    if (number.empty()) return false;
    const CardKind order[3] = {line.kind,
                               static_cast<CardKind>((static_cast<int>(line.kind) + 1) % 3),
                               static_cast<CardKind>((static_cast<int>(line.kind) + 2) % 3)};
    for (CardKind candidate : order) {
        record = db_.Table(candidate).FindCardNo(number);
        if (record >= 0) {
            kind = candidate;
            return true;
        }
    }
    return false;
}

const DeckTextMatcher::NameKey* DeckTextMatcher::FindByName(CardKind kind,
                                                            const std::u16string& name) const {
    const NameIndex& index = Names();
    const NameMap& names = index.nameParts[static_cast<size_t>(kind)];
    if (const auto found = names.find(name); found != names.end()) return &found->second;
    // The points, when written, are part of the name part and narrow the match above.
    if (kind != CardKind::Mission) return nullptr;
    const auto found = index.missionNames.find(name);
    return found == index.missionNames.end() ? nullptr : &found->second;
}

DeckTextImport DeckTextMatcher::Match(const std::vector<DeckTextLine>& lines) const {
    DeckTextImport result;
    std::array<std::size_t, 3> taken{};
    std::vector<DeckEntry> entries;
    for (const DeckTextLine& line : lines) {
        CardKind kind = line.kind;
        int record = -1;
        const NameKey* byName = nullptr;
        // How the line is read: the name before a count at its end, by default.
        const std::u16string* name = &line.name;
        long long copies = line.copies;
        bool tooManyCopies = line.tooManyCopies;
        if (!FindByNumber(line, kind, record) && line.place != DeckTextPlace::BeforeBlocks) {
            byName = FindByName(kind, line.name);
            // A card whose own name ends like a count ("… x2") is named by the whole line.
            if (byName == nullptr && line.countWritten) {
                byName = FindByName(kind, line.whole);
                if (byName != nullptr) {
                    name = &line.whole;
                    copies = 1;
                    tooManyCopies = false;
                }
            }
            // The whole line has been tried as a name, so a card named "3号機" stays itself.
            if (byName == nullptr && line.countFirst) {
                byName = FindByName(kind, line.countFirst->name);
                if (byName != nullptr) {
                    name = &line.countFirst->name;
                    copies = line.countFirst->copies;
                    tooManyCopies = line.countFirst->tooManyCopies;
                }
            }
            if (byName != nullptr) record = byName->record;
        }
        if (record < 0 || tooManyCopies) {
            if (line.place == DeckTextPlace::InBlock) result.unmatchedLines.push_back(line.text);
            continue;
        }
        ++result.matchedLines;
        if (byName != nullptr && byName->cards > 1) {
            auto& ambiguous = result.ambiguousNames;
            if (std::find(ambiguous.begin(), ambiguous.end(), *name) == ambiguous.end()) {
                ambiguous.push_back(*name);
            }
        }
        const auto wanted = static_cast<size_t>(copies);
        const auto k = static_cast<size_t>(kind);
        const size_t take = std::min(wanted, kMaxListEntries - taken[k]);
        entries.insert(entries.end(), take, DeckEntry::OfRecord(db_, kind, record));
        taken[k] += take;
        result.leftOut[k] += wanted - take;
    }
    result.deck.Fill(std::move(entries));
    return result;
}

}  // namespace zemlo

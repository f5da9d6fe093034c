#include "deck/deck.h"

#include <algorithm>
#include <iterator>

#include "deck/entry_merge.h"

namespace zemlo {

Deck::Deck(const Deck& other)
    : lists_(other.lists_), points_(other.points_), revision_(other.revision_) {}

Deck::Deck(Deck&& other) noexcept
    : lists_(std::move(other.lists_)), points_(other.points_), revision_(other.revision_) {
    // The moved-from deck is empty, as its lists are.
    for (auto& list : other.lists_) list.clear();
    other.points_ = 0;
}

Deck& Deck::operator=(const Deck& other) {
    if (this != &other) ReplaceAll(other);
    return *this;
}

Deck& Deck::operator=(Deck&& other) {
    if (this != &other) ReplaceAll(std::move(other));
    return *this;
}

bool Deck::Empty() const {
    return std::all_of(lists_.begin(), lists_.end(), [](const auto& list) { return list.empty(); });
}

bool Deck::Full(CardKind kind) const {
    return Size(kind) >= kMaxListEntries;
}

std::size_t Deck::InsertPosition(const DeckEntry& entry) const {
    return SortedInsertPosition(Entries(entry.Kind()), entry);
}

Deck::ChangeScope::ChangeScope(Deck& deck) : deck_(deck) {
    ++deck_.changeDepth_;
}

Deck::ChangeScope::~ChangeScope() {
    if (--deck_.changeDepth_ > 0 || !deck_.changed_) return;
    deck_.changed_ = false;
    ++deck_.revision_;
    const std::vector<DeckObserver*> observers = deck_.observers_;
    for (auto it = observers.rbegin(); it != observers.rend(); ++it) (*it)->DeckChanged();
}

void Deck::AddObserver(DeckObserver* observer) const {
    observers_.push_back(observer);
}

void Deck::RemoveObserver(DeckObserver* observer) const {
    std::erase(observers_, observer);
}

void Deck::PointsOf(CardKind kind, std::size_t first, std::size_t last, int sign) {
    if (kind != CardKind::Mission) return;
    const auto& list = Entries(kind);
    for (std::size_t row = first; row < last; ++row) points_ += sign * list[row].Points();
}

template <typename It>
void Deck::ReplaceRun(CardKind kind, std::size_t at, std::size_t removeCount, It first, It last) {
    auto& list = lists_[static_cast<std::size_t>(kind)];
    // Observers may come and go while they are told; each notice goes to those watching when
    // it began.
    const std::vector<DeckObserver*> observers = observers_;
    auto tell = [&observers](const DeckRows& rows, bool done) {
        if (!done) {
            for (DeckObserver* observer : observers) observer->DeckRowsAboutToChange(rows);
        } else {
            for (auto it = observers.rbegin(); it != observers.rend(); ++it) {
                (*it)->DeckRowsChanged(rows);
            }
        }
    };
    const auto start = [&list, at] { return list.begin() + static_cast<std::ptrdiff_t>(at); };
    if (removeCount > 0) {
        const DeckRows rows{kind, at, removeCount, false};
        tell(rows, false);
        PointsOf(kind, at, at + removeCount, -1);
        list.erase(start(), start() + static_cast<std::ptrdiff_t>(removeCount));
        changed_ = true;
        tell(rows, true);
    }
    const auto count = static_cast<std::size_t>(std::distance(first, last));
    if (count > 0) {
        const DeckRows rows{kind, at, count, true};
        tell(rows, false);
        list.insert(start(), first, last);
        PointsOf(kind, at, at + count, 1);
        changed_ = true;
        tell(rows, true);
    }
}

void Deck::Replace(CardKind kind, std::vector<DeckEntry> after) {
    const auto& before = Entries(kind);
    const ChangedRun run = FindChangedRun(before, after);
    ReplaceRun(kind, run.head, before.size() - run.head - run.tail,
               std::make_move_iterator(after.begin() + static_cast<std::ptrdiff_t>(run.head)),
               std::make_move_iterator(after.end() - static_cast<std::ptrdiff_t>(run.tail)));
}

std::optional<std::size_t> Deck::Add(DeckEntry entry) {
    const CardKind kind = entry.Kind();
    if (Full(kind)) return std::nullopt;
    ChangeScope scope(*this);
    const std::size_t row = InsertPosition(entry);
    ReplaceRun(kind, row, 0, std::make_move_iterator(&entry), std::make_move_iterator(&entry + 1));
    return row;
}

bool Deck::RemoveAt(CardKind kind, std::size_t row) {
    if (row >= Size(kind)) return false;
    ChangeScope scope(*this);
    const DeckEntry* none = nullptr;
    ReplaceRun(kind, row, 1, none, none);
    return true;
}

void Deck::Clear(CardKind kind) {
    ChangeScope scope(*this);
    const DeckEntry* none = nullptr;
    ReplaceRun(kind, 0, Size(kind), none, none);
}

void Deck::ClearAll() {
    ChangeScope scope(*this);
    for (CardKind kind : kDeckKinds) Clear(kind);
}

void Deck::ReplaceAll(Deck other) {
    ChangeScope scope(*this);
    for (CardKind kind : kDeckKinds) {
        Replace(kind, std::move(other.lists_[static_cast<std::size_t>(kind)]));
    }
}

LeftOutCounts Deck::Fill(std::vector<DeckEntry> entries) {
    LeftOutCounts leftOut{};
    if (entries.empty()) return leftOut;
    std::array<std::vector<DeckEntry>, 3> byKind;
    for (DeckEntry& entry : entries) {
        byKind[static_cast<std::size_t>(entry.Kind())].push_back(std::move(entry));
    }
    ChangeScope scope(*this);
    for (CardKind kind : kDeckKinds) {
        const auto k = static_cast<std::size_t>(kind);
        if (byKind[k].empty()) continue;
        std::vector<DeckEntry> merged = Entries(kind);
        leftOut[k] = MergeEntries(merged, std::move(byKind[k]));
        Replace(kind, std::move(merged));
    }
    return leftOut;
}

bool Deck::Fits(CardKind kind, const ListSplice& splice, bool forward) const {
    const auto& list = Entries(kind);
    const auto& out = forward ? splice.removed : splice.inserted;
    const auto& in = forward ? splice.inserted : splice.removed;
    if (splice.at > list.size() || list.size() - splice.at < out.size()) return false;
    const auto start = list.begin() + static_cast<std::ptrdiff_t>(splice.at);
    if (!std::equal(out.begin(), out.end(), start)) return false;
    if (list.size() - out.size() + in.size() > kMaxListEntries) return false;
    // The list stays in order: the run itself, and where it meets its neighbours.
    const auto notAfter = [](const DeckEntry& a, const DeckEntry& b) { return !EntryLess(b, a); };
    for (std::size_t i = 1; i < in.size(); ++i) {
        if (!notAfter(in[i - 1], in[i])) return false;
    }
    const std::size_t next = splice.at + out.size();
    if (in.empty()) {
        return splice.at == 0 || next == list.size() || notAfter(list[splice.at - 1], list[next]);
    }
    return (splice.at == 0 || notAfter(list[splice.at - 1], in.front())) &&
           (next == list.size() || notAfter(in.back(), list[next]));
}

bool Deck::Apply(const std::array<ListSplice, 3>& splices, bool forward) {
    for (CardKind kind : kDeckKinds) {
        if (!Fits(kind, splices[static_cast<std::size_t>(kind)], forward)) return false;
    }
    ChangeScope scope(*this);
    for (CardKind kind : kDeckKinds) {
        const ListSplice& splice = splices[static_cast<std::size_t>(kind)];
        const auto& out = forward ? splice.removed : splice.inserted;
        const auto& in = forward ? splice.inserted : splice.removed;
        ReplaceRun(kind, splice.at, out.size(), in.begin(), in.end());
    }
    return true;
}

}  // namespace zemlo

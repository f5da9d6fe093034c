// The deck being built: the unit list, the mission list and the character list, each kept in
// the order the deck lists show (ascending entry text, copies of a card side by side in the
// order they came) and within kMaxListEntries. A deck entry is a DeckEntry value, made where
// the card entered the deck. Every change tells the deck's observers which rows of which list
// changed, so the lists on screen, the counters and anything else that shows the deck follow
// it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "carddb/card_fields.h"
#include "carddb/deck_entry.h"
#include "deck/deck_observer.h"
#include "deck/entry_merge.h"
#include "deck/list_splice.h"

namespace zemlo {

inline constexpr CardKind kDeckKinds[] = {CardKind::Unit, CardKind::Mission, CardKind::Character};

class Deck {
public:
    Deck() = default;
    // A copy holds the same entries and is watched by no one.
    Deck(const Deck& other);
    Deck(Deck&& other) noexcept;
    // Assigning replaces every list (ReplaceAll): this deck's observers hear of it.
    Deck& operator=(const Deck& other);
    Deck& operator=(Deck&& other);
    ~Deck() = default;

    const std::vector<DeckEntry>& Entries(CardKind kind) const {
        return lists_[static_cast<std::size_t>(kind)];
    }
    std::size_t Size(CardKind kind) const { return Entries(kind).size(); }
    bool Empty() const;
    bool Full(CardKind kind) const;
    // The points of the mission list (DeckEntry::Points of every mission entry), kept as
    // missions come and go.
    long long TotalPoints() const { return points_; }
    // Moves on with every change that changed something.
    std::uint64_t Revision() const { return revision_; }

    // Where Add would put entry in its kind's list: after every entry that does not sort
    // after it.
    std::size_t InsertPosition(const DeckEntry& entry) const;

    // Adds one entry to its kind's list at its sorted place and returns its row; nothing when
    // the list is full.
    std::optional<std::size_t> Add(DeckEntry entry);
    // False when there is no such row.
    bool RemoveAt(CardKind kind, std::size_t row);
    void Clear(CardKind kind);
    void ClearAll();
    // Gives every list the entries of other's list, telling observers only the rows that
    // differ.
    void ReplaceAll(Deck other);
    // Adds many entries, each to its kind's list, as one sorted merge per list
    // (MergeEntries): the lists that adding them one by one would give, within the limit.
    // Returns how many of each kind were left out.
    LeftOutCounts Fill(std::vector<DeckEntry> entries);

    // Replaces one run per list (splices by CardKind; forward puts in the inserted entries in
    // place of the removed ones, backward the other way round) as one change. When a list is
    // not the one the splice expects, or the result would leave a list out of order or
    // beyond the limit, nothing is changed and false is returned.
    bool Apply(const std::array<ListSplice, 3>& splices, bool forward);

    // Observers are told of every change in the order they started observing, and of its end
    // in the reverse order, so an observer that started first sees the change wrap every later
    // one. Watching is no change of the deck: a const deck can be watched. A deck outlives
    // its observers.
    void AddObserver(DeckObserver* observer) const;
    void RemoveObserver(DeckObserver* observer) const;

    friend bool operator==(const Deck& a, const Deck& b) { return a.lists_ == b.lists_; }

private:
    // Everything done while one is alive is one change: DeckChanged comes once, at the end of
    // the outermost.
    class ChangeScope {
    public:
        explicit ChangeScope(Deck& deck);
        ~ChangeScope();
        ChangeScope(const ChangeScope&) = delete;
        ChangeScope& operator=(const ChangeScope&) = delete;

    private:
        Deck& deck_;
    };

    // Removes removeCount rows at `at` of list kind, then inserts [first, last) there, each
    // step with its notices.
    template <typename It>
    void ReplaceRun(CardKind kind, std::size_t at, std::size_t removeCount, It first, It last);
    // Puts after in place of list kind; only the run between the common head and tail changes.
    void Replace(CardKind kind, std::vector<DeckEntry> after);
    bool Fits(CardKind kind, const ListSplice& splice, bool forward) const;
    void PointsOf(CardKind kind, std::size_t first, std::size_t last, int sign);

    std::array<std::vector<DeckEntry>, 3> lists_;
    long long points_ = 0;
    std::uint64_t revision_ = 0;
    int changeDepth_ = 0;
    bool changed_ = false;
    mutable std::vector<DeckObserver*> observers_;
};

}  // namespace zemlo

#include "tools/deck_library.h"

#include <algorithm>
#include <cerrno>
#include <span>
#include <thread>
#include <unordered_map>

#include "carddb/text_width.h"

namespace zemlo {
namespace {

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EndsWithFolded(const std::string& name, std::string_view ending) {
    if (name.size() < ending.size()) return false;
    const size_t from = name.size() - ending.size();
    for (size_t i = 0; i < ending.size(); ++i) {
        if (AsciiLower(name[from + i]) != ending[i]) return false;
    }
    return true;
}

// Every card number of the deck once, all kinds together, with its copies, by number.
std::vector<IndexedCard> CardsOf(const DeckSummary& summary) {
    std::vector<IndexedCard> cards;
    for (const auto& ofKind : summary.cards) {
        for (const CardCopies& card : ofKind) {
            cards.push_back(IndexedCard{std::u16string(card.entry.CardNo()), card.copies});
        }
    }
    std::sort(cards.begin(), cards.end(),
              [](const IndexedCard& a, const IndexedCard& b) { return a.cardNo < b.cardNo; });
    // Cards of different kinds, or entries, that share a number count together.
    std::vector<IndexedCard> merged;
    for (IndexedCard& card : cards) {
        if (!merged.empty() && merged.back().cardNo == card.cardNo) {
            merged.back().copies += card.copies;
        } else {
            merged.push_back(std::move(card));
        }
    }
    return merged;
}

// "ﾃﾞｯｷ 12 件".
std::u16string CountText(std::u16string_view what, std::size_t n) {
    return std::u16string(what) + u" " + DecimalText(static_cast<long long>(n)) + u" 件";
}

// What the look before knew of each file, by path.
struct EarlierLook {
    std::unordered_map<std::string, const LibraryDeck*> decks;
    std::unordered_map<std::string, const FoundFile*> notDecks;

    EarlierLook(const LibraryIndex* previous, const std::filesystem::path& folder) {
        if (previous == nullptr || previous->folder != folder) return;
        for (const LibraryDeck& deck : previous->decks) decks.emplace(deck.path.native(), &deck);
        for (const FoundFile& file : previous->notDeckFiles) {
            notDecks.emplace(file.path.native(), &file);
        }
    }

    template <typename Known>
    static const Known* Unchanged(const std::unordered_map<std::string, const Known*>& known,
                                  const FoundFile& file) {
        const auto at = known.find(file.path.native());
        if (at == known.end()) return nullptr;
        const Known* earlier = at->second;
        return earlier->size == file.size && earlier->modified == file.modified ? earlier : nullptr;
    }
};

}  // namespace

int LibraryDeck::CopiesOf(std::u16string_view cardNo) const {
    const auto at = std::lower_bound(
        cards.begin(), cards.end(), cardNo,
        [](const IndexedCard& card, std::u16string_view number) { return card.cardNo < number; });
    return at != cards.end() && at->cardNo == cardNo ? at->copies : 0;
}

bool IsDeckFileName(const std::filesystem::path& name) {
    const std::string& text = name.native();
    if (text.empty() || text[0] == '.') return false;
    return EndsWithFolded(text, ".htm") || EndsWithFolded(text, ".html");
}

LibraryDeck LibraryDeckOf(FoundFile file, const DeckFileReadResult& read) {
    LibraryDeck deck;
    deck.path = std::move(file.path);
    deck.size = file.size;
    deck.modified = file.modified;
    deck.unknownRows = static_cast<int>(read.skippedRows);
    deck.leftOut = read.leftOut;
    DeckSummary summary = SummarizeDeck(read.deck);
    deck.counters = summary.counters;
    deck.broken = std::move(summary.broken);
    deck.cards = CardsOf(summary);
    return deck;
}

void PrepareCardLookups(const CardDatabase& db) {
    for (CardKind kind : {CardKind::Unit, CardKind::Mission, CardKind::Character}) {
        db.Table(kind).FindCardNo(u"");
    }
}

namespace {

// Looks at files one after another into part, as a look does: each taken from the look
// before when unchanged, read otherwise.
void LookAtFiles(std::span<FoundFile> files, const CardDatabase& db, const EarlierLook& earlier,
                 IndexProgress* progress, const std::atomic<bool>* cancel, LibraryIndex& part) {
    for (FoundFile& file : files) {
        if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) {
            part.cancelled = true;
            break;
        }
        if (progress != nullptr) ++progress->filesLookedAt;
        if (const LibraryDeck* deck = EarlierLook::Unchanged(earlier.decks, file)) {
            part.decks.push_back(*deck);
            continue;
        }
        if (EarlierLook::Unchanged(earlier.notDecks, file) != nullptr) {
            part.notDeckFiles.push_back(std::move(file));
            continue;
        }

        ++part.filesRead;
        DeckFileReadResult read = ReadDeckFile(file.path, db, cancel);
        if (read.status == DeckFileStatus::Cancelled) {
            part.cancelled = true;
            break;
        }
        if (read.status == DeckFileStatus::NotDeckFile) {
            part.notDeckFiles.push_back(std::move(file));
            continue;
        }
        if (read.status != DeckFileStatus::Read) {
            ++(read.fileStatus.error == EFBIG ? part.hugeFiles : part.unreadableFiles);
            continue;
        }
        part.decks.push_back(LibraryDeckOf(std::move(file), read));
    }
}

}  // namespace

void AddLook(LibraryIndex& into, LibraryIndex&& part) {
    std::move(part.decks.begin(), part.decks.end(), std::back_inserter(into.decks));
    std::move(part.notDeckFiles.begin(), part.notDeckFiles.end(),
              std::back_inserter(into.notDeckFiles));
    std::move(part.folders.begin(), part.folders.end(), std::back_inserter(into.folders));
    into.unreadableFiles += part.unreadableFiles;
    into.hugeFiles += part.hugeFiles;
    into.foldersNotEntered += part.foldersNotEntered;
    into.loopingLinks += part.loopingLinks;
    into.filesRead += part.filesRead;
    into.cancelled = into.cancelled || part.cancelled;
}

LibraryIndex IndexLibrary(const std::filesystem::path& folder, const CardDatabase& db,
                          const LibraryIndex* previous, IndexProgress* progress,
                          const std::atomic<bool>* cancel, int workers) {
    LibraryIndex index;
    index.folder = folder;
    FolderWalk walk = WalkFolder(folder, IsDeckFileName, cancel);
    index.folderStatus = walk.status;
    index.folders = std::move(walk.folders);
    index.foldersNotEntered = walk.foldersNotEntered;
    index.loopingLinks = walk.loopingLinks;
    index.linksOut = walk.linksOut;
    index.unreadableFiles = walk.unreadableFiles;
    index.cancelled = walk.cancelled;
    if (progress != nullptr) progress->filesFound = static_cast<int>(walk.files.size());
    if (index.cancelled) return index;

    const EarlierLook earlier(previous, folder);
    std::span<FoundFile> files(walk.files);
    const size_t parts = std::clamp<size_t>(static_cast<size_t>(std::max(workers, 1)), 1,
                                            std::max<size_t>(files.size(), 1));
    if (parts == 1) {
        LookAtFiles(files, db, earlier, progress, cancel, index);
        return index;
    }
    // Each worker looks at a run of files of its own; the runs join in the walk's order.
    PrepareCardLookups(db);
    std::vector<LibraryIndex> looked(parts);
    std::vector<std::thread> threads;
    for (size_t p = 0; p < parts; ++p) {
        const std::span<FoundFile> run = files.subspan(
            files.size() * p / parts, files.size() * (p + 1) / parts - files.size() * p / parts);
        threads.emplace_back(
            [&, run, p] { LookAtFiles(run, db, earlier, progress, cancel, looked[p]); });
    }
    for (std::thread& thread : threads) thread.join();
    for (LibraryIndex& part : looked) AddLook(index, std::move(part));
    return index;
}

std::u16string LibrarySummaryText(const LibraryIndex& index) {
    if (index.folderStatus.error == ENOENT) return u"ﾌｫﾙﾀﾞがありません";
    if (!index.folderStatus) {
        return u"ﾌｫﾙﾀﾞを読めません（" + FileErrorText(index.folderStatus) + u"）";
    }
    std::u16string text = CountText(u"ﾃﾞｯｷ", index.decks.size()) + PassedOverText(index);
    if (index.cancelled) text += u"（中止しました。ほかのﾌｧｲﾙは見ていません）";
    return text;
}

std::u16string PassedOverText(const LibraryIndex& index) {
    std::u16string text;
    const std::pair<std::u16string_view, std::size_t> passedOver[] = {
        {u"ﾃﾞｯｷでないﾌｧｲﾙ", index.notDeckFiles.size()},
        {u"読めないﾌｧｲﾙ", static_cast<std::size_t>(index.unreadableFiles)},
        {u"大きすぎるﾌｧｲﾙ", static_cast<std::size_t>(index.hugeFiles)},
        {u"入れないﾌｫﾙﾀﾞ", static_cast<std::size_t>(index.foldersNotEntered)},
        {u"ﾙｰﾌﾟするﾘﾝｸ", static_cast<std::size_t>(index.loopingLinks)},
        {u"ﾌｫﾙﾀﾞの外へのﾘﾝｸ", static_cast<std::size_t>(index.linksOut)},
    };
    for (const auto& [what, n] : passedOver) {
        if (n > 0) text += u"、" + CountText(what, n);
    }
    return text;
}

std::vector<DeckHolding> DecksHoldingCard(const LibraryIndex& index, std::u16string_view cardNo) {
    std::vector<DeckHolding> holding;
    for (size_t d = 0; d < index.decks.size(); ++d) {
        const int copies = index.decks[d].CopiesOf(cardNo);
        if (copies > 0) holding.push_back(DeckHolding{d, copies});
    }
    return holding;
}

LibraryCardSet::LibraryCardSet(const LibraryIndex& index) {
    std::size_t cards = 0;
    for (const LibraryDeck& deck : index.decks) cards += deck.cards.size();
    std::vector<std::u16string_view> all;
    all.reserve(cards);
    for (const LibraryDeck& deck : index.decks) {
        for (const IndexedCard& card : deck.cards) all.push_back(card.cardNo);
    }
    std::vector<std::u16string_view> numbers = all;
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    starts_.reserve(numbers.size() + 1);
    for (const std::u16string_view number : numbers) {
        starts_.push_back(text_.size());
        text_.append(number);
    }
    starts_.push_back(text_.size());
    placeOf_.reserve(cards);
    for (const std::u16string_view number : all) {
        placeOf_.push_back(static_cast<std::uint32_t>(
            std::lower_bound(numbers.begin(), numbers.end(), number) - numbers.begin()));
    }
}

std::vector<long long> LibraryCardSet::MissingPerDeck(const LibraryIndex& index,
                                                      const Collection& collection) const {
    // Both lists are sorted by number: one walk gives every card its copies owned.
    const std::size_t count = starts_.empty() ? 0 : starts_.size() - 1;
    std::vector<int> owned(count, 0);
    const std::vector<CollectionRow>& rows = collection.Rows();
    auto row = rows.begin();
    for (std::size_t n = 0; n < count && row != rows.end(); ++n) {
        const std::u16string_view number = Number(n);
        while (row != rows.end() && std::u16string_view(row->cardNo) < number) ++row;
        if (row != rows.end() && row->cardNo == number) owned[n] = row->card.count;
    }
    std::vector<long long> missing(index.decks.size(), 0);
    std::size_t card = 0;
    for (std::size_t d = 0; d < index.decks.size(); ++d) {
        for (const IndexedCard& indexed : index.decks[d].cards) {
            missing[d] += MissingCopies(indexed.copies, owned[placeOf_[card++]]);
        }
    }
    return missing;
}

}  // namespace zemlo

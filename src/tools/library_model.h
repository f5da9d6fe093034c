// The deck library's table: one row per deck of the index, or per deck holding the card the
// library is narrowed to, with that card's copies in a column of its own; with each deck the
// copies missing to build it from the collection, and on request only the decks with none
// missing. The sort role gives numbers and times as numbers, so a header click sorts them as
// such.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "tools/deck_library.h"

namespace zemlo {

class LibraryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        FileName = 0,
        Folder,
        Units,
        MissionsAndCharacters,
        Points,
        Judgement,
        UnknownRows,
        Modified,
        Missing,  // the copies the collection lacks
        Copies,   // only while narrowed to a card
    };
    static constexpr int kSortRole = Qt::UserRole;

    explicit LibraryModel(QObject* parent = nullptr);

    // A new index: every deck is listed again, or the decks holding the card narrowed to.
    void SetIndex(std::shared_ptr<const LibraryIndex> index);
    // Lists only the decks holding the card numbered cardNo; "" lists every deck.
    void NarrowToCard(const std::u16string& cardNo);
    // Lists no deck: what was asked for names no card.
    void NarrowToNoCard();
    const std::u16string& NarrowedCard() const { return cardNo_; }
    // Whether the table lists less than every deck by a card (none, when no card).
    bool Narrowed() const { return !cardNo_.empty() || noCard_; }

    // The collection the missing copies are counted from (none: an empty one); it outlives
    // the model. CollectionChanged counts again after it changed.
    void SetCollection(const Collection* collection);
    void CollectionChanged();
    // Lists only the decks the collection can build (none missing), or every deck.
    void ListBuildableOnly(bool only);
    long long MissingOf(int row) const;

    const LibraryIndex& Index() const { return *index_; }
    // The deck a row shows.
    const LibraryDeck& DeckAt(int row) const;
    // The row showing the deck at path, or -1.
    int RowOf(const std::filesystem::path& path) const;

    // How a deck's file and folder are shown: names as the file system spells them, the
    // folder relative to the library's, "" for the library's own.
    QString FileNameOf(const LibraryDeck& deck) const;
    QString FolderOf(const LibraryDeck& deck) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    void Refilter();
    void CountMissing();

    std::shared_ptr<const LibraryIndex> index_;
    LibraryCardSet cards_;
    std::u16string cardNo_;
    bool noCard_ = false;
    const Collection* collection_ = nullptr;
    bool buildableOnly_ = false;
    // By deck of the index.
    std::vector<long long> missing_;
    // The decks listed, with the copies of the card narrowed to.
    std::vector<DeckHolding> rows_;
};

}  // namespace zemlo

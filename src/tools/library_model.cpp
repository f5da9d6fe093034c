#include "tools/library_model.h"

#include <QColor>
#include <QDateTime>

#include "collection/collection_colours.h"
#include "platform/plain_text.h"
#include "platform/qt_paths.h"
#include "tools/deck_judgement.h"

namespace zemlo {
namespace {

const QColor kBrokenRuleRed(255, 0, 0);

bool Breaks(const LibraryDeck& deck, DeckRule rule) {
    for (const BrokenRule& broken : deck.broken) {
        if (broken.rule == rule) return true;
    }
    return false;
}

size_t LeftOutRows(const LibraryDeck& deck) {
    return deck.leftOut[0] + deck.leftOut[1] + deck.leftOut[2];
}

// The rules the deck breaks, and the rows beyond a list's limit that the deck as listed (and as
// the main window would open it) leaves out.
QString JudgementOf(const LibraryDeck& deck) {
    QString text = QString::fromStdU16String(JudgementText(deck.broken));
    const size_t leftOut = LeftOutRows(deck);
    if (leftOut > 0) text += QStringLiteral("（入らない行 %1）").arg(leftOut);
    return text;
}

}  // namespace

LibraryModel::LibraryModel(QObject* parent)
    : QAbstractTableModel(parent), index_(std::make_shared<LibraryIndex>()) {}

void LibraryModel::SetIndex(std::shared_ptr<const LibraryIndex> index) {
    beginResetModel();
    index_ = std::move(index);
    cards_ = LibraryCardSet(*index_);
    CountMissing();
    Refilter();
    endResetModel();
}

void LibraryModel::SetCollection(const Collection* collection) {
    collection_ = collection;
    CollectionChanged();
}

void LibraryModel::CollectionChanged() {
    beginResetModel();
    CountMissing();
    Refilter();
    endResetModel();
}

void LibraryModel::ListBuildableOnly(bool only) {
    if (only == buildableOnly_) return;
    beginResetModel();
    buildableOnly_ = only;
    Refilter();
    endResetModel();
}

void LibraryModel::CountMissing() {
    static const Collection kNone;
    const Collection& collection = collection_ != nullptr ? *collection_ : kNone;
    missing_ = cards_.MissingPerDeck(*index_, collection);
}

long long LibraryModel::MissingOf(int row) const {
    return missing_[rows_[static_cast<size_t>(row)].deck];
}

void LibraryModel::NarrowToCard(const std::u16string& cardNo) {
    beginResetModel();
    cardNo_ = cardNo;
    noCard_ = false;
    Refilter();
    endResetModel();
}

void LibraryModel::NarrowToNoCard() {
    beginResetModel();
    cardNo_.clear();
    noCard_ = true;
    Refilter();
    endResetModel();
}

void LibraryModel::Refilter() {
    rows_.clear();
    if (noCard_) return;
    if (!cardNo_.empty()) {
        rows_ = DecksHoldingCard(*index_, cardNo_);
    } else {
        rows_.reserve(index_->decks.size());
        for (std::size_t d = 0; d < index_->decks.size(); ++d) rows_.push_back({d, 0});
    }
    if (buildableOnly_) {
        std::erase_if(rows_, [this](const DeckHolding& row) { return missing_[row.deck] > 0; });
    }
}

const LibraryDeck& LibraryModel::DeckAt(int row) const {
    return index_->decks[rows_[static_cast<size_t>(row)].deck];
}

int LibraryModel::RowOf(const std::filesystem::path& path) const {
    for (int row = 0; row < rowCount(); ++row) {
        if (DeckAt(row).path == path) return row;
    }
    return -1;
}

QString LibraryModel::FileNameOf(const LibraryDeck& deck) const {
    return ShownPathText(deck.path.filename());
}

QString LibraryModel::FolderOf(const LibraryDeck& deck) const {
    const std::filesystem::path folder = deck.path.parent_path().lexically_relative(index_->folder);
    return folder == "." ? QString() : ShownPathText(folder);
}

int LibraryModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return static_cast<int>(rows_.size());
}

int LibraryModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return cardNo_.empty() ? Copies : Copies + 1;
}

QVariant LibraryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const LibraryDeck& deck = DeckAt(index.row());
    const int column = index.column();
    if (role == Qt::TextAlignmentRole) {
        const bool text = column == FileName || column == Folder || column == Judgement;
        return QVariant::fromValue(Qt::AlignVCenter | (text ? Qt::AlignLeft : Qt::AlignRight));
    }
    if (role == Qt::ForegroundRole) {
        if (column == Missing) {
            return MissingOf(index.row()) > 0 ? QVariant(MissingColour()) : QVariant();
        }
        const bool red =
            (column == Units && Breaks(deck, DeckRule::Units)) ||
            (column == MissionsAndCharacters && Breaks(deck, DeckRule::MissionsAndCharacters)) ||
            (column == Points && Breaks(deck, DeckRule::Points)) ||
            (column == Judgement && (!deck.broken.empty() || LeftOutRows(deck) > 0)) ||
            (column == UnknownRows && deck.unknownRows > 0);
        return red ? QVariant(kBrokenRuleRed) : QVariant();
    }
    if (role == Qt::ToolTipRole && column == FileName) {
        return PlainToolTip(ShownPathText(deck.path));
    }
    if (role == Qt::ToolTipRole && column == Judgement && LeftOutRows(deck) > 0) {
        return PlainToolTip(QString::fromStdU16String(LeftOutText(deck.leftOut)));
    }
    if (role != Qt::DisplayRole && role != kSortRole) return {};
    switch (column) {
        case FileName:
            return FileNameOf(deck);
        case Folder:
            return FolderOf(deck);
        case Units:
            return deck.counters.units;
        case MissionsAndCharacters:
            return deck.counters.MissionsAndCharacters();
        case Points:
            return deck.counters.points;
        case Judgement:
            if (role == kSortRole) {
                // By rule, then count; rows left out after the same judgement without them.
                QString key = QString::fromStdU16String(JudgementSortKey(deck.broken));
                if (const size_t leftOut = LeftOutRows(deck); leftOut > 0) {
                    key +=
                        QChar(0x0001) + QStringLiteral("%1").arg(leftOut, 12, 10, QLatin1Char('0'));
                }
                return key;
            }
            return JudgementOf(deck);
        case UnknownRows:
            return deck.unknownRows;
        case Modified: {
            if (role == kSortRole) return static_cast<qlonglong>(deck.modified);
            const QDateTime time = QDateTime::fromMSecsSinceEpoch(deck.modified / 1'000'000);
            return time.toString(QStringLiteral("yyyy/MM/dd HH:mm"));
        }
        case Missing:
            return MissingOf(index.row());
        case Copies:
            return cardNo_.empty() ? QVariant() : rows_[static_cast<size_t>(index.row())].copies;
        default:
            return {};
    }
}

QVariant LibraryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const kTitles[] = {"ﾌｧｲﾙ名",         "ﾌｫﾙﾀﾞ",    "ﾕﾆｯﾄ数",
                                          "ﾐｯｼｮﾝ+ｷｬﾗｸﾀｰ数", "合計戦果", "判定",
                                          "不明ｶｰﾄﾞ",       "更新日時", "不足",
                                          "枚数"};
    if (section < 0 || section >= columnCount()) return {};
    return QString::fromUtf8(kTitles[section]);
}

}  // namespace zemlo

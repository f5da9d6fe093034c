#include "tools/library_model.h"

#include <QColor>
#include <QDateTime>

#include "platform/plain_text.h"
#include "platform/qt_paths.h"

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
    Refilter();
    endResetModel();
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
    holding_.clear();
    if (!cardNo_.empty()) holding_ = DecksHoldingCard(*index_, cardNo_);
}

const LibraryDeck& LibraryModel::DeckAt(int row) const {
    const size_t r = static_cast<size_t>(row);
    return index_->decks[cardNo_.empty() ? r : holding_[r].deck];
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
    if (noCard_) return 0;
    return static_cast<int>(cardNo_.empty() ? index_->decks.size() : holding_.size());
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
            return deck.counts.units;
        case MissionsAndCharacters:
            return deck.counts.missionsAndCharacters;
        case Points:
            return deck.counts.points;
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
        case Copies:
            return cardNo_.empty() ? QVariant() : holding_[static_cast<size_t>(index.row())].copies;
        default:
            return {};
    }
}

QVariant LibraryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const kTitles[] = {"ﾌｧｲﾙ名",         "ﾌｫﾙﾀﾞ",    "ﾕﾆｯﾄ数",
                                          "ﾐｯｼｮﾝ+ｷｬﾗｸﾀｰ数", "合計戦果", "判定",
                                          "不明ｶｰﾄﾞ",       "更新日時", "枚数"};
    if (section < 0 || section >= columnCount()) return {};
    return QString::fromUtf8(kTitles[section]);
}

}  // namespace zemlo

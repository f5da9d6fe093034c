// The odds table of one pile: a row per distinct card with its card number and name, its
// copies, the chance of at least one and of at least two copies among the first k cards, and
// the expected copies. The card number tells apart two cards that share a name.
#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "tools/draw_odds.h"

namespace zemlo {

class DrawOddsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { CardNo = 0, Name, Copies, AtLeastOne, AtLeastTwo, Expected, ColumnCount };

    explicit DrawOddsModel(QObject* parent = nullptr);

    // A new pile: its rows and its size; the draw count stays.
    void SetPile(std::vector<OddsRow> rows, int pileSize);
    // The number of cards drawn; every chance is recomputed.
    void SetDrawn(int drawn);

    int PileSize() const { return pileSize_; }
    int Drawn() const { return drawn_; }
    // The chance that at least one copy of any of these rows is among the first k cards.
    double ChanceOfAnyOf(const std::vector<int>& rows) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<OddsRow> rows_;
    int pileSize_ = 0;
    int drawn_ = 0;
};

}  // namespace zemlo

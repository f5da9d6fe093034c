// The view option "所持枚数を表示": whether the card lists show the copies owned and what the
// deck lacks. One object that every painter reads and that tells its change.
#pragma once

#include <QObject>

namespace zemlo {

class OwnedCountsOption : public QObject {
    Q_OBJECT
public:
    explicit OwnedCountsOption(bool on, QObject* parent = nullptr) : QObject(parent), on_(on) {}

    bool On() const { return on_; }
    // Tells changed when the option turns.
    void Set(bool on);

signals:
    void changed(bool on);

private:
    bool on_;
};

}  // namespace zemlo

// A view option that is on or off (強調表示, 所持枚数を表示): one value its owner switches and
// every window that paints by it follows through its signal.
#pragma once

#include <QObject>

namespace zemlo {

class ViewSwitch : public QObject {
    Q_OBJECT
public:
    explicit ViewSwitch(bool on, QObject* parent = nullptr) : QObject(parent), on_(on) {}

    bool On() const { return on_; }
    // Tells changed when the value changes.
    void Set(bool on);

signals:
    void changed(bool on);

private:
    bool on_;
};

}  // namespace zemlo

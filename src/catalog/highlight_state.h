// Whether highlight display (強調表示) is on: one value the main window owns and switches,
// which the catalogs and the quick filter bar follow through its signal.
#pragma once

#include <QObject>

namespace zemlo {

class HighlightState : public QObject {
    Q_OBJECT
public:
    explicit HighlightState(bool on, QObject* parent = nullptr) : QObject(parent), on_(on) {}

    bool IsOn() const { return on_; }
    // Tells changed when the value changes.
    void Set(bool on);

signals:
    void changed(bool on);

private:
    bool on_;
};

}  // namespace zemlo

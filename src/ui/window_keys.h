// The main window's key preview: every key pressed anywhere in the window, before the focused
// control, for the keys the window answers itself (view_rules.h): Esc minimises it (the boss
// key) and U, M and C bring a catalog to the front. In the quick filter's text every letter
// is text; Esc stays the boss key.
#pragma once

#include <QObject>

class QWidget;

namespace zemlo {

class CatalogTabs;

class WindowKeys : public QObject {
    Q_OBJECT
public:
    WindowKeys(QWidget& window, CatalogTabs& catalogs);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // True when the key was used here.
    bool HandleKey(int keyCode, Qt::KeyboardModifiers modifiers);

    QWidget& window_;
    CatalogTabs& catalogs_;
};

}  // namespace zemlo

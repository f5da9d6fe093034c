#include "ui/window_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "catalog/catalog_tabs.h"
#include "ui/view_rules.h"

namespace zemlo {

WindowKeys::WindowKeys(QWidget& window, CatalogTabs& catalogs)
    : QObject(&window), window_(window), catalogs_(catalogs) {
    qApp->installEventFilter(this);
}

bool WindowKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == &window_) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int code = key->key() == Qt::Key_Escape ? kEscapeKeyCode : key->key();
        const bool inText = catalogs_.IsQuickFilterText(watched);
        if ((!inText || code == kEscapeKeyCode) && HandleKey(code, key->modifiers())) return true;
    }
    return QObject::eventFilter(watched, event);
}

bool WindowKeys::HandleKey(int keyCode, Qt::KeyboardModifiers modifiers) {
    switch (KeyAction(keyCode, modifiers.testFlag(Qt::ControlModifier), window_.isMinimized())) {
        case MainWindowKey::Minimise:
            window_.showMinimized();
            return true;
        case MainWindowKey::UnitTab:
            catalogs_.ShowKind(CardKind::Unit);
            return true;
        case MainWindowKey::MissionTab:
            catalogs_.ShowKind(CardKind::Mission);
            return true;
        case MainWindowKey::CharacterTab:
            catalogs_.ShowKind(CardKind::Character);
            return true;
        case MainWindowKey::None:
            return false;
    }
    return false;
}

}  // namespace zemlo

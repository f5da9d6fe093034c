#include "support/layout_check.h"

#include <QAbstractScrollArea>
#include <QWidget>

namespace zemlo::test {

QStringList ControlsOutsideTheirParents(const QWidget* root) {
    QStringList problems;
    for (const QWidget* child : root->findChildren<QWidget*>()) {
        const QWidget* parent = child->parentWidget();
        if (!parent || !child->isVisibleTo(root) || child->isWindow()) continue;
        // Scroll areas move their contents on purpose, and their own parts are Qt's business.
        if (qobject_cast<const QAbstractScrollArea*>(parent) ||
            qobject_cast<const QAbstractScrollArea*>(parent->parentWidget())) {
            continue;
        }
        if (child->objectName().isEmpty()) continue;  // parts of a Qt widget, not our controls
        if (!parent->rect().contains(child->geometry())) {
            problems << QStringLiteral("%1[%2] at %3,%4 %5x%6 outside %7 %8x%9")
                            .arg(child->objectName())
                            .arg(child->property("index").toString())
                            .arg(child->x())
                            .arg(child->y())
                            .arg(child->width())
                            .arg(child->height())
                            .arg(parent->objectName())
                            .arg(parent->width())
                            .arg(parent->height());
        }
    }
    return problems;
}

}  // namespace zemlo::test

// Controls are named as the window design names them. An element of a control array
// carries the array's name as objectName and its index in the "index" property.
#pragma once

#include <QObject>
#include <QVariant>

namespace zemlo {

inline void NameControl(QObject* control, const char* name, int index = -1) {
    control->setObjectName(QString::fromLatin1(name));
    if (index >= 0) control->setProperty("index", index);
}

// The control named name (and, for an array element, with that index) below root.
template <typename T>
T* FindControl(const QObject* root, const QString& name, int index = -1) {
    for (T* child : root->findChildren<T*>(name)) {
        if (index < 0 || child->property("index").toInt() == index) {
            if (index < 0 || child->property("index").isValid()) return child;
        }
    }
    return nullptr;
}

}  // namespace zemlo

// Catches controls placed partly outside the frame or window that holds them, where the
// player would see them clipped.
#pragma once

#include <QStringList>

class QWidget;

namespace zemlo::test {

// "name: geometry outside parent name" for every visible widget below root that does not
// lie wholly inside its parent; empty when everything fits.
QStringList ControlsOutsideTheirParents(const QWidget* root);

}  // namespace zemlo::test

// Qt's model tester over a model for as long as this object lives, with every complaint of
// the tester a failure of the running test (the tester itself only writes warnings).
#pragma once

#include <QAbstractItemModelTester>
#include <QStringList>

namespace zemlo::test {

class CheckedModel {
public:
    explicit CheckedModel(QAbstractItemModel* model);
    // Fails the test, naming every complaint heard while it lived.
    ~CheckedModel();
    CheckedModel(const CheckedModel&) = delete;
    CheckedModel& operator=(const CheckedModel&) = delete;

private:
    QtMessageHandler previous_;
    QAbstractItemModelTester tester_;
};

}  // namespace zemlo::test

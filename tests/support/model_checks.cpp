#include "support/model_checks.h"

#include <gtest/gtest.h>

namespace zemlo::test {
namespace {

// Several models may be checked at once; the handler goes in with the first and out with the
// last, and hands every other message to the one it replaced.
int checking = 0;
QStringList complaints;
QtMessageHandler passOn = nullptr;

void HearComplaint(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (QByteArrayView(context.category) == "qt.modeltest") {
        complaints << text;
    } else if (passOn != nullptr) {
        passOn(type, context, text);
    }
}

QtMessageHandler StartChecking() {
    if (checking++ == 0) passOn = qInstallMessageHandler(HearComplaint);
    return passOn;
}

}  // namespace

// The handler goes in before the tester, which checks the model as soon as it is made.
CheckedModel::CheckedModel(QAbstractItemModel* model)
    : previous_(StartChecking()),
      tester_(model, QAbstractItemModelTester::FailureReportingMode::Warning) {}

CheckedModel::~CheckedModel() {
    if (--checking == 0) qInstallMessageHandler(previous_);
    EXPECT_TRUE(complaints.isEmpty()) << complaints.join('\n').toStdString();
    complaints.clear();
}

}  // namespace zemlo::test

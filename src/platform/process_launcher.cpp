#include "platform/process_launcher.h"

#include <QProcess>

namespace zemlo {
namespace {

class QtProcessLauncher : public ProcessLauncher {
public:
    bool StartDetached(const QString& program, const QStringList& arguments) override {
        return QProcess::startDetached(program, arguments);
    }
};

}  // namespace

ProcessLauncher& SystemProcesses() {
    static QtProcessLauncher launcher;
    return launcher;
}

}  // namespace zemlo

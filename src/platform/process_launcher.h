// Starts another program as a separate process from its path and argument list, never
// through a shell, without waiting for it. Tests put their own launcher in its place.
#pragma once

#include <QString>
#include <QStringList>

namespace zemlo {

class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    // False when the program could not be started.
    virtual bool StartDetached(const QString& program, const QStringList& arguments) = 0;
};

// The launcher that really starts processes.
ProcessLauncher& SystemProcesses();

}  // namespace zemlo

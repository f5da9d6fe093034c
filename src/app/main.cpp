#include <QApplication>

#include "app/startup.h"
#include "platform/program_dir.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle("Fusion");  // honours background colours on check and combo boxes
    zemlo::Startup startup(zemlo::ProgramDirectory(), QString::fromStdString(zemlo::ProgramName()));
    if (!startup.Run()) return 0;
    return app.exec();
}

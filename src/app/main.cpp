#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/startup.h"
#include "platform/program_dir.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle("Fusion");  // honours background colours on check and combo boxes
    // The standard dialogs (file dialog, message box buttons) speak Japanese like the rest.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_ja"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTranslator);
    }
    zemlo::Startup startup(zemlo::ProgramDirectory(), QString::fromStdString(zemlo::ProgramName()));
    if (!startup.Run()) return 0;
    return app.exec();
}

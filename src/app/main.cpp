#include <QApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>
#include <optional>
#include <string_view>
#include <vector>

#include "app/startup.h"
#include "cli/command_line.h"
#include "cli/command_request.h"
#include "platform/combo_box_accessible.h"
#include "platform/program_dir.h"
#include "platform/qt_paths.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
    // "zemlo-deck --check DECKS" and the other commands run without a window; the program
    // alone or with one deck file opens the window.
    if (zemlo::IsCommandLine(argc, argv)) return zemlo::RunCommandLine(argc, argv);

    const std::filesystem::path dir = zemlo::ProgramDirectory();
    const QString storeName = zemlo::PathQString(zemlo::ProgramName());
    // Where no disclaimer is due, the card data is read from the first moment, beside the
    // toolkit's own start.
    zemlo::CardLoading loading;
    if (!zemlo::Startup::DisclaimerDue(storeName)) {
        loading = zemlo::CardLoading(dir, zemlo::CardLoading::CopyFileFor(dir));
    }
    QApplication app(argc, argv);
    QApplication::setStyle("Fusion");  // honours background colours on check and combo boxes
    // A screen reader hears each combo box by its name, with its current text as the value.
    zemlo::InstallComboBoxAccessibility();
    // The standard dialogs (file dialog, message box buttons) speak Japanese like the rest.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_ja"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTranslator);
    }
    zemlo::Startup startup(dir, storeName, std::move(loading));
    if (!startup.Run()) return 0;
    // "zemlo-deck DECKFILE" (or "zemlo-deck -- DECKFILE") opens the deck file once the main
    // window is up. The name is taken as its bytes (Qt's own list of arguments would lose a
    // name in CP932); Qt has taken its own options out of argv by now.
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    if (const std::optional<std::string_view> file = zemlo::WindowDeckFile(arguments)) {
        const QString path = zemlo::PathQString(std::filesystem::path(*file));
        zemlo::MainWindow* window = startup.Window();
        QTimer::singleShot(0, window, [window, path] { window->OpenDeckFile(path); });
    }
    return app.exec();
}

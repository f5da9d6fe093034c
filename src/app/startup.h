// The start-up sequence: disclaimer on the first start, splash while the card database
// loads (on a thread of its own, beside the windows being built), settings, the hidden main
// window prepared and then shown.
#pragma once

#include <QString>
#include <filesystem>
#include <future>
#include <memory>

#include "app/card_loading.h"
#include "platform/file_io.h"
#include "ui/program_state.h"

namespace zemlo {

class MainWindow;
class SplashWindow;
struct LoadReport;

class Startup {
public:
    // dir is the program's directory; storeName names the per-user store of the first-start
    // flag (the executable's name). loading, when started, reads the card data of dir: the
    // program may start it before the toolkit where no disclaimer is due.
    Startup(std::filesystem::path dir, QString storeName, CardLoading loading = {});
    ~Startup();

    // Whether the first-start flag asks for the disclaimer.
    static bool DisclaimerDue(const QString& storeName);

    // Runs the sequence up to the shown main window. Returns false when the player refused
    // the disclaimer: the program then ends without reading or writing anything else.
    bool Run();

    ProgramState& State() { return *state_; }
    MainWindow* Window() { return window_.get(); }

    // For tests: whether the splash was still visible when the main window was shown, and
    // whether the main window was ever visible before FormInit finished.
    bool SplashVisibleAtShow() const { return splashVisibleAtShow_; }
    bool WindowVisibleBeforeFormInit() const { return windowVisibleBeforeFormInit_; }

private:
    bool AskDisclaimer();
    void ReportLoadProblems(const LoadReport& report);
    void KeepCopyOfTables(const LoadReport& report);
    // Once per run: which settings file could not be updated, and why.
    static void TellSettingsNotSaved(const std::filesystem::path& file, const FileStatus& status);

    QString storeName_;
    std::unique_ptr<ProgramState> state_;
    std::unique_ptr<MainWindow> window_;
    CardLoading loading_;
    bool splashVisibleAtShow_ = false;
    bool windowVisibleBeforeFormInit_ = false;
    // Last, so that it is waited for before the tables it reads go.
    std::future<FileStatus> copySaved_;
};

}  // namespace zemlo

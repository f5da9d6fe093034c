#include "app/startup.h"

#include <QApplication>
#include <QLabel>
#include <system_error>

#include "app/disclaimer_dialog.h"
#include "app/splash_window.h"
#include "carddb/card_data_copy.h"
#include "platform/dialog_service.h"
#include "platform/idle_priority.h"
#include "platform/qt_paths.h"
#include "settings/first_start_settings.h"
#include "ui/main_window.h"

namespace zemlo {

Startup::Startup(std::filesystem::path dir, QString storeName, CardLoading loading)
    : storeName_(std::move(storeName)),
      state_(std::make_unique<ProgramState>(std::move(dir))),
      loading_(std::move(loading)) {}

Startup::~Startup() = default;

bool Startup::DisclaimerDue(const QString& storeName) {
    return !LoadDisclaimerAccepted(UserStore(storeName));
}

bool Startup::AskDisclaimer() {
    if (!DisclaimerDue(storeName_)) return true;
    UserStore store(storeName_);
    DisclaimerDialog dialog;
    dialog.exec();
    if (!dialog.IsYes()) return false;
    const FileStatus saved = SaveDisclaimerAccepted(store, true);
    if (!saved) {
        // The player agreed; the program goes on and asks again at the next start.
        Dialogs().Message(nullptr, QMessageBox::Warning, ApplicationTitle(),
                          QStringLiteral("同意したことを %1 に保存できませんでした（%2）。\n"
                                         "次回の起動時にも確認します。")
                              .arg(ShownPathText(store.File()),
                                   QString::fromStdU16String(FileErrorText(saved))),
                          QMessageBox::Ok);
    }
    return true;
}

void Startup::TellSettingsNotSaved(const std::filesystem::path& file, const FileStatus& status) {
    const QString name = ShownPathText(file);
    const QString reason = QString::fromStdU16String(FileErrorText(status));
    const QString text =
        status.whileReading
            ? QStringLiteral(
                  "設定ファイル %1 を読み込めないため、設定を保存できませんでした（%2）。\n"
                  "設定ファイルは変更していません。")
                  .arg(name, reason)
            : QStringLiteral(
                  "設定ファイル %1 に設定を保存できませんでした（%2）。\n"
                  "設定ファイルは変更していません。")
                  .arg(name, reason);
    Dialogs().Message(nullptr, QMessageBox::Warning, ApplicationTitle(), text, QMessageBox::Ok);
}

void Startup::ReportLoadProblems(const LoadReport& report) {
    QStringList lines;
    if (!report.zemloRead) {
        lines << QStringLiteral("カードデータ %1 を読み込めませんでした（%2）。")
                     .arg(ShownPathText(report.zemloPath),
                          QString::fromStdU16String(FileErrorText(report.zemloStatus)));
    }
    if (!report.orvelStatus) {
        lines << QStringLiteral("カードデータ %1 を読み込めませんでした（%2）。")
                     .arg(ShownPathText(state_->programDir / "ORVEL.dat"),
                          QString::fromStdU16String(FileErrorText(report.orvelStatus)));
    }
    if (report.Dropped() > 0) {
        lines << QStringLiteral(
                     "1種類あたり32767枚を超えるカード %1 枚は読み込まれていません。"
                     "（ユニット %2、ミッション %3、キャラクター %4）")
                     .arg(report.Dropped())
                     .arg(report.droppedUnits)
                     .arg(report.droppedMissions)
                     .arg(report.droppedCharacters);
    }
    if (lines.isEmpty()) return;
    Dialogs().Message(nullptr, QMessageBox::Warning, ApplicationTitle(), lines.join("\n"),
                      QMessageBox::Ok);
}

void Startup::KeepCopyOfTables(const LoadReport& report) {
    // Read from large data files this time: a copy of the tables makes the next start
    // sooner. It is written beside the window; the tables are no longer written by anyone.
    if (report.fromCopy || loading_.CopyFile().empty() || !report.zemloRead ||
        !report.orvelStatus ||
        report.sources.zemlo.bytes + report.sources.orvel.bytes < kCardDataCopyWorthBytes) {
        return;
    }
    try {
        copySaved_ = std::async(std::launch::async, [this, report] {
            // The window's first paint and the player's first steps come first.
            RunThisThreadOnlyWhenIdle();
            return SaveCardDataCopy(loading_.CopyFile(), state_->db, report);
        });
    } catch (const std::system_error&) {
        // No thread to spare: the next start decodes the data files again.
    }
}

bool Startup::Run() {
    // The card data is read and decoded while the windows are built, from the start where
    // no disclaimer was due, else once it is accepted.
    if (!loading_.Started()) {
        if (!AskDisclaimer()) return false;
        loading_ = CardLoading(state_->programDir, CardLoading::CopyFileFor(state_->programDir));
    }
    state_->settings.OnWriteFailure(&Startup::TellSettingsNotSaved);

    SplashWindow splash;
    splash.show();
    QApplication::processEvents();

    // Loading the window reads the output items and the view settings and runs its load
    // handler; the window stays hidden.
    window_ = std::make_unique<MainWindow>(*state_);
    window_->hide();

    window_->ApplyBossSettings();

    // The window holds the state's tables by reference; they take the loaded ones in place.
    LoadedCards loaded = loading_.Take();
    state_->db = std::move(loaded.db);
    const LoadReport& report = loaded.report;
    QApplication::processEvents();

    window_->FormInit(std::move(loaded.catalogs));
    windowVisibleBeforeFormInit_ = window_->WasShownBeforeFormInitEnded();

    ReportLoadProblems(report);

    splash.close();
    QApplication::processEvents();
    splashVisibleAtShow_ = splash.isVisible();
    window_->show();
    KeepCopyOfTables(report);
    return true;
}

}  // namespace zemlo

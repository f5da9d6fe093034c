#include "app/startup.h"

#include <QApplication>
#include <QLabel>

#include "app/frm_atention.h"
#include "app/frm_splash.h"
#include "carddb/card_loader.h"
#include "carddb/leading_number.h"
#include "platform/dialog_service.h"
#include "platform/user_store.h"
#include "ui/main_window.h"

namespace zemlo {

Startup::Startup(std::filesystem::path dir, QString storeName)
    : storeName_(std::move(storeName)), state_(std::make_unique<ProgramState>(std::move(dir))) {}

Startup::~Startup() = default;

bool Startup::AskDisclaimer() {
    UserStore store(storeName_);
    if (LeadingNumber(store.Get("BOOT", "CNT").toStdU16String()) != 0) return true;
    FrmAtention dialog;
    dialog.exec();
    if (!dialog.IsYes()) return false;
    store.Save("BOOT", "CNT", "1");
    return true;
}

void Startup::ReportLoadProblems(const LoadReport& report) {
    QStringList lines;
    if (!report.zemloRead) {
        lines << QStringLiteral("カードデータ %1 を読み込めませんでした。")
                     .arg(QString::fromStdString(report.zemloPath.string()));
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

bool Startup::Run() {
    if (!AskDisclaimer()) return false;

    FrmSplash splash;
    splash.show();
    QApplication::processEvents();

    const LoadReport report = LoadCardData(state_->db, state_->programDir);
    QApplication::processEvents();

    state_->output = LoadOutputSettings(state_->settings);
    const ViewSettings view = LoadViewSettings(state_->settings);
    state_->compactState = view.compactState;
    state_->highlightOn = view.highlightOn;

    // Loading the window runs its load handler; the window stays hidden.
    window_ = std::make_unique<MainWindow>(*state_);
    window_->hide();

    state_->boss = LoadBossSettings(state_->settings);
    window_->ApplyBossSettings();

    window_->FormInit();
    windowVisibleBeforeFormInit_ = window_->WasShownBeforeFormInitEnded();

    ReportLoadProblems(report);

    splash.close();
    QApplication::processEvents();
    splashVisibleAtShow_ = splash.isVisible();
    window_->show();
    return true;
}

}  // namespace zemlo

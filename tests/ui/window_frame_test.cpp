// The frame every fixed-size dialog of the program wears, and what it does when a window
// manager minimises a dialog anyway.
#include "platform/window_frame.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QTest>
#include <memory>
#include <vector>

#include "deckfile/frm_opt_file.h"
#include "platform/key_value_source.h"
#include "platform/process_launcher.h"
#include "support/temp_dir.h"
#include "tools/frm_draw.h"
#include "tools/frm_draw_odds.h"
#include "tools/frm_graph.h"
#include "tools/frm_seek.h"
#include "ui/frm_about.h"
#include "ui/frm_boss.h"
#include "ui/program_state.h"

namespace zemlo::test {
namespace {

class WindowFrameTest : public ::testing::Test {
protected:
    WindowFrameTest() : state(dir.Path()) {}

    TempDir dir;
    ProgramState state;
    QIcon icons[2];
    bool seekWindowOpen = false;
};

TEST_F(WindowFrameTest, EveryFixedDialogOffersTheCloseButtonOnly) {
    std::vector<std::unique_ptr<QWidget>> windows;
    windows.push_back(
        std::make_unique<FrmAbout>("zemlo-frame-test", SystemKeyValues(), SystemProcesses()));
    windows.push_back(std::make_unique<FrmBoss>(state, icons));
    windows.push_back(std::make_unique<FrmOptFile>(state.DeckFiles()));
    windows.push_back(std::make_unique<FrmGraph>(state.db, state.deck));
    windows.push_back(std::make_unique<FrmDraw>(state.deck, nullptr, nullptr));
    windows.push_back(std::make_unique<FrmDrawOdds>(state.db, state.deck, state.settings));
    windows.push_back(std::make_unique<FrmSeek>(seekWindowOpen, nullptr));
    for (const auto& window : windows) {
        const Qt::WindowFlags flags = window->windowFlags();
        SCOPED_TRACE(window->objectName().toStdString());
        EXPECT_TRUE(window->isWindow());
        EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
        EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
        EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));
    }
}

TEST_F(WindowFrameTest, AMinimisedModalDialogComesBackAndAModelessWindowStaysDown) {
    QDialog modal;
    UseDialogFrame(&modal);
    modal.setModal(true);
    modal.show();
    modal.showMinimized();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !modal.isMinimized(); }, 2000));
    EXPECT_TRUE(modal.isVisible());

    // The name search window hides and returns with the main window instead.
    QDialog modeless;
    UseDialogFrame(&modeless);
    modeless.show();
    modeless.showMinimized();
    QTest::qWait(50);
    EXPECT_TRUE(modeless.isMinimized());
}

}  // namespace
}  // namespace zemlo::test

// The frame every fixed-size dialog of the program wears, and what it does when a window
// manager minimises a dialog anyway.
#include "platform/window_frame.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QTest>
#include <memory>
#include <vector>

#include "deckfile/output_items_dialog.h"
#include "platform/key_value_source.h"
#include "platform/process_launcher.h"
#include "support/temp_dir.h"
#include "tools/draw_odds_dialog.h"
#include "tools/draw_test_dialog.h"
#include "tools/graph_dialog.h"
#include "tools/name_search_window.h"
#include "ui/boss_key.h"
#include "ui/boss_key_dialog.h"
#include "ui/program_state.h"
#include "ui/version_dialog.h"

namespace zemlo::test {
namespace {

class WindowFrameTest : public ::testing::Test {
protected:
    WindowFrameTest() : state(dir.Path()) {}

    TempDir dir;
    ProgramState state;
    BossKey bossKey{state.settings, QIcon()};
    OutputFlags output;
};

TEST_F(WindowFrameTest, EveryFixedDialogOffersTheCloseButtonOnly) {
    std::vector<std::unique_ptr<QWidget>> windows;
    windows.push_back(
        std::make_unique<VersionDialog>("zemlo-frame-test", SystemKeyValues(), SystemProcesses()));
    const Deck& deck = state.document.CurrentDeck();
    windows.push_back(std::make_unique<BossKeyDialog>(bossKey, dir.Path()));
    windows.push_back(std::make_unique<OutputItemsDialog>(output, state.settings));
    windows.push_back(std::make_unique<GraphDialog>(state.db, deck));
    windows.push_back(std::make_unique<DrawTestDialog>(deck, nullptr, nullptr));
    windows.push_back(std::make_unique<DrawOddsDialog>(deck, state.settings));
    windows.push_back(std::make_unique<NameSearchWindow>(nullptr));
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

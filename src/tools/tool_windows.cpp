#include "tools/tool_windows.h"

#include <QRadioButton>

#include "platform/topmost.h"
#include "tools/draw_odds_dialog.h"
#include "tools/graph_dialog.h"

namespace zemlo {

ToolWindows::ToolWindows(const CardDatabase& db, const Deck& deck, bool& seekWindowOpen,
                         Hooks hooks, QWidget* mainWindow)
    : QObject(mainWindow),
      db_(db),
      deck_(deck),
      seekWindowOpen_(seekWindowOpen),
      hooks_(std::move(hooks)),
      mainWindow_(mainWindow) {}

void ToolWindows::RunModal(QDialog& dialog) {
    dialog.exec();
}

void ToolWindows::OpenNameSearch() {
    seekWindowOpen_ = true;
    if (seek_ == nullptr)
        seek_ = new NameSearchWindow(seekWindowOpen_, hooks_.shownCatalog, mainWindow_);
    SetTopmost(seek_, true);
}

void ToolWindows::OpenGraph(int index) {
    GraphDialog dialog(db_, deck_, mainWindow_);
    dialog.graphOptions[index]->setChecked(true);
    RunModal(dialog);
}

void ToolWindows::OpenDrawTest() {
    DrawTestDialog dialog(deck_, hooks_.showCard, hooks_.cardPopup, mainWindow_);
    RunModal(dialog);
}

void ToolWindows::OpenDrawOdds() {
    DrawOddsDialog dialog(deck_, *hooks_.settings, mainWindow_);
    RunModal(dialog);
}

void ToolWindows::FollowMainWindow(bool minimised) {
    if (!seekWindowOpen_) return;
    if (minimised) {
        if (seek_ != nullptr) seek_->hide();
        return;
    }
    if (seek_ == nullptr)
        seek_ = new NameSearchWindow(seekWindowOpen_, hooks_.shownCatalog, mainWindow_);
    seek_->show();
}

}  // namespace zemlo

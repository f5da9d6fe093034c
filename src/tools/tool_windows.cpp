#include "tools/tool_windows.h"

#include <QRadioButton>

#include "platform/topmost.h"
#include "tools/frm_draw_odds.h"
#include "tools/frm_graph.h"

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

void ToolWindows::mnuSeek_Click() {
    seekWindowOpen_ = true;
    if (seek_ == nullptr) seek_ = new FrmSeek(seekWindowOpen_, hooks_.shownCatalog, mainWindow_);
    SetTopmost(seek_, true);
}

void ToolWindows::mnuGraph_Click(int index) {
    FrmGraph dialog(db_, deck_, mainWindow_);
    dialog.opt[index]->setChecked(true);
    RunModal(dialog);
}

void ToolWindows::mnuDraw_Click() {
    FrmDraw dialog(deck_, hooks_.showCardInf, hooks_.cardPopup, mainWindow_);
    RunModal(dialog);
}

void ToolWindows::mnuOdds_Click() {
    FrmDrawOdds dialog(db_, deck_, *hooks_.settings, mainWindow_);
    RunModal(dialog);
}

void ToolWindows::FollowMainWindow(bool minimised) {
    if (!seekWindowOpen_) return;
    if (minimised) {
        if (seek_ != nullptr) seek_->hide();
        return;
    }
    if (seek_ == nullptr) seek_ = new FrmSeek(seekWindowOpen_, hooks_.shownCatalog, mainWindow_);
    seek_->show();
}

}  // namespace zemlo

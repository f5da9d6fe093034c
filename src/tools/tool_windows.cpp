#include "tools/tool_windows.h"

#include <QAction>
#include <QMenu>
#include <QRadioButton>

#include "platform/topmost.h"
#include "tools/draw_odds_dialog.h"
#include "tools/graph_dialog.h"

namespace zemlo {

ToolWindows::ToolWindows(const CardDatabase& db, const Deck& deck, Hooks hooks, QWidget* mainWindow)
    : QObject(mainWindow),
      db_(db),
      deck_(deck),
      hooks_(std::move(hooks)),
      mainWindow_(mainWindow) {}

void ToolWindows::AddMenuItems(QMenu* toolMenu) {
    auto add = [toolMenu](const QByteArray& name, const QString& caption) {
        QAction* action = toolMenu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    connect(add("mnuSeek", QStringLiteral("名称検索")), &QAction::triggered, this,
            &ToolWindows::OpenNameSearch);
    toolMenu->addSeparator();
    const QString graphs[6] = {QStringLiteral("ﾛｰﾙｱｳﾄｸﾞﾗﾌ"),   QStringLiteral("HPｸﾞﾗﾌ"),
                               QStringLiteral("近距離ｸﾞﾗﾌ"),   QStringLiteral("遠距離ｸﾞﾗﾌ"),
                               QStringLiteral("ﾕﾆｯﾄ地形ｸﾞﾗﾌ"), QStringLiteral("ﾐｯｼｮﾝ地形ｸﾞﾗﾌ")};
    for (int i = 0; i < 6; ++i) {
        connect(add("mnuGraph" + QByteArray::number(i), graphs[i]), &QAction::triggered, this,
                [this, i] { OpenGraph(i); });
    }
    toolMenu->addSeparator();
    connect(add("mnuDraw", QStringLiteral("ﾄﾞﾛｰﾃｽﾄ")), &QAction::triggered, this,
            &ToolWindows::OpenDrawTest);
    connect(add("mnuOdds", QStringLiteral("ﾄﾞﾛｰ確率")), &QAction::triggered, this,
            &ToolWindows::OpenDrawOdds);
}

void ToolWindows::RunModal(QDialog& dialog) {
    dialog.exec();
}

void ToolWindows::MakeSeekWindow() {
    seek_ = new NameSearchWindow(hooks_.shownCatalog, mainWindow_);
    connect(seek_, &NameSearchWindow::closed, this, [this] { seekWindowOpen_ = false; });
}

void ToolWindows::OpenNameSearch() {
    seekWindowOpen_ = true;
    if (seek_ == nullptr) MakeSeekWindow();
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
    if (seek_ == nullptr) MakeSeekWindow();
    seek_->show();
}

}  // namespace zemlo

#include "ui/view_state.h"

#include <QAction>

#include "settings/view_settings.h"

namespace zemlo {

ViewState::ViewState(SettingsStore& settings, QObject* parent)
    : ViewState(settings, LoadViewSettings(settings), parent) {}

ViewState::ViewState(SettingsStore& settings, const ViewSettings& stored, QObject* parent)
    : QObject(parent),
      settings_(settings),
      compactState_(stored.compactState),
      highlight_(stored.highlightOn) {
    highlightItem = new QAction(QStringLiteral("強調表示"), this);
    highlightItem->setObjectName("mnuKyotyou");
    highlightItem->setCheckable(true);
    highlightItem->setChecked(highlight_.On());
    compactViewItem = new QAction(QStringLiteral("ｺﾝﾊﾟｸﾄ表示"), this);
    compactViewItem->setObjectName("mnuMini");
    compactViewItem->setCheckable(true);
    compactViewItem->setChecked(StartupView() != kNormalView);
    // The menu item has already inverted its check mark.
    connect(highlightItem, &QAction::triggered, &highlight_, &HighlightState::Set);
    connect(compactViewItem, &QAction::triggered, this, &ViewState::CompactViewClicked);
}

void ViewState::CompactViewClicked() {
    const MiniStep step = MiniClicked(compactState_);
    compactState_ = step.compactState;
    emit viewChosen(step.view);
    compactViewItem->setChecked(step.checked);
}

ShowStep ViewState::ShowButtonClicked(int widthTwips) {
    const ShowStep step = ShowClicked(widthTwips);
    compactState_ = step.compactState;
    return step;
}

void ViewState::Save() {
    // A failure is told by the store; closing goes on.
    static_cast<void>(SaveViewSettings(settings_, compactState_, highlight_.On()));
}

}  // namespace zemlo

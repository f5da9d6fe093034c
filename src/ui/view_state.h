// The main window's view section FORM, owned in one place: CompactState and HighlightOn,
// read when the window loads and written when it closes, and the 表示 menu items that change
// them. The window lays itself out for the view chosen; the catalogs follow the highlight.
#pragma once

#include <QObject>

#include "catalog/highlight_state.h"
#include "settings/settings_store.h"
#include "ui/view_rules.h"

class QAction;

namespace zemlo {

class ViewState : public QObject {
    Q_OBJECT
public:
    ViewState(SettingsStore& settings, QObject* parent);

    HighlightState& Highlight() { return highlight_; }
    // The layout view of start-up.
    int StartupView() const { return zemlo::StartupView(compactState_); }
    // The compact view's card-information button at the window width given: what the
    // window becomes.
    ShowStep ShowButtonClicked(int widthTwips);
    // The closing step: FORM written (a failure is told by the store).
    void Save();

    // "強調表示" (mnuKyotyou) and "ｺﾝﾊﾟｸﾄ表示" (mnuMini).
    QAction* highlightItem;
    QAction* compactViewItem;

signals:
    // ｺﾝﾊﾟｸﾄ表示 chose a view to lay out.
    void viewChosen(int view);

private:
    ViewState(SettingsStore& settings, const struct ViewSettings& stored, QObject* parent);
    void CompactViewClicked();

    SettingsStore& settings_;
    int compactState_;
    HighlightState highlight_;
};

}  // namespace zemlo

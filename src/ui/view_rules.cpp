#include "ui/view_rules.h"

namespace zemlo {

bool IsCompactView(int view) {
    return view == kCompactWideView || view == kCompactNarrowView;
}

TwipsSize WindowSizeForView(int view) {
    if (view == kCompactWideView) return {kCompactWideWidth, kCompactWindowHeight};
    if (view == kCompactNarrowView) return {kCompactNarrowWidth, kCompactWindowHeight};
    return {kNormalWindowWidth, kNormalWindowHeight};
}

int StartupView(int compactState) {
    return compactState >= 1 ? compactState : kNormalView;
}

std::u16string ShowButtonCaption(int view) {
    return view == kCompactNarrowView ? u"カード情報表示" : u"非 表 示";
}

MiniStep MiniClicked(int compactState) {
    switch (compactState) {
        case 0:
            return {2, kCompactNarrowView, true};
        case 2:
            return {0, kNormalView, false};
        case 1:
            return {-1, kNormalView, false};
        case -1:
            return {1, kCompactWideView, true};
        default:
            return {compactState, kNormalView, false};
    }
}

ShowStep ShowClicked(int widthTwips) {
    if (widthTwips == kCompactNarrowWidth) {
        return {1, kCompactWideWidth, ShowButtonCaption(kCompactWideView)};
    }
    return {2, kCompactNarrowWidth, ShowButtonCaption(kCompactNarrowView)};
}

MainWindowKey KeyAction(int keyCode, bool ctrlHeld, bool minimised) {
    // Only C gives way to Ctrl, so that Ctrl+C still copies in the focused control.
    switch (keyCode) {
        case kEscapeKeyCode:
            return minimised ? MainWindowKey::None : MainWindowKey::Minimise;
        case kUnitTabKeyCode:
            return MainWindowKey::UnitTab;
        case kMissionTabKeyCode:
            return MainWindowKey::MissionTab;
        case kCharacterTabKeyCode:
            return ctrlHeld ? MainWindowKey::None : MainWindowKey::CharacterTab;
        default:
            return MainWindowKey::None;
    }
}

}  // namespace zemlo

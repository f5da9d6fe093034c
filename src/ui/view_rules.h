// The main window's view states and keyboard rules, free of any window so they can be
// checked on their own.
#pragma once

#include <string>

namespace zemlo {

// Layout views: 0 normal, 1 compact with the card information, 2 compact without it. Any
// other value lays out the normal view.
inline constexpr int kNormalView = 0;
inline constexpr int kCompactWideView = 1;
inline constexpr int kCompactNarrowView = 2;

// Window sizes in twips.
inline constexpr int kNormalWindowWidth = 14010;
inline constexpr int kNormalWindowHeight = 10935;
inline constexpr int kCompactWideWidth = 12500;
inline constexpr int kCompactNarrowWidth = 9180;
inline constexpr int kCompactWindowHeight = 9000;

struct TwipsSize {
    int width;
    int height;
};

// The window size that a layout view gives.
TwipsSize WindowSizeForView(int view);
bool IsCompactView(int view);
// The view laid out at start-up for a stored CompactState.
int StartupView(int compactState);
// The caption of the card-information button in a compact view.
std::u16string ShowButtonCaption(int view);

// One click of the compact-view menu item.
struct MiniStep {
    int compactState;  // the new CompactState
    int view;          // the view to lay out
    bool checked;      // the menu item's check mark
};
MiniStep MiniClicked(int compactState);

// One click of the card-information button: only the width changes, by the current width.
struct ShowStep {
    int compactState;
    int widthTwips;
    std::u16string caption;
};
ShowStep ShowClicked(int widthTwips);

// The key codes the main window answers: letters by their key code, whatever the case.
inline constexpr int kEscapeKeyCode = 27;
inline constexpr int kUnitTabKeyCode = 'U';
inline constexpr int kMissionTabKeyCode = 'M';
inline constexpr int kCharacterTabKeyCode = 'C';

// What a key pressed anywhere in the main window does before the focused control sees it.
enum class MainWindowKey { None, Minimise, UnitTab, MissionTab, CharacterTab };
// Ctrl+C is left to the focused control, so copying still works there.
MainWindowKey KeyAction(int keyCode, bool ctrlHeld, bool minimised);

}  // namespace zemlo

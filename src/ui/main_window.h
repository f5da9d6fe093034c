// frmMain: the thin shell that composes the catalogs, the deck lists, the card information
// panel and the menus. Each subsystem's panel owns its own controls and handlers; this
// window builds them, wires them together and lays them out. Nothing outside reaches into
// its members: tests find the controls by their objectName.
#pragma once

#include <QIcon>
#include <QMainWindow>
#include <array>

#include "carddb/card_fields.h"
#include "catalog/filter_suspension.h"
#include "ui/program_state.h"

class QAction;
class QMenu;
class QPushButton;
class QTabWidget;

namespace zemlo {

class CardInfoPanel;
class CatalogPage;
class DeckHistory;
class DeckPanel;
class DeckFileActions;
class ToolWindows;
class DeckCommands;
class UnitCatalogPage;
class MissionCatalogPage;
class CharacterCatalogPage;
class QuickFilterBar;
struct CatalogData;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Loading the window (Form_Load): applies the view settings of state; stays hidden.
    explicit MainWindow(ProgramState& state, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Fills every search condition's choices and the catalogs; runs once at start-up. The
    // catalog data, when given, was made beforehand from the state's card tables.
    void FormInit();
    void FormInit(CatalogData data);

    // Sets the icon used while minimised from the boss-key settings in the program state.
    void ApplyBossSettings();

    // Opens a deck file named from outside the menus (the command line), after the question
    // before a changed deck is replaced.
    void OpenDeckFile(const QString& path);

    // The caption while the window is not minimised.
    QString NormalCaption() const;
    // The icon shown while the window is minimised or not: the disguise's picture, if any,
    // or the program's own icon.
    const QIcon& WindowIconWhen(bool minimised) const { return icons_[minimised ? 1 : 0]; }

    // For the start-up checks: whether the window became visible before FormInit ended.
    bool WasShownBeforeFormInitEnded() const { return shownBeforeFormInitEnded_; }

    // While suspended the three catalog filters return at once; lifting the suspension
    // does not refilter by itself.
    void SuspendFilters(bool suspended) { filterSuspension_.Set(suspended); }
    bool FiltersSuspended() const { return filterSuspension_.Active(); }
    void RefilterUnits();
    void RefilterMissions();
    void RefilterCharacters();

    // Shows the card in the card information panel, as a selection in any card list does.
    void ShowCard(CardKind kind, const QString& cardNo);

protected:
    // Deck and card information: shows the card popup menu at the mouse; tests look at the
    // request.
    virtual void OpenCardPopup(const QPoint& globalPos);
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    std::array<CatalogPage*, 3> Catalogs() const;
    // Sizes the window and places and sizes every control for view (see view_rules.h);
    // defined beside the layout's measures in main_window_layout.cpp.
    void ArrangeControls(int view);
    void LayOutMainWindow(int view);

    // Menu and button handlers
    void OnTabChanged();
    void ClearShownConditions();
    void ToggleHighlight();
    void ToggleCompactView();
    void ToggleCardInfoWidth();
    void OpenBossSettings();
    void OpenVersionDialog();
    void CopyPopupCard();
    // Right button on any card list with exactly one entry selected.
    void ShowCardPopup(CardKind kind, const QString& entry, const QPoint& globalPos);
    // Key preview: every key pressed anywhere in the window, before the focused control.
    // Returns true when the key was used here.
    bool HandleKey(int keyCode, Qt::KeyboardModifiers modifiers);
    // The closing step: the view settings are stored.
    void SaveViewState();
    // Runs on every change of window state: caption and icon follow the minimised state.
    void FollowWindowState();
    // The name search window hides while this window is minimised and returns on restore.
    void FollowSeekWindow();

    ProgramState& state_;
    bool formInitDone_ = false;
    bool shownBeforeFormInitEnded_ = false;
    // FiltersSuspended, owned here: the three catalogs read it before they refilter and
    // hold it only for the span of a scope. Held from construction until FormInit has
    // prepared the catalogs.
    FilterSuspension filterSuspension_;

    // The program's icon and the one shown while minimised; the boss-key dialog keeps the
    // second up to date.
    QIcon icons_[2];

    QMenu* fileMenu_ = nullptr;
    QAction* openItem_ = nullptr;
    QAction* saveItem_ = nullptr;
    QAction* outputItemsItem_ = nullptr;
    QAction* copyDeckItem_ = nullptr;
    QAction* exitItem_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QAction* clearConditionsItem_ = nullptr;
    QMenu* clearListsMenu_ = nullptr;
    QAction* clearUnitsItem_ = nullptr;
    QAction* clearMissionsItem_ = nullptr;
    QAction* clearCharactersItem_ = nullptr;
    QAction* clearAllListsItem_ = nullptr;
    QAction* highlightItem_ = nullptr;
    QAction* compactViewItem_ = nullptr;
    QAction* quickFilterItem_ = nullptr;
    QMenu* toolMenu_ = nullptr;
    QAction* nameSearchItem_ = nullptr;
    std::array<QAction*, 6> graphItems_{};
    QAction* drawTestItem_ = nullptr;
    QAction* drawOddsItem_ = nullptr;
    QAction* bossKeyItem_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QAction* versionItem_ = nullptr;
    QMenu* cardPopup_ = nullptr;
    QAction* copyCardItem_ = nullptr;

    QTabWidget* catalogTabs_ = nullptr;
    UnitCatalogPage* unitCatalog_ = nullptr;
    MissionCatalogPage* missionCatalog_ = nullptr;
    CharacterCatalogPage* characterCatalog_ = nullptr;
    // The quick filter bar under the catalog in front; hidden until Ctrl+F.
    QuickFilterBar* quickFilterBar_ = nullptr;
    // The deck of the program state, changed only through its history, shown by the deck
    // panel.
    DeckHistory* deckHistory_ = nullptr;
    DeckPanel* deckPanel_ = nullptr;
    CardInfoPanel* cardInfoPanel_ = nullptr;
    // Save, open, output items and deck text of the file menu.
    DeckFileActions* deckFileActions_ = nullptr;
    // Undo and redo, the unsaved-deck question, recent files, drops and deck text import.
    DeckCommands* deckCommands_ = nullptr;
    // The graphs, the draw test, the draw odds and the name search window.
    ToolWindows* toolWindows_ = nullptr;
    // The compact view's card-information button.
    QPushButton* cardInfoButton_ = nullptr;
};

// The program's own icon, drawn once.
QIcon ProgramIcon();

}  // namespace zemlo

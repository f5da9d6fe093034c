// frmMain: the thin shell that composes the catalogs, the deck lists, the card information
// panel and the menus. Each subsystem's panel owns its own controls and handlers; this
// window wires them together and keeps the process-wide view state.
#pragma once

#include <QIcon>
#include <QMainWindow>

#include "app/program_state.h"
#include "carddb/card_fields.h"

class QAction;
class QMenu;
class QPushButton;
class QTabWidget;

namespace zemlo {

class CardInfoPanel;
class DeckHistory;
class DeckPanel;
class DeckFileActions;
class ToolWindows;
class DeckCommands;
class UnitCatalogPage;
class MissionCatalogPage;
class CharacterCatalogPage;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Loading the window (Form_Load): applies the view settings of state; stays hidden.
    explicit MainWindow(ProgramState& state, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Fills every search condition's choices and the catalogs; runs once at start-up.
    void FormInit();

    // Sets the icon used while minimised from the boss-key settings in the program state.
    void ApplyBossSettings();

    // The caption while the window is not minimised.
    QString NormalCaption() const;

    // For the start-up checks: whether the window became visible before FormInit ended.
    bool WasShownBeforeFormInitEnded() const { return shownBeforeFormInitEnded_; }

    ProgramState& State() { return state_; }

    // While true the three catalog filters return at once.
    bool FiltersSuspended = true;

    QTabWidget* ssTab;
    QIcon imgIcon[2];

    QMenu* mnuFile;
    QAction* mnuOpen;
    QAction* mnuSave;
    QAction* mnuOptFile;
    QAction* mnuCopy;
    QAction* mnuExit;
    QMenu* mnuView;
    QAction* mnuClearS;
    QMenu* mnuClaer;
    QAction* mnuClaerU;
    QAction* mnuClearM;
    QAction* mnuClearC;
    QAction* mnuClearA;
    QAction* mnuKyotyou;
    QAction* mnuMini;
    QMenu* mnuTool;
    QAction* mnuSeek;
    QAction* mnuGraph[6];
    QAction* mnuDraw;
    QAction* mnuOdds;
    QAction* mnuBoss;
    QMenu* mnuHelp;
    QAction* mnuVer;
    QMenu* mnuPopup;
    QAction* mnuClip;

    void ssTab_Click(int previousTab);

    // Catalogs
    UnitCatalogPage* unitCatalog = nullptr;
    MissionCatalogPage* missionCatalog = nullptr;
    CharacterCatalogPage* charCatalog = nullptr;
    void RefilterUnits();
    void RefilterMissions();
    void RefilterCharacters();
    void mnuClearS_Click();
    void mnuKyotyou_Click();

    // Deck and card information: the deck of the program state, changed only through its
    // history, shown by the deck panel.
    DeckHistory* deckHistory_ = nullptr;
    DeckPanel* deckPanel_ = nullptr;
    CardInfoPanel* cardInfoPanel_ = nullptr;
    void ShowCardInf(CardKind pMode, const QString& pCode);
    void CheckDeckCount();
    void ShowTotalPoint();
    void mnuClaerU_Click();
    void mnuClearM_Click();
    void mnuClearC_Click();
    void mnuClearA_Click();
    void mnuClip_Click();
    // Right button on any card list with exactly one entry selected.
    void CardList_MouseDown(CardKind kind, const QString& entry, const QPoint& globalPos);

    // Deck files
    // Save, open, output items and deck text of the file menu, on the deck panel's lists.
    DeckFileActions* deckFileActions_ = nullptr;
    // Undo and redo, the unsaved-deck question, recent files, drops and deck text import.
    DeckCommands* deckCommands_ = nullptr;

    // Tools: the graphs, the draw test and the name search window.
    ToolWindows* toolWindows_ = nullptr;

    // Window behaviour: compact view, boss key, version dialog
    QPushButton* cmdShow = nullptr;
    void mnuMini_Click();
    void cmdShow_Click();
    void mnuBoss_Click();
    void mnuVer_Click();
    // Key preview: every key pressed anywhere in the window, before the focused control.
    // Returns true when the key was used here.
    bool Form_KeyDown(int keyCode, Qt::KeyboardModifiers shift);

protected:
    // Deck and card information: shows mnuPopup at the mouse; tests look at the request.
    virtual void OpenCardPopup(const QPoint& globalPos);
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void LayOutMainWindow(int view);
    void Form_QueryUnload();
    void Form_Resize();
    // The name search window hides while this window is minimised and returns on restore.
    void FollowSeekWindow();

    ProgramState& state_;
    bool formInitDone_ = false;
    bool shownBeforeFormInitEnded_ = false;
};

// The program's own icon, drawn once.
QIcon ProgramIcon();

}  // namespace zemlo

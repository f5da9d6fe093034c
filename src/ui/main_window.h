// frmMain: the thin shell that composes the catalogs, the deck lists, the card information
// panel and the menus. Each subsystem's part owns its own controls, handlers and menu items;
// this window builds the parts, wires them together and lays them out. Nothing outside
// reaches into its members: tests find the controls by their objectName.
#pragma once

#include <QMainWindow>

#include "carddb/card_fields.h"
#include "catalog/filter_suspension.h"
#include "ui/boss_key.h"
#include "ui/program_state.h"

class QMenu;
class QPushButton;

namespace zemlo {

class CardExtras;
class CardInfoPanel;
class CardPopupMenu;
class CatalogTabs;
class DeckCommands;
class DeckEntry;
class DeckPanel;
class ToolWindows;
class ViewState;
struct CatalogData;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Loading the window (Form_Load): reads and applies the view settings (section FORM,
    // written again when the window closes); stays hidden.
    explicit MainWindow(ProgramState& state, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Fills every search condition's choices and the catalogs; runs once at start-up. The
    // catalog data, when given, was made beforehand from the state's card tables.
    void FormInit();
    void FormInit(CatalogData data);
    // Reads the boss-key settings and the icon shown while minimised; runs at start-up.
    void ApplyBossSettings() { bossKey_.Load(); }
    // Opens a deck file named from outside the menus (the command line), after the question
    // before a changed deck is replaced.
    void OpenDeckFile(const QString& path);

    // The caption while the window is not minimised.
    QString NormalCaption() const;
    // The icon shown while the window is minimised or not.
    const QIcon& WindowIconWhen(bool minimised) const { return bossKey_.IconWhen(minimised); }
    // For the start-up checks: whether the window became visible before FormInit ended.
    bool WasShownBeforeFormInitEnded() const { return shownBeforeFormInitEnded_; }

    // While suspended the three catalog filters return at once; lifting the suspension
    // does not refilter by itself.
    void SuspendFilters(bool suspended) { filterSuspension_.Set(suspended); }
    bool FiltersSuspended() const { return filterSuspension_.Active(); }
    void RefilterUnits();

    // Shows the card in the card information panel, as a selection in any card list does.
    void ShowCard(CardKind kind, const QString& cardNo);

protected:
    // Shows the card popup menu at the mouse; tests look at the request.
    virtual void OpenCardPopup(const QPoint& globalPos);
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildMenus(QMenu* viewMenu, QMenu* toolMenu, QMenu* helpMenu);
    void ShowCardPopup(const DeckEntry& entry, const QPoint& globalPos);
    // Sizes the window and places and sizes every control for view (see view_rules.h);
    // defined beside the layout's measures in main_window_layout.cpp.
    void ArrangeControls(int view);
    void LayOutMainWindow(int view);
    void ToggleCardInfoWidth();

    ProgramState& state_;
    bool formInitDone_ = false;
    bool shownBeforeFormInitEnded_ = false;
    // FiltersSuspended, owned here: the three catalogs read it before they refilter and
    // hold it only for the span of a scope. Held from construction until FormInit has
    // prepared the catalogs.
    FilterSuspension filterSuspension_;
    ViewState* view_;
    BossKey bossKey_;

    CatalogTabs* catalogs_ = nullptr;
    DeckPanel* deckPanel_ = nullptr;
    CardInfoPanel* cardInfoPanel_ = nullptr;
    CardPopupMenu* cardPopup_ = nullptr;
    // The ﾌｧｲﾙ menu's deck commands, the library, the deck sheet, recent files, drops.
    DeckCommands* deckCommands_ = nullptr;
    // The graphs, the draw test, the draw odds and the name search window.
    ToolWindows* toolWindows_ = nullptr;
    // The card images and the cards owned.
    CardExtras* extras_ = nullptr;
    // The compact view's card-information button.
    QPushButton* cardInfoButton_ = nullptr;
};

}  // namespace zemlo

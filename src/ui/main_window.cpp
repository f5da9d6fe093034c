#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "cardinfo/card_info_panel.h"
#include "cardinfo/card_popup_menu.h"
#include "catalog/catalog_data.h"
#include "catalog/catalog_page.h"
#include "catalog/catalog_tabs.h"
#include "deck/deck_edit_menu.h"
#include "deck/deck_panel.h"
#include "deckfile/file_menu.h"
#include "platform/twips.h"
#include "tools/tool_windows.h"
#include "ui/card_extras.h"
#include "ui/deck_commands.h"
#include "ui/version_dialog.h"
#include "ui/view_state.h"
#include "ui/window_keys.h"

namespace zemlo {
namespace {

QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

}  // namespace

MainWindow::MainWindow(ProgramState& state, QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      view_(new ViewState(state.settings, this)),
      bossKey_(state.settings, ProgramIcon()) {
    setObjectName("frmMain");
    // A fixed single border: the player can minimise the window but not resize or maximise it.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(bossKey_.IconWhen(false));
    setWindowTitle(NormalCaption());

    // The menu bar in its order; each part adds its own items below.
    auto* fileMenu = new FileMenu(menuBar());
    AddDeckEditMenu(menuBar(), state_.document.History());
    QMenu* viewMenu = AddMenu(menuBar(), "mnuView", QStringLiteral("表示(&V)"));
    QMenu* toolMenu = AddMenu(menuBar(), "mnuTool", QStringLiteral("ﾂｰﾙ(&T)"));
    QMenu* helpMenu = AddMenu(menuBar(), "mnuHelp", QStringLiteral("ﾍﾙﾌﾟ(&H)"));

    auto* central = new QWidget(this);
    central->setObjectName("frmMainClient");
    setCentralWidget(central);
    // Their places and sizes are the layout's (ArrangeControls).
    catalogs_ = new CatalogTabs(state_.db, filterSuspension_, view_->Highlight(), central);
    // The card information keeps what it shows with each step of the deck's history.
    cardInfoPanel_ = new CardInfoPanel(state_.db, central);
    DeckHistory& history = state_.document.History();
    CardInfoPanel* info = cardInfoPanel_;
    connect(&history, &DeckHistory::stepStarting, info, &CardInfoPanel::KeepViewBeforeStep);
    connect(&history, &DeckHistory::stepRecorded, info, &CardInfoPanel::KeepViewAfterStep);
    connect(&history, &DeckHistory::stepReplayed, info, &CardInfoPanel::ShowViewOfStep);
    connect(&history, &DeckHistory::stepForgotten, info, &CardInfoPanel::ForgetStep);
    deckPanel_ = new DeckPanel(history, central);
    cardPopup_ = new CardPopupMenu(state_.db, this);
    // Every selection change of the six lists and every addition shows the entry's card.
    for (CatalogPage* catalog : catalogs_->Pages()) {
        connect(catalog, &CatalogPage::entryActivated, deckPanel_, &DeckPanel::AddCard);
        connect(catalog, &CatalogPage::entrySelected, info, &CardInfoPanel::ShowEntry);
        connect(catalog, &CatalogPage::popupRequested, this, &MainWindow::ShowCardPopup);
    }
    connect(deckPanel_, &DeckPanel::entrySelected, info, &CardInfoPanel::ShowEntry);
    connect(deckPanel_, &DeckPanel::cardAdded, info, &CardInfoPanel::ShowEntry);
    connect(deckPanel_, &DeckPanel::popupRequested, this, &MainWindow::ShowCardPopup);

    // Our own features around the card lists: the card images and the cards owned.
    extras_ = new CardExtras(state_, {catalogs_->Pages(), *deckPanel_, *info, *fileMenu}, this);
    deckCommands_ =
        new DeckCommands({*this, *fileMenu, state_.document, state_.DeckFiles(),
                          [info] { return info->ShownCardNo(); }, &extras_->Collection()});
    // An emptied deck is no longer its file's: 上書き保存 asks for a name again.
    connect(deckPanel_, &DeckPanel::allListsCleared, &state_.document, &DeckDocument::ForgetFile);
    fileMenu->AddExitItem(this);

    // Tools: the windows read the cards, the deck and the shown catalog, and call back for
    // the card information and the card popup.
    toolWindows_ = new ToolWindows(
        state_.db, state_.document.CurrentDeck(),
        {[info](const DeckEntry& entry) { info->ShowEntry(entry); },
         [this](const DeckEntry& entry, const QPoint& at) { ShowCardPopup(entry, at); },
         [this] { return catalogs_->ShownPage(); }, &state_.settings},
        this);
    BuildMenus(viewMenu, toolMenu, helpMenu);

    cardInfoButton_ = new QPushButton(central);
    cardInfoButton_->setObjectName("cmdShow");
    cardInfoButton_->setFocusPolicy(Qt::NoFocus);
    cardInfoButton_->hide();
    connect(cardInfoButton_, &QPushButton::clicked, this, &MainWindow::ToggleCardInfoWidth);
    connect(view_, &ViewState::viewChosen, this, &MainWindow::LayOutMainWindow);
    new WindowKeys(*this, *catalogs_);

    // Form_Load: highlight state, suspended filters, the layout for the stored view.
    if (view_->Highlight().On()) catalogs_->ShowLoadHighlight();
    filterSuspension_.Set(true);
    LayOutMainWindow(view_->StartupView());
    QApplication::processEvents();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildMenus(QMenu* viewMenu, QMenu* toolMenu, QMenu* helpMenu) {
    viewMenu->addAction(catalogs_->clearConditionsItem);
    deckPanel_->AddClearListsMenu(viewMenu);
    viewMenu->addSeparator();
    viewMenu->addActions({view_->highlightItem, view_->compactViewItem});
    extras_->AddShowOwnedItem(viewMenu);
    viewMenu->addAction(catalogs_->quickFilterItem);
    extras_->AddCardImageItem(viewMenu);

    toolWindows_->AddMenuItems(toolMenu);
    toolMenu->addSeparator();
    bossKey_.AddMenuItem(toolMenu, this, state_.programDir);
    extras_->AddCollectionItem(toolMenu);
    VersionDialog::AddMenuItem(helpMenu, this);
}

QString MainWindow::NormalCaption() const {
    QString caption = QStringLiteral("ZEMLOSAGAﾃﾞｯｷ作成支援ﾂｰﾙ");
    if (state_.db.orvelDataLoaded) caption += QStringLiteral(" [ORVELｵﾘｼﾞﾅﾙﾃﾞｰﾀｻﾎﾟｰﾄ]");
    return caption;
}

void MainWindow::LayOutMainWindow(int view) {
    // Repainting waits until every control has its new place and font, instead of hiding
    // the window, which would make the window manager place it afresh.
    setUpdatesEnabled(false);
    ArrangeControls(view);
    setUpdatesEnabled(true);
    // During start-up the window stays hidden until the start-up sequence shows it.
    if (!filterSuspension_.Active()) show();
    QApplication::processEvents();
}

void MainWindow::ToggleCardInfoWidth() {
    const bool narrow = width() == TwipsToPixels(kCompactNarrowWidth);
    const ShowStep step =
        view_->ShowButtonClicked(narrow ? kCompactNarrowWidth : kCompactWideWidth);
    cardInfoButton_->setText(QString::fromStdU16String(step.caption));
    setFixedWidth(TwipsToPixels(step.widthTwips));
}

void MainWindow::FormInit() {
    FormInit(BuildCatalogData(state_.db));
}

void MainWindow::FormInit(CatalogData data) {
    filterSuspension_.Set(true);
    setWindowIcon(bossKey_.IconWhen(false));
    // The caption as the load step leaves it; the resize handling sets the full one.
    setWindowTitle(QStringLiteral("EMLOデッキ作成支援"));
    catalogs_->PrepareCatalogs(std::move(data));
    // Deck counters
    cardInfoPanel_->BringToFront(CardKind::Unit);  // every run starts with the unit frame
    deckPanel_->CheckDeckCount();
    deckPanel_->ShowTotalPoint();
    filterSuspension_.Set(false);
    catalogs_->RefilterAll();
    formInitDone_ = true;
    setWindowTitle(NormalCaption());
}

void MainWindow::RefilterUnits() {
    catalogs_->Pages()[0]->Refilter();
}

void MainWindow::ShowCard(CardKind kind, const QString& cardNo) {
    cardInfoPanel_->ShowCard(kind, cardNo);
}

void MainWindow::OpenDeckFile(const QString& path) {
    deckCommands_->OpenDeckFile(path);
}

void MainWindow::ShowCardPopup(const DeckEntry& entry, const QPoint& globalPos) {
    cardPopup_->SetCard(entry);
    OpenCardPopup(globalPos);
}

void MainWindow::OpenCardPopup(const QPoint& globalPos) {
    cardPopup_->Open(globalPos);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A changed deck is offered for saving first; staying writes no settings.
    if (!deckCommands_->MayDiscardDeck()) {
        event->ignore();
        return;
    }
    view_->Save();
    event->accept();
    // Closing the main window ends the program, every other window with it.
    QApplication::closeAllWindows();
    QApplication::quit();
}

void MainWindow::showEvent(QShowEvent* event) {
    if (!formInitDone_) shownBeforeFormInitEnded_ = true;
    QMainWindow::showEvent(event);
}

void MainWindow::changeEvent(QEvent* event) {
    // The caption and icon follow the minimised state (the boss key's disguise), and so do
    // the name search and card image windows while they are open.
    if (event->type() == QEvent::WindowStateChange) {
        if (toolWindows_ != nullptr) toolWindows_->FollowMainWindow(isMinimized());
        if (extras_ != nullptr) extras_->FollowMainWindow(isMinimized());
        bossKey_.Dress(*this, isMinimized(), NormalCaption());
    }
    QMainWindow::changeEvent(event);
}

}  // namespace zemlo

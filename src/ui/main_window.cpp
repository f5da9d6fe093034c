#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include "cardinfo/card_info_panel.h"
#include "cardinfo/card_popup_menu.h"
#include "catalog/catalog_page.h"
#include "catalog/catalog_tabs.h"
#include "catalog/highlight_state.h"
#include "deck/deck_edit_menu.h"
#include "deck/deck_panel.h"
#include "deckfile/file_menu.h"
#include "platform/key_value_source.h"
#include "platform/process_launcher.h"
#include "platform/program_dir.h"
#include "platform/twips.h"
#include "platform/window_caption.h"
#include "settings/view_settings.h"
#include "tools/tool_windows.h"
#include "ui/boss_key_dialog.h"
#include "ui/deck_commands.h"
#include "ui/version_dialog.h"
#include "ui/view_rules.h"

namespace zemlo {
namespace {

QAction* AddItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

}  // namespace

QIcon ProgramIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(QColor(24, 48, 96));
    QPainter painter(&pixmap);
    painter.setPen(QColor(250, 210, 60));
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(24);
    painter.setFont(font);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("Z"));
    return QIcon(pixmap);
}

MainWindow::MainWindow(ProgramState& state, QWidget* parent)
    : QMainWindow(parent), state_(state), bossKey_(state.settings, ProgramIcon()) {
    setObjectName("frmMain");
    // A fixed single border: the player can minimise the window but not resize or maximise it.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    const ViewSettings view = LoadViewSettings(state_.settings);
    compactState_ = view.compactState;
    highlight_ = new HighlightState(view.highlightOn, this);
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
    catalogs_ = new CatalogTabs(state_.db, filterSuspension_, *highlight_, central);
    // The card information keeps what it shows with each step of the deck's history.
    cardInfoPanel_ = new CardInfoPanel(state_.db, central);
    DeckHistory& history = state_.document.History();
    connect(&history, &DeckHistory::stepStarting, cardInfoPanel_,
            &CardInfoPanel::KeepViewBeforeStep);
    connect(&history, &DeckHistory::stepRecorded, cardInfoPanel_,
            &CardInfoPanel::KeepViewAfterStep);
    connect(&history, &DeckHistory::stepReplayed, cardInfoPanel_, &CardInfoPanel::ShowViewOfStep);
    connect(&history, &DeckHistory::stepForgotten, cardInfoPanel_, &CardInfoPanel::ForgetStep);
    deckPanel_ = new DeckPanel(history, central);
    cardPopup_ = new CardPopupMenu(state_.db, this);
    // Every selection change of the six lists and every addition shows the entry's card.
    for (CatalogPage* catalog : catalogs_->Pages()) {
        connect(catalog, &CatalogPage::entryActivated, deckPanel_, &DeckPanel::AddCard);
        connect(catalog, &CatalogPage::entrySelected, this, &MainWindow::ShowEntryCard);
        connect(catalog, &CatalogPage::popupRequested, this, &MainWindow::ShowCardPopup);
    }
    connect(deckPanel_, &DeckPanel::entrySelected, this, &MainWindow::ShowEntryCard);
    connect(deckPanel_, &DeckPanel::cardAdded, this, &MainWindow::ShowEntryCard);
    connect(deckPanel_, &DeckPanel::popupRequested, this, &MainWindow::ShowCardPopup);

    deckCommands_ =
        new DeckCommands({*this, *fileMenu, state_.document, state_.DeckFiles(), [this] {
                              const CardInfoView shown = cardInfoPanel_->View();
                              return shown.shown[static_cast<size_t>(shown.front)];
                          }});
    QAction* exitItem = new QAction(QStringLiteral("終了(&X)"), this);
    exitItem->setObjectName("mnuExit");
    fileMenu->Add(FileMenuSection::Exit, exitItem);
    connect(exitItem, &QAction::triggered, this, &QWidget::close);

    // Tools: the windows read the cards, the deck and the shown catalog, and call back for
    // the card information and the card popup.
    ToolWindows::Hooks toolHooks;
    toolHooks.showCard = [this](const DeckEntry& entry) { ShowEntryCard(entry); };
    toolHooks.cardPopup = [this](const DeckEntry& entry, const QPoint& at) {
        ShowCardPopup(entry, at);
    };
    toolHooks.shownCatalog = [this] { return catalogs_->ShownPage(); };
    toolHooks.settings = &state_.settings;
    toolWindows_ =
        new ToolWindows(state_.db, state_.document.CurrentDeck(), std::move(toolHooks), this);
    BuildMenus(viewMenu, toolMenu, helpMenu);

    cardInfoButton_ = new QPushButton(central);
    cardInfoButton_->setObjectName("cmdShow");
    cardInfoButton_->setFocusPolicy(Qt::NoFocus);
    cardInfoButton_->hide();
    connect(cardInfoButton_, &QPushButton::clicked, this, &MainWindow::ToggleCardInfoWidth);
    qApp->installEventFilter(this);

    // Form_Load: highlight state, suspended filters, the layout for the stored view.
    highlightItem_->setChecked(highlight_->IsOn());
    if (highlight_->IsOn()) catalogs_->ShowLoadHighlight();
    filterSuspension_.Set(true);
    const int startView = StartupView(compactState_);
    LayOutMainWindow(startView);
    compactViewItem_->setChecked(startView != 0);
    QApplication::processEvents();
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
}

void MainWindow::BuildMenus(QMenu* viewMenu, QMenu* toolMenu, QMenu* helpMenu) {
    viewMenu->addAction(catalogs_->clearConditionsItem);
    deckPanel_->AddClearListsMenu(viewMenu);
    viewMenu->addSeparator();
    highlightItem_ = AddItem(viewMenu, "mnuKyotyou", QStringLiteral("強調表示"));
    highlightItem_->setCheckable(true);
    compactViewItem_ = AddItem(viewMenu, "mnuMini", QStringLiteral("ｺﾝﾊﾟｸﾄ表示"));
    compactViewItem_->setCheckable(true);
    viewMenu->addAction(catalogs_->quickFilterItem);
    // The menu item has already inverted its check mark.
    connect(highlightItem_, &QAction::triggered, highlight_, &HighlightState::Set);
    connect(compactViewItem_, &QAction::triggered, this, &MainWindow::ToggleCompactView);

    toolWindows_->AddMenuItems(toolMenu);
    toolMenu->addSeparator();
    connect(AddItem(toolMenu, "mnuBoss", QStringLiteral("ﾎﾞｽが来た機能の設定")),
            &QAction::triggered, this, [this] {
                BossKeyDialog dialog(bossKey_, state_.programDir, this);
                dialog.exec();
            });
    connect(AddItem(helpMenu, "mnuVer", QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報")), &QAction::triggered, this,
            [this] {
                VersionDialog dialog(QString::fromStdString(ProgramName()), SystemKeyValues(),
                                     SystemProcesses(), this);
                dialog.exec();
            });
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

void MainWindow::ToggleCompactView() {
    const MiniStep step = MiniClicked(compactState_);
    compactState_ = step.compactState;
    LayOutMainWindow(step.view);
    compactViewItem_->setChecked(step.checked);
}

void MainWindow::ToggleCardInfoWidth() {
    const bool narrow = width() == TwipsToPixels(kCompactNarrowWidth);
    const ShowStep step = ShowClicked(narrow ? kCompactNarrowWidth : kCompactWideWidth);
    cardInfoButton_->setText(QString::fromStdU16String(step.caption));
    setFixedWidth(TwipsToPixels(step.widthTwips));
    compactState_ = step.compactState;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int code = key->key() == Qt::Key_Escape ? kEscapeKeyCode : key->key();
        // In the quick filter's text every letter is text; Esc stays the boss key.
        const bool inText = catalogs_ != nullptr && catalogs_->IsQuickFilterText(watched);
        if ((!inText || code == kEscapeKeyCode) && HandleKey(code, key->modifiers())) return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::HandleKey(int keyCode, Qt::KeyboardModifiers modifiers) {
    switch (KeyAction(keyCode, modifiers.testFlag(Qt::ControlModifier), isMinimized())) {
        case MainWindowKey::Minimise:
            showMinimized();
            return true;
        case MainWindowKey::UnitTab:
            catalogs_->ShowKind(CardKind::Unit);
            return true;
        case MainWindowKey::MissionTab:
            catalogs_->ShowKind(CardKind::Mission);
            return true;
        case MainWindowKey::CharacterTab:
            catalogs_->ShowKind(CardKind::Character);
            return true;
        case MainWindowKey::None:
            return false;
    }
    return false;
}

void MainWindow::FormInit() {
    filterSuspension_.Set(true);
    setWindowIcon(bossKey_.IconWhen(false));
    // The caption as the load step leaves it; the resize handling sets the full one.
    setWindowTitle(QStringLiteral("EMLOデッキ作成支援"));
    catalogs_->PrepareCatalogs();
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
void MainWindow::RefilterMissions() {
    catalogs_->Pages()[1]->Refilter();
}
void MainWindow::RefilterCharacters() {
    catalogs_->Pages()[2]->Refilter();
}

void MainWindow::ShowCard(CardKind kind, const QString& cardNo) {
    cardInfoPanel_->ShowCard(kind, cardNo);
}

void MainWindow::ShowEntryCard(const DeckEntry& entry) {
    ShowCard(entry.Kind(), QString::fromStdU16String(std::u16string(entry.CardNo())));
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
    // A failure is told by the store; closing goes on.
    static_cast<void>(SaveViewSettings(state_.settings, compactState_, highlight_->IsOn()));
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
    if (event->type() == QEvent::WindowStateChange) FollowWindowState();
    QMainWindow::changeEvent(event);
}

// The caption and icon follow the minimised state (the boss key's disguise), and so does
// the name search window while it is open.
void MainWindow::FollowWindowState() {
    if (toolWindows_ != nullptr) toolWindows_->FollowMainWindow(isMinimized());
    setWindowIcon(bossKey_.IconWhen(isMinimized()));
    if (!isMinimized()) {
        setWindowTitle(NormalCaption());
        return;
    }
    const QString caption = bossKey_.MinimisedCaption(NormalCaption());
    setWindowTitle(caption);
    // Qt shows the program's name for an empty title, which would give the disguise away;
    // the title stays empty for Qt, so the restore below is sent as a change.
    if (caption.isEmpty()) Captions().WriteEmptyCaption(*this);
}

}  // namespace zemlo

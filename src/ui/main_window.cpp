#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <array>

#include "catalog/catalog_choices.h"
#include "catalog/catalog_entry.h"
#include "catalog/character_catalog_page.h"
#include "catalog/highlight_colors.h"
#include "catalog/mission_catalog_page.h"
#include "catalog/unit_catalog_page.h"
#include "deck/card_clip_text.h"
#include "deck/card_info_panel.h"
#include "deck/deck_history.h"
#include "deck/deck_panel.h"
#include "deckfile/deck_file_actions.h"
#include "deckfile/deck_sheet_actions.h"
#include "platform/key_value_source.h"
#include "platform/process_launcher.h"
#include "platform/program_dir.h"
#include "platform/twips.h"
#include "platform/window_caption.h"
#include "tools/deck_library_actions.h"
#include "tools/tool_windows.h"
#include "ui/boss_rules.h"
#include "ui/deck_commands.h"
#include "ui/frm_about.h"
#include "ui/frm_boss.h"
#include "ui/main_window_layout.h"
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

MainWindow::MainWindow(ProgramState& state, QWidget* parent) : QMainWindow(parent), state_(state) {
    setObjectName("frmMain");
    // A fixed single border: the player can minimise the window but not resize or maximise it.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    imgIcon[0] = ProgramIcon();
    imgIcon[1] = imgIcon[0];
    setWindowIcon(imgIcon[0]);
    setWindowTitle(NormalCaption());

    BuildMenus();

    auto* central = new QWidget(this);
    central->setObjectName("frmMainClient");
    setCentralWidget(central);

    ssTab = new QTabWidget(central);
    ssTab->setObjectName("ssTab");
    for (const QString& caption : {QStringLiteral("ユニット"), QStringLiteral("ミッション"),
                                   QStringLiteral("キャラクター")}) {
        auto* page = new QWidget;
        ssTab->addTab(page, caption);
    }
    // Catalogs: each tab page holds its search panel and catalog.
    unitCatalog = new UnitCatalogPage(state_.db, FiltersSuspended, state_.highlightOn);
    missionCatalog = new MissionCatalogPage(state_.db, FiltersSuspended, state_.highlightOn);
    charCatalog = new CharacterCatalogPage(state_.db, FiltersSuspended, state_.highlightOn);
    const std::array<CatalogPage*, 3> catalogs = {unitCatalog, missionCatalog, charCatalog};
    for (int tab = 0; tab < 3; ++tab) {
        auto* tabLayout = new QVBoxLayout(ssTab->widget(tab));
        tabLayout->setContentsMargins(0, 0, 0, 0);
        tabLayout->addWidget(catalogs[tab]);
    }

    // Deck and card information: the deck lists beside the tabs, the card panel at the right;
    // every change of the deck goes through its history, which brings back what the card
    // panel showed when a step is taken back or done again.
    cardInfoPanel_ = new CardInfoPanel(state_.db, central);
    PlaceTwips(cardInfoPanel_, 9060, 60, 4890, 10275);
    deckHistory_ = new DeckHistory(state_.deck, cardInfoPanel_, this);
    deckPanel_ = new DeckPanel(*deckHistory_, central);
    PlaceTwips(deckPanel_, 6280, 60, 2700, 10275);
    // Every selection change of the six lists and every addition shows the entry's card.
    auto showEntryCard = [this](CardKind kind, const QString& entry) {
        ShowCardInf(kind, QString::fromStdU16String(EntryCardNo(entry.toStdU16String())));
    };
    for (CatalogPage* catalog : catalogs) {
        connect(catalog, &CatalogPage::entryActivated, deckPanel_, &DeckPanel::AddCard);
        connect(catalog, &CatalogPage::entrySelected, this, showEntryCard);
        connect(catalog, &CatalogPage::popupRequested, this, &MainWindow::CardList_MouseDown);
    }
    connect(deckPanel_, &DeckPanel::entrySelected, this, showEntryCard);
    connect(deckPanel_, &DeckPanel::cardAdded, this, showEntryCard);
    connect(deckPanel_, &DeckPanel::popupRequested, this, &MainWindow::CardList_MouseDown);

    // Deck files: the file menu's deck commands read the deck and replace it through its
    // history.
    deckFileActions_ = new DeckFileActions(state_.DeckFiles(), *deckHistory_, this);
    connect(mnuOpen, &QAction::triggered, deckFileActions_, &DeckFileActions::mnuOpen_Click);
    connect(mnuSave, &QAction::triggered, deckFileActions_, &DeckFileActions::mnuSave_Click);
    connect(mnuOptFile, &QAction::triggered, deckFileActions_, &DeckFileActions::mnuOptFile_Click);
    connect(mnuCopy, &QAction::triggered, deckFileActions_, &DeckFileActions::mnuCopy_Click);
    deckCommands_ = new DeckCommands({*this,
                                      {mnuFile, mnuOpen, mnuSave, mnuCopy, mnuExit, mnuView},
                                      *deckHistory_,
                                      *deckFileActions_,
                                      state_.db,
                                      state_.settings});
    // The deck sheet's commands follow the deck text import, as a group of their own.
    auto* deckSheet = new DeckSheetActions(state_.settings, state_.programDir, state_.deck, this);
    deckSheet->AddMenuItems(mnuFile, deckCommands_->mnuImport);
    deckSheet->FollowDeckFiles(*deckFileActions_);
    // The deck library follows the save command; it opens decks as the recent files do.
    LibraryHooks libraryHooks;
    libraryHooks.currentDeck = [this](CardKind kind) { return state_.deck.Entries(kind); };
    libraryHooks.openDeck = [this](const QString& path) {
        deckCommands_->OpenDeckFile(path);
        // The deck is what the player asked to see.
        raise();
        activateWindow();
    };
    libraryHooks.shownCardNo = [this] {
        const CardInfoView shown = cardInfoPanel_->View();
        return shown.shown[static_cast<size_t>(shown.front)];
    };
    auto* library = new DeckLibraryActions(state_.db, state_.settings, state_.programDir,
                                           std::move(libraryHooks), this);
    library->AddMenuItem(mnuFile, mnuSave);

    // Tools: the windows read the cards, the deck and the shown catalog, and call back for
    // the card information and the card popup.
    ToolWindows::Hooks toolHooks;
    toolHooks.showCardInf = [this](CardKind kind, const QString& cardNo) {
        ShowCardInf(kind, cardNo);
    };
    toolHooks.cardPopup = [this](CardKind kind, const QString& entry, const QPoint& at) {
        CardList_MouseDown(kind, entry, at);
    };
    toolHooks.shownCatalog = [this, catalogs]() -> CatalogPage* {
        const int tab = ssTab->currentIndex();
        return tab >= 0 && tab < 3 ? catalogs[tab] : nullptr;
    };
    toolHooks.settings = &state_.settings;
    toolWindows_ =
        new ToolWindows(state_.db, state_.deck, state_.seekWindowOpen, std::move(toolHooks), this);
    connect(mnuSeek, &QAction::triggered, toolWindows_, &ToolWindows::mnuSeek_Click);
    for (int i = 0; i < 6; ++i) {
        connect(mnuGraph[i], &QAction::triggered, toolWindows_,
                [this, i] { toolWindows_->mnuGraph_Click(i); });
    }
    connect(mnuDraw, &QAction::triggered, toolWindows_, &ToolWindows::mnuDraw_Click);
    connect(mnuOdds, &QAction::triggered, toolWindows_, &ToolWindows::mnuOdds_Click);

    // Window behaviour: the compact view's card-information button, the keys, the dialogs.
    cmdShow = new QPushButton(central);
    cmdShow->setObjectName("cmdShow");
    cmdShow->setFocusPolicy(Qt::NoFocus);
    cmdShow->hide();
    connect(cmdShow, &QPushButton::clicked, this, &MainWindow::cmdShow_Click);
    connect(mnuMini, &QAction::triggered, this, &MainWindow::mnuMini_Click);
    connect(mnuBoss, &QAction::triggered, this, &MainWindow::mnuBoss_Click);
    connect(mnuVer, &QAction::triggered, this, &MainWindow::mnuVer_Click);
    qApp->installEventFilter(this);

    int previousTab = 0;
    connect(ssTab, &QTabWidget::currentChanged, this, [this, previousTab](int) mutable {
        ssTab_Click(previousTab);
        previousTab = ssTab->currentIndex();
    });

    // Form_Load: highlight state, suspended filters, the layout for the stored view.
    mnuKyotyou->setChecked(state_.highlightOn);
    if (state_.highlightOn) {
        for (CatalogPage* catalog : catalogs) {
            for (QCheckBox* box : catalog->CheckBoxes()) {
                SetCheckBoxBackground(box, HighlightYellow());
            }
        }
        SetCheckBoxBackground(unitCatalog->chkBeem, ButtonFaceColor());
    }
    state_.seekWindowOpen = false;
    FiltersSuspended = true;
    const int view = StartupView(state_.compactState);
    LayOutMainWindow(view);
    mnuMini->setChecked(view != 0);
    // A long entry can be scrolled into view; the unit and mission catalogs always scroll at
    // least this far.
    unitCatalog->SetMinimumScrollExtent(300);
    missionCatalog->SetMinimumScrollExtent(260);
    QApplication::processEvents();
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
}

void MainWindow::BuildMenus() {
    QMenuBar* bar = menuBar();

    mnuFile = AddMenu(bar, "mnuFile", QStringLiteral("ﾌｧｲﾙ(&F)"));
    mnuOpen = AddItem(mnuFile, "mnuOpen", QStringLiteral("ﾃﾞｯｷﾌｧｲﾙを開く(&O)"));
    mnuSave = AddItem(mnuFile, "mnuSave", QStringLiteral("ﾃﾞｯｷﾃﾞｰﾀを保存(&S)"));
    mnuFile->addSeparator();
    mnuOptFile = AddItem(mnuFile, "mnuOptFile", QStringLiteral("出力項目の指定"));
    mnuFile->addSeparator();
    mnuCopy = AddItem(mnuFile, "mnuCopy", QStringLiteral("ﾃﾞｯｷﾃﾞｰﾀをｸﾘｯﾌﾟﾎﾞｰﾄﾞに出力(&C)"));
    mnuFile->addSeparator();
    mnuExit = AddItem(mnuFile, "mnuExit", QStringLiteral("終了(&X)"));

    mnuView = AddMenu(bar, "mnuView", QStringLiteral("表示(&V)"));
    mnuClearS = AddItem(mnuView, "mnuClearS", QStringLiteral("検索条件のｸﾘｱ"));
    mnuClaer = mnuView->addMenu(QStringLiteral("選択ﾃﾞｰﾀのｸﾘｱ"));
    mnuClaer->setObjectName("mnuClaer");
    mnuClaer->menuAction()->setObjectName("mnuClaer");
    mnuClaerU = AddItem(mnuClaer, "mnuClaerU", QStringLiteral("選択ﾕﾆｯﾄのｸﾘｱ"));
    mnuClearM = AddItem(mnuClaer, "mnuClearM", QStringLiteral("選択ﾐｯｼｮﾝのｸﾘｱ"));
    mnuClearC = AddItem(mnuClaer, "mnuClearC", QStringLiteral("選択ｷｬﾗｸﾀｰのｸﾘｱ"));
    mnuClaer->addSeparator();
    mnuClearA = AddItem(mnuClaer, "mnuClearA", QStringLiteral("選択したﾃﾞｰﾀの全ｸﾘｱ"));
    mnuView->addSeparator();
    mnuKyotyou = AddItem(mnuView, "mnuKyotyou", QStringLiteral("強調表示"));
    mnuKyotyou->setCheckable(true);
    mnuMini = AddItem(mnuView, "mnuMini", QStringLiteral("ｺﾝﾊﾟｸﾄ表示"));
    mnuMini->setCheckable(true);

    mnuTool = AddMenu(bar, "mnuTool", QStringLiteral("ﾂｰﾙ(&T)"));
    mnuSeek = AddItem(mnuTool, "mnuSeek", QStringLiteral("名称検索"));
    mnuTool->addSeparator();
    const QString graphs[6] = {QStringLiteral("ﾛｰﾙｱｳﾄｸﾞﾗﾌ"),   QStringLiteral("HPｸﾞﾗﾌ"),
                               QStringLiteral("近距離ｸﾞﾗﾌ"),   QStringLiteral("遠距離ｸﾞﾗﾌ"),
                               QStringLiteral("ﾕﾆｯﾄ地形ｸﾞﾗﾌ"), QStringLiteral("ﾐｯｼｮﾝ地形ｸﾞﾗﾌ")};
    for (int i = 0; i < 6; ++i) {
        const QByteArray name = "mnuGraph" + QByteArray::number(i);
        mnuGraph[i] = AddItem(mnuTool, name.constData(), graphs[i]);
    }
    mnuTool->addSeparator();
    mnuDraw = AddItem(mnuTool, "mnuDraw", QStringLiteral("ﾄﾞﾛｰﾃｽﾄ"));
    mnuOdds = AddItem(mnuTool, "mnuOdds", QStringLiteral("ﾄﾞﾛｰ確率"));
    mnuTool->addSeparator();
    mnuBoss = AddItem(mnuTool, "mnuBoss", QStringLiteral("ﾎﾞｽが来た機能の設定"));

    mnuHelp = AddMenu(bar, "mnuHelp", QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    mnuVer = AddItem(mnuHelp, "mnuVer", QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));

    // The card lists' right-button menu; never in the menu bar.
    mnuPopup = new QMenu(QStringLiteral("POPUP"), this);
    mnuPopup->setObjectName("mnuPopup");
    mnuClip = AddItem(mnuPopup, "mnuClip", QStringLiteral("ｶｰﾄﾞ情報をｸﾘｯﾌﾟﾎﾞｰﾄﾞに出力"));

    connect(mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(mnuClearS, &QAction::triggered, this, &MainWindow::mnuClearS_Click);
    connect(mnuKyotyou, &QAction::triggered, this, &MainWindow::mnuKyotyou_Click);
    connect(mnuClaerU, &QAction::triggered, this, &MainWindow::mnuClaerU_Click);
    connect(mnuClearM, &QAction::triggered, this, &MainWindow::mnuClearM_Click);
    connect(mnuClearC, &QAction::triggered, this, &MainWindow::mnuClearC_Click);
    connect(mnuClearA, &QAction::triggered, this, &MainWindow::mnuClearA_Click);
    connect(mnuClip, &QAction::triggered, this, &MainWindow::mnuClip_Click);
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
    ArrangeMainWindow(*this, view);
    setUpdatesEnabled(true);
    // During start-up the window stays hidden until the start-up sequence shows it.
    if (!FiltersSuspended) show();
    QApplication::processEvents();
}

void MainWindow::mnuMini_Click() {
    const MiniStep step = MiniClicked(state_.compactState);
    state_.compactState = step.compactState;
    LayOutMainWindow(step.view);
    mnuMini->setChecked(step.checked);
}

void MainWindow::cmdShow_Click() {
    const bool narrow = width() == TwipsToPixels(kCompactNarrowWidth);
    const ShowStep step = ShowClicked(narrow ? kCompactNarrowWidth : kCompactWideWidth);
    cmdShow->setText(QString::fromStdU16String(step.caption));
    setFixedWidth(TwipsToPixels(step.widthTwips));
    state_.compactState = step.compactState;
}

void MainWindow::mnuBoss_Click() {
    FrmBoss dialog(state_, imgIcon, this);
    dialog.exec();
}

void MainWindow::mnuVer_Click() {
    FrmAbout dialog(QString::fromStdString(ProgramName()), SystemKeyValues(), SystemProcesses(),
                    this);
    dialog.exec();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int code = key->key() == Qt::Key_Escape ? 27 : key->key();
        if (Form_KeyDown(code, key->modifiers())) return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::Form_KeyDown(int keyCode, Qt::KeyboardModifiers shift) {
    switch (KeyAction(keyCode, shift.testFlag(Qt::ControlModifier), isMinimized())) {
        case MainWindowKey::Minimise:
            showMinimized();
            return true;
        case MainWindowKey::UnitTab:
            ssTab->setCurrentIndex(0);
            unitCatalog->List()->setFocus();
            return true;
        case MainWindowKey::MissionTab:
            ssTab->setCurrentIndex(1);
            missionCatalog->List()->setFocus();
            return true;
        case MainWindowKey::CharacterTab:
            ssTab->setCurrentIndex(2);
            charCatalog->List()->setFocus();
            return true;
        case MainWindowKey::None:
            return false;
    }
    return false;
}

void MainWindow::FormInit() {
    FiltersSuspended = true;
    setWindowIcon(imgIcon[0]);
    // The caption as the load step leaves it; the resize handling sets the full one.
    setWindowTitle(QStringLiteral("EMLOデッキ作成支援"));

    // Every data-dependent combo box gets its entries and start-up selection; the handlers
    // they fire colour the boxes, their refilters wait for the end.
    const CatalogChoices choices = BuildCatalogChoices(state_.db);
    unitCatalog->PrepareCatalog(choices);
    missionCatalog->PrepareCatalog(choices);
    charCatalog->PrepareCatalog(choices);

    ssTab->setCurrentIndex(0);
    ssTab_Click(0);

    // Deck counters: CheckDeckCount and ShowTotalPoint
    cardInfoPanel_->BringToFront(CardKind::Unit);  // every run starts with the unit frame
    CheckDeckCount();
    ShowTotalPoint();

    FiltersSuspended = false;
    RefilterUnits();
    RefilterMissions();
    RefilterCharacters();
    formInitDone_ = true;
    setWindowTitle(NormalCaption());
}

void MainWindow::RefilterUnits() {
    unitCatalog->RefilterUnits();
}
void MainWindow::RefilterMissions() {
    missionCatalog->RefilterMissions();
}
void MainWindow::RefilterCharacters() {
    charCatalog->RefilterCharacters();
}

void MainWindow::mnuClearS_Click() {
    FiltersSuspended = true;
    switch (ssTab->currentIndex()) {
        case 0:
            unitCatalog->ClearConditions();
            break;
        case 1:
            missionCatalog->ClearConditions();
            break;
        case 2:
            charCatalog->ClearConditions();
            break;
        default:
            break;
    }
    FiltersSuspended = false;
    // All three catalogs are rebuilt, whichever tab was reset.
    RefilterUnits();
    RefilterMissions();
    RefilterCharacters();
}

void MainWindow::mnuKyotyou_Click() {
    // The menu item has already inverted its check mark.
    state_.highlightOn = mnuKyotyou->isChecked();
    const std::array<CatalogPage*, 3> catalogs = {unitCatalog, missionCatalog, charCatalog};
    for (CatalogPage* catalog : catalogs) {
        for (QCheckBox* box : catalog->CheckBoxes()) {
            if (state_.highlightOn) {
                HighlightCheckBox(box);
            } else {
                SetCheckBoxBackground(box, ButtonFaceColor());
            }
        }
    }
    for (CatalogPage* catalog : catalogs) {
        if (state_.highlightOn) {
            catalog->ColourComboBoxesByRule();
        } else {
            for (QComboBox* box : catalog->ComboBoxes()) {
                SetComboBoxBackground(box, HighlightWhite());
            }
        }
    }
}

void MainWindow::ApplyBossSettings() {
    imgIcon[1] = imgIcon[0];
    // A disguise with a blank icon path keeps the program's icon, as the settings dialog does.
    if (!UsesIconFile(state_.boss)) return;
    QIcon icon;
    QString error;
    if (!LoadIconPicture(QString::fromStdU16String(state_.boss.iconPath), icon, error)) {
        // An icon that cannot be loaded turns the disguise off for this run only.
        state_.boss = BossSettings{u"0", u"", u""};
        return;
    }
    imgIcon[1] = icon;
}

void MainWindow::ssTab_Click(int previousTab) {
    // The tab widget shows the new tab's search panel and catalog itself; the clear command
    // names the tab it will act on.
    static const char* const kClearCaptions[3] = {"検索条件のｸﾘｱ [ﾕﾆｯﾄ]", "検索条件のｸﾘｱ [ﾐｯｼｮﾝ]",
                                                  "検索条件のｸﾘｱ [ｷｬﾗｸﾀｰ]"};
    const int tab = ssTab->currentIndex();
    if (tab >= 0 && tab < 3) mnuClearS->setText(QString::fromUtf8(kClearCaptions[tab]));
}

// Deck and card information

void MainWindow::ShowCardInf(CardKind pMode, const QString& pCode) {
    cardInfoPanel_->ShowCardInf(pMode, pCode);
}

void MainWindow::CheckDeckCount() {
    deckPanel_->CheckDeckCount();
}

void MainWindow::ShowTotalPoint() {
    deckPanel_->ShowTotalPoint();
}

void MainWindow::mnuClaerU_Click() {
    deckPanel_->ClearList(CardKind::Unit);
}

void MainWindow::mnuClearM_Click() {
    deckPanel_->ClearList(CardKind::Mission);
}

void MainWindow::mnuClearC_Click() {
    deckPanel_->ClearList(CardKind::Character);
}

void MainWindow::mnuClearA_Click() {
    deckPanel_->ClearAllLists();
}

void MainWindow::CardList_MouseDown(CardKind kind, const QString& entry, const QPoint& globalPos) {
    state_.popupCardNo = EntryCardNo(entry.toStdU16String());
    OpenCardPopup(globalPos);
}

void MainWindow::OpenCardPopup(const QPoint& globalPos) {
    mnuPopup->popup(globalPos);
}

void MainWindow::mnuClip_Click() {
    if (state_.popupCardNo.empty()) return;
    const std::u16string text = CardClipText(state_.db, state_.popupCardNo);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdU16String(text));
    // The command acts once per popup.
    state_.popupCardNo.clear();
}

void MainWindow::Form_QueryUnload() {
    SaveViewSettings(state_.settings, state_.compactState, mnuKyotyou->isChecked());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A changed deck is offered for saving first; staying writes no settings.
    if (!deckCommands_->MayDiscardDeck()) {
        event->ignore();
        return;
    }
    Form_QueryUnload();
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
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
    QMainWindow::changeEvent(event);
}

// Runs on every change of window state: the caption and icon follow the minimised state (the
// boss key's disguise), and so does the name search window while it is open.
void MainWindow::Form_Resize() {
    FollowSeekWindow();
    if (isMinimized()) {
        setWindowIcon(imgIcon[1]);
        const QString caption = state_.boss.use == u"1"
                                    ? QString::fromStdU16String(state_.boss.taskName)
                                    : NormalCaption();
        setWindowTitle(caption);
        // Qt shows the program's name for an empty title, which would give the disguise
        // away; the title stays empty for Qt, so the restore below is sent as a change.
        if (caption.isEmpty()) Captions().WriteEmptyCaption(*this);
    } else {
        setWindowIcon(imgIcon[0]);
        setWindowTitle(NormalCaption());
    }
}

void MainWindow::FollowSeekWindow() {
    if (toolWindows_ != nullptr) toolWindows_->FollowMainWindow(isMinimized());
}

}  // namespace zemlo

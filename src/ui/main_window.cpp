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

#include "catalog/catalog_data.h"
#include "catalog/catalog_entry.h"
#include "catalog/character_catalog_page.h"
#include "catalog/highlight_colors.h"
#include "catalog/mission_catalog_page.h"
#include "catalog/quick_filter_bar.h"
#include "catalog/unit_catalog_page.h"
#include "collection/collection_actions.h"
#include "collection/collection_document.h"
#include "deck/card_clip_text.h"
#include "deck/card_info_panel.h"
#include "deck/deck_history.h"
#include "deck/deck_panel.h"
#include "deckfile/deck_file_actions.h"
#include "deckfile/deck_sheet_actions.h"
#include "images/card_images.h"
#include "platform/control_name.h"
#include "platform/key_value_source.h"
#include "platform/process_launcher.h"
#include "platform/program_dir.h"
#include "platform/qt_paths.h"
#include "platform/twips.h"
#include "platform/window_caption.h"
#include "tools/deck_library_actions.h"
#include "tools/tool_windows.h"
#include "ui/boss_key_dialog.h"
#include "ui/boss_rules.h"
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

MainWindow::MainWindow(ProgramState& state, QWidget* parent) : QMainWindow(parent), state_(state) {
    setObjectName("frmMain");
    // A fixed single border: the player can minimise the window but not resize or maximise it.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    icons_[0] = ProgramIcon();
    icons_[1] = icons_[0];
    setWindowIcon(icons_[0]);
    setWindowTitle(NormalCaption());

    BuildMenus();

    auto* central = new QWidget(this);
    central->setObjectName("frmMainClient");
    setCentralWidget(central);

    catalogTabs_ = new QTabWidget(central);
    catalogTabs_->setObjectName("ssTab");
    catalogTabs_->setAccessibleName(QStringLiteral("カードの種類"));
    for (const QString& caption : {QStringLiteral("ユニット"), QStringLiteral("ミッション"),
                                   QStringLiteral("キャラクター")}) {
        auto* page = new QWidget;
        catalogTabs_->addTab(page, caption);
    }
    // Catalogs: each tab page holds its search panel and catalog.
    unitCatalog_ = new UnitCatalogPage(state_.db, filterSuspension_, state_.highlightOn);
    missionCatalog_ = new MissionCatalogPage(state_.db, filterSuspension_, state_.highlightOn);
    characterCatalog_ = new CharacterCatalogPage(state_.db, filterSuspension_, state_.highlightOn);
    const std::array<CatalogPage*, 3> catalogs = Catalogs();
    for (int tab = 0; tab < 3; ++tab) {
        auto* tabLayout = new QVBoxLayout(catalogTabs_->widget(tab));
        tabLayout->setContentsMargins(0, 0, 0, 0);
        tabLayout->addWidget(catalogs[tab]);
    }
    quickFilterBar_ = new QuickFilterBar(state_.db, catalogs, state_.highlightOn, unitCatalog_);
    connect(quickFilterItem_, &QAction::triggered, quickFilterBar_, &QuickFilterBar::Toggle);

    // Deck and card information: the deck lists beside the tabs, the card panel at the right;
    // every change of the deck goes through its history, which brings back what the card
    // panel showed when a step is taken back or done again.
    // Their places and sizes are the layout's (ArrangeControls).
    cardInfoPanel_ = new CardInfoPanel(state_.db, central);
    deckHistory_ = new DeckHistory(state_.deck, cardInfoPanel_, this);
    deckPanel_ = new DeckPanel(*deckHistory_, central);
    // Every selection change of the six lists and every addition shows the entry's card.
    auto showEntryCard = [this](CardKind kind, const QString& entry) {
        ShowCard(kind, QString::fromStdU16String(EntryCardNo(entry.toStdU16String())));
    };
    for (CatalogPage* catalog : catalogs) {
        connect(catalog, &CatalogPage::entryActivated, deckPanel_, &DeckPanel::AddCard);
        connect(catalog, &CatalogPage::entrySelected, this, showEntryCard);
        connect(catalog, &CatalogPage::popupRequested, this, &MainWindow::ShowCardPopup);
    }
    connect(deckPanel_, &DeckPanel::entrySelected, this, showEntryCard);
    connect(deckPanel_, &DeckPanel::cardAdded, this, showEntryCard);
    connect(deckPanel_, &DeckPanel::popupRequested, this, &MainWindow::ShowCardPopup);

    // Deck files: the file menu's deck commands read the deck and replace it through its
    // history.
    deckFileActions_ = new DeckFileActions(state_.DeckFiles(), *deckHistory_, this);
    connect(openItem_, &QAction::triggered, deckFileActions_, &DeckFileActions::OpenCommand);
    connect(saveItem_, &QAction::triggered, deckFileActions_, &DeckFileActions::SaveCommand);
    connect(outputItemsItem_, &QAction::triggered, deckFileActions_,
            &DeckFileActions::ChooseOutputItems);
    connect(copyDeckItem_, &QAction::triggered, deckFileActions_, &DeckFileActions::CopyDeckText);
    deckCommands_ =
        new DeckCommands({*this,
                          {fileMenu_, openItem_, saveItem_, copyDeckItem_, exitItem_, viewMenu_},
                          *deckHistory_,
                          *deckFileActions_,
                          state_.db,
                          state_.settings});
    // The deck sheet's commands follow the deck text import, as a group of their own.
    auto* deckSheet = new DeckSheetActions(state_.settings, state_.programDir, state_.deck, this);
    deckSheet->AddMenuItems(fileMenu_, deckCommands_->importItem);
    deckSheet->FollowDeckFiles(*deckFileActions_);
    // Card images beside the window: the image window follows the card information, the
    // card lists show pictures over their entries, the proxy commands follow the sheet's.
    cardImages_ = new CardImages(state_.db, state_.deck, state_.settings, state_.programDir, this);
    cardImages_->AddViewMenuItem(viewMenu_);
    cardImages_->AddFileMenuItems(fileMenu_, deckSheet->sheetImageItem);
    for (CatalogPage* catalog : catalogs) cardImages_->WatchList(catalog->List());
    for (CardKind kind : kDeckKinds) cardImages_->WatchList(deckPanel_->List(kind));
    connect(cardInfoPanel_, &CardInfoPanel::shownCardChanged, cardImages_, &CardImages::FollowCard);

    // The cards the player owns: their window at the end of the tools, the option that marks
    // the card lists before the quick filter, the marks over the lists and the line of the
    // copies the deck lacks; the library counts those copies too.
    auto* collection =
        new CollectionActions(state_.db, state_.settings, state_.programDir, state_.deck, this);
    collection->AddWindowItem(toolMenu_);
    collection->AddShowItem(viewMenu_, quickFilterItem_);
    const auto entryCardNo = [](const QModelIndex& index) {
        return EntryCardNo(index.data(Qt::DisplayRole).toString().toStdU16String());
    };
    for (CatalogPage* catalog : catalogs) collection->MarkCatalog(catalog->List(), entryCardNo);
    for (CardKind kind : {CardKind::Unit, CardKind::Mission, CardKind::Character}) {
        collection->MarkDeckList(deckPanel_->List(kind), entryCardNo);
    }
    deckPanel_->SetStatusLine(collection->MakeMissingLine(deckPanel_));

    // 上書き保存 follows the save command, the deck library follows both; the library opens
    // decks as the recent files do.
    QAction* overwriteItem = deckFileActions_->AddOverwriteItem(fileMenu_, saveItem_);
    LibraryHooks libraryHooks;
    libraryHooks.collection = &collection->Document();
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
    library->AddMenuItem(fileMenu_, overwriteItem);

    // Tools: the windows read the cards, the deck and the shown catalog, and call back for
    // the card information and the card popup.
    ToolWindows::Hooks toolHooks;
    toolHooks.showCard = [this](CardKind kind, const QString& cardNo) { ShowCard(kind, cardNo); };
    toolHooks.cardPopup = [this](CardKind kind, const QString& entry, const QPoint& at) {
        ShowCardPopup(kind, entry, at);
    };
    toolHooks.shownCatalog = [this, catalogs]() -> CatalogPage* {
        const int tab = catalogTabs_->currentIndex();
        return tab >= 0 && tab < 3 ? catalogs[tab] : nullptr;
    };
    toolHooks.settings = &state_.settings;
    toolWindows_ =
        new ToolWindows(state_.db, state_.deck, state_.seekWindowOpen, std::move(toolHooks), this);
    connect(nameSearchItem_, &QAction::triggered, toolWindows_, &ToolWindows::OpenNameSearch);
    for (int i = 0; i < 6; ++i) {
        connect(graphItems_[i], &QAction::triggered, toolWindows_,
                [this, i] { toolWindows_->OpenGraph(i); });
    }
    connect(drawTestItem_, &QAction::triggered, toolWindows_, &ToolWindows::OpenDrawTest);
    connect(drawOddsItem_, &QAction::triggered, toolWindows_, &ToolWindows::OpenDrawOdds);

    // Window behaviour: the compact view's card-information button, the keys, the dialogs.
    cardInfoButton_ = new QPushButton(central);
    cardInfoButton_->setObjectName("cmdShow");
    cardInfoButton_->setFocusPolicy(Qt::NoFocus);
    cardInfoButton_->hide();
    connect(cardInfoButton_, &QPushButton::clicked, this, &MainWindow::ToggleCardInfoWidth);
    connect(compactViewItem_, &QAction::triggered, this, &MainWindow::ToggleCompactView);
    connect(bossKeyItem_, &QAction::triggered, this, &MainWindow::OpenBossSettings);
    connect(versionItem_, &QAction::triggered, this, &MainWindow::OpenVersionDialog);
    qApp->installEventFilter(this);

    connect(catalogTabs_, &QTabWidget::currentChanged, this, &MainWindow::OnTabChanged);

    // Form_Load: highlight state, suspended filters, the layout for the stored view.
    highlightItem_->setChecked(state_.highlightOn);
    if (state_.highlightOn) {
        for (CatalogPage* catalog : catalogs) {
            for (QCheckBox* box : catalog->CheckBoxes()) {
                SetCheckBoxBackground(box, HighlightYellow());
            }
        }
        SetCheckBoxBackground(FindControl<QCheckBox>(unitCatalog_, "chkBeem"), ButtonFaceColor());
    }
    state_.seekWindowOpen = false;
    filterSuspension_.Set(true);
    const int view = StartupView(state_.compactState);
    LayOutMainWindow(view);
    compactViewItem_->setChecked(view != 0);
    // A long entry can be scrolled into view; the unit and mission catalogs always scroll at
    // least this far.
    unitCatalog_->SetMinimumScrollExtent(300);
    missionCatalog_->SetMinimumScrollExtent(260);
    QApplication::processEvents();
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
}

void MainWindow::BuildMenus() {
    QMenuBar* bar = menuBar();

    fileMenu_ = AddMenu(bar, "mnuFile", QStringLiteral("ﾌｧｲﾙ(&F)"));
    openItem_ = AddItem(fileMenu_, "mnuOpen", QStringLiteral("ﾃﾞｯｷﾌｧｲﾙを開く(&O)"));
    saveItem_ = AddItem(fileMenu_, "mnuSave", QStringLiteral("ﾃﾞｯｷﾃﾞｰﾀを保存(&S)"));
    fileMenu_->addSeparator();
    outputItemsItem_ = AddItem(fileMenu_, "mnuOptFile", QStringLiteral("出力項目の指定"));
    fileMenu_->addSeparator();
    copyDeckItem_ = AddItem(fileMenu_, "mnuCopy", QStringLiteral("ﾃﾞｯｷﾃﾞｰﾀをｸﾘｯﾌﾟﾎﾞｰﾄﾞに出力(&C)"));
    fileMenu_->addSeparator();
    exitItem_ = AddItem(fileMenu_, "mnuExit", QStringLiteral("終了(&X)"));

    viewMenu_ = AddMenu(bar, "mnuView", QStringLiteral("表示(&V)"));
    clearConditionsItem_ = AddItem(viewMenu_, "mnuClearS", QStringLiteral("検索条件のｸﾘｱ"));
    clearListsMenu_ = viewMenu_->addMenu(QStringLiteral("選択ﾃﾞｰﾀのｸﾘｱ"));
    clearListsMenu_->setObjectName("mnuClaer");
    clearListsMenu_->menuAction()->setObjectName("mnuClaer");
    clearUnitsItem_ = AddItem(clearListsMenu_, "mnuClaerU", QStringLiteral("選択ﾕﾆｯﾄのｸﾘｱ"));
    clearMissionsItem_ = AddItem(clearListsMenu_, "mnuClearM", QStringLiteral("選択ﾐｯｼｮﾝのｸﾘｱ"));
    clearCharactersItem_ = AddItem(clearListsMenu_, "mnuClearC", QStringLiteral("選択ｷｬﾗｸﾀｰのｸﾘｱ"));
    clearListsMenu_->addSeparator();
    clearAllListsItem_ =
        AddItem(clearListsMenu_, "mnuClearA", QStringLiteral("選択したﾃﾞｰﾀの全ｸﾘｱ"));
    viewMenu_->addSeparator();
    highlightItem_ = AddItem(viewMenu_, "mnuKyotyou", QStringLiteral("強調表示"));
    highlightItem_->setCheckable(true);
    compactViewItem_ = AddItem(viewMenu_, "mnuMini", QStringLiteral("ｺﾝﾊﾟｸﾄ表示"));
    compactViewItem_->setCheckable(true);
    quickFilterItem_ = AddItem(viewMenu_, "mnuQuickFilter", QStringLiteral("絞り込み(&F)"));
    quickFilterItem_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));

    toolMenu_ = AddMenu(bar, "mnuTool", QStringLiteral("ﾂｰﾙ(&T)"));
    nameSearchItem_ = AddItem(toolMenu_, "mnuSeek", QStringLiteral("名称検索"));
    toolMenu_->addSeparator();
    const QString graphs[6] = {QStringLiteral("ﾛｰﾙｱｳﾄｸﾞﾗﾌ"),   QStringLiteral("HPｸﾞﾗﾌ"),
                               QStringLiteral("近距離ｸﾞﾗﾌ"),   QStringLiteral("遠距離ｸﾞﾗﾌ"),
                               QStringLiteral("ﾕﾆｯﾄ地形ｸﾞﾗﾌ"), QStringLiteral("ﾐｯｼｮﾝ地形ｸﾞﾗﾌ")};
    for (int i = 0; i < 6; ++i) {
        const QByteArray name = "mnuGraph" + QByteArray::number(i);
        graphItems_[i] = AddItem(toolMenu_, name.constData(), graphs[i]);
    }
    toolMenu_->addSeparator();
    drawTestItem_ = AddItem(toolMenu_, "mnuDraw", QStringLiteral("ﾄﾞﾛｰﾃｽﾄ"));
    drawOddsItem_ = AddItem(toolMenu_, "mnuOdds", QStringLiteral("ﾄﾞﾛｰ確率"));
    toolMenu_->addSeparator();
    bossKeyItem_ = AddItem(toolMenu_, "mnuBoss", QStringLiteral("ﾎﾞｽが来た機能の設定"));

    helpMenu_ = AddMenu(bar, "mnuHelp", QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    versionItem_ = AddItem(helpMenu_, "mnuVer", QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));

    // The card lists' right-button menu; never in the menu bar.
    cardPopup_ = new QMenu(QStringLiteral("POPUP"), this);
    cardPopup_->setObjectName("mnuPopup");
    copyCardItem_ = AddItem(cardPopup_, "mnuClip", QStringLiteral("ｶｰﾄﾞ情報をｸﾘｯﾌﾟﾎﾞｰﾄﾞに出力"));

    connect(exitItem_, &QAction::triggered, this, &QWidget::close);
    connect(clearConditionsItem_, &QAction::triggered, this, &MainWindow::ClearShownConditions);
    connect(highlightItem_, &QAction::triggered, this, &MainWindow::ToggleHighlight);
    connect(clearUnitsItem_, &QAction::triggered, this,
            [this] { deckPanel_->ClearList(CardKind::Unit); });
    connect(clearMissionsItem_, &QAction::triggered, this,
            [this] { deckPanel_->ClearList(CardKind::Mission); });
    connect(clearCharactersItem_, &QAction::triggered, this,
            [this] { deckPanel_->ClearList(CardKind::Character); });
    connect(clearAllListsItem_, &QAction::triggered, this, [this] {
        deckPanel_->ClearAllLists();
        // An emptied deck is no longer its file's: 上書き保存 asks for a name again.
        deckFileActions_->ForgetDeckFile();
    });
    connect(copyCardItem_, &QAction::triggered, this, &MainWindow::CopyPopupCard);
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
    const MiniStep step = MiniClicked(state_.compactState);
    state_.compactState = step.compactState;
    LayOutMainWindow(step.view);
    compactViewItem_->setChecked(step.checked);
}

void MainWindow::ToggleCardInfoWidth() {
    const bool narrow = width() == TwipsToPixels(kCompactNarrowWidth);
    const ShowStep step = ShowClicked(narrow ? kCompactNarrowWidth : kCompactWideWidth);
    cardInfoButton_->setText(QString::fromStdU16String(step.caption));
    setFixedWidth(TwipsToPixels(step.widthTwips));
    state_.compactState = step.compactState;
}

void MainWindow::OpenBossSettings() {
    BossKeyDialog dialog(state_, icons_, this);
    dialog.exec();
}

void MainWindow::OpenVersionDialog() {
    VersionDialog dialog(PathQString(ProgramName()), SystemKeyValues(), SystemProcesses(), this);
    dialog.exec();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int code = key->key() == Qt::Key_Escape ? kEscapeKeyCode : key->key();
        // In the quick filter's text every letter is text; Esc stays the boss key.
        const bool inText = quickFilterBar_ != nullptr && quickFilterBar_->IsTextField(watched);
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
            catalogTabs_->setCurrentIndex(0);
            unitCatalog_->List()->setFocus();
            return true;
        case MainWindowKey::MissionTab:
            catalogTabs_->setCurrentIndex(1);
            missionCatalog_->List()->setFocus();
            return true;
        case MainWindowKey::CharacterTab:
            catalogTabs_->setCurrentIndex(2);
            characterCatalog_->List()->setFocus();
            return true;
        case MainWindowKey::None:
            return false;
    }
    return false;
}

void MainWindow::FormInit() {
    FormInit(BuildCatalogData(state_.db));
}

void MainWindow::FormInit(CatalogData data) {
    filterSuspension_.Set(true);
    setWindowIcon(icons_[0]);
    // The caption as the load step leaves it; the resize handling sets the full one.
    setWindowTitle(QStringLiteral("EMLOデッキ作成支援"));

    // Every data-dependent combo box gets its entries and start-up selection; the handlers
    // they fire colour the boxes, their refilters wait for the end.
    const std::array<CatalogPage*, 3> catalogs = Catalogs();
    for (size_t k = 0; k < catalogs.size(); ++k) {
        catalogs[k]->PrepareCatalog(data.choices, std::move(data.orders[k]));
    }

    catalogTabs_->setCurrentIndex(0);
    OnTabChanged();

    // Deck counters
    cardInfoPanel_->BringToFront(CardKind::Unit);  // every run starts with the unit frame
    deckPanel_->CheckDeckCount();
    deckPanel_->ShowTotalPoint();

    filterSuspension_.Set(false);
    RefilterUnits();
    RefilterMissions();
    RefilterCharacters();
    formInitDone_ = true;
    setWindowTitle(NormalCaption());
}

void MainWindow::RefilterUnits() {
    unitCatalog_->RefilterUnits();
}
void MainWindow::RefilterMissions() {
    missionCatalog_->RefilterMissions();
}
void MainWindow::RefilterCharacters() {
    characterCatalog_->RefilterCharacters();
}

void MainWindow::ClearShownConditions() {
    {
        const FilterSuspension::Scope hold(filterSuspension_);
        switch (catalogTabs_->currentIndex()) {
            case 0:
                unitCatalog_->ClearConditions();
                break;
            case 1:
                missionCatalog_->ClearConditions();
                break;
            case 2:
                characterCatalog_->ClearConditions();
                break;
            default:
                break;
        }
    }
    // All three catalogs are rebuilt, whichever tab was reset.
    RefilterUnits();
    RefilterMissions();
    RefilterCharacters();
}

void MainWindow::ToggleHighlight() {
    // The menu item has already inverted its check mark.
    state_.highlightOn = highlightItem_->isChecked();
    const std::array<CatalogPage*, 3> catalogs = Catalogs();
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
    quickFilterBar_->FollowHighlight();
}

void MainWindow::ApplyBossSettings() {
    icons_[1] = icons_[0];
    // A disguise with a blank icon path keeps the program's icon, as the settings dialog does.
    if (!UsesIconFile(state_.boss)) return;
    QIcon icon;
    QString error;
    if (!LoadIconPicture(QString::fromStdU16String(state_.boss.iconPath), icon, error)) {
        // An icon that cannot be loaded turns the disguise off for this run only.
        state_.boss = BossSettings{u"0", u"", u""};
        return;
    }
    icons_[1] = icon;
}

void MainWindow::OnTabChanged() {
    // The tab widget shows the new tab's search panel and catalog itself; the clear command
    // names the tab it will act on.
    static const char* const kClearCaptions[3] = {"検索条件のｸﾘｱ [ﾕﾆｯﾄ]", "検索条件のｸﾘｱ [ﾐｯｼｮﾝ]",
                                                  "検索条件のｸﾘｱ [ｷｬﾗｸﾀｰ]"};
    const int tab = catalogTabs_->currentIndex();
    if (tab >= 0 && tab < 3) clearConditionsItem_->setText(QString::fromUtf8(kClearCaptions[tab]));
    quickFilterBar_->FollowTab(tab);
}

// Deck and card information

void MainWindow::ShowCard(CardKind kind, const QString& cardNo) {
    cardInfoPanel_->ShowCard(kind, cardNo);
}

void MainWindow::OpenDeckFile(const QString& path) {
    deckCommands_->OpenDeckFile(path);
}

std::array<CatalogPage*, 3> MainWindow::Catalogs() const {
    return {unitCatalog_, missionCatalog_, characterCatalog_};
}

void MainWindow::ShowCardPopup(CardKind kind, const QString& entry, const QPoint& globalPos) {
    state_.popupCardNo = EntryCardNo(entry.toStdU16String());
    OpenCardPopup(globalPos);
}

void MainWindow::OpenCardPopup(const QPoint& globalPos) {
    cardPopup_->popup(globalPos);
}

void MainWindow::CopyPopupCard() {
    if (state_.popupCardNo.empty()) return;
    const std::u16string text = CardClipText(state_.db, state_.popupCardNo);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdU16String(text));
    // The command acts once per popup.
    state_.popupCardNo.clear();
}

void MainWindow::SaveViewState() {
    // A failure is told by the store; closing goes on.
    static_cast<void>(
        SaveViewSettings(state_.settings, state_.compactState, highlightItem_->isChecked()));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A changed deck is offered for saving first; staying writes no settings.
    if (!deckCommands_->MayDiscardDeck()) {
        event->ignore();
        return;
    }
    SaveViewState();
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

// Runs on every change of window state: the caption and icon follow the minimised state (the
// boss key's disguise), and so does the name search window while it is open.
void MainWindow::FollowWindowState() {
    FollowSeekWindow();
    if (isMinimized()) {
        setWindowIcon(icons_[1]);
        const QString caption = state_.boss.use == u"1"
                                    ? QString::fromStdU16String(state_.boss.taskName)
                                    : NormalCaption();
        setWindowTitle(caption);
        // Qt shows the program's name for an empty title, which would give the disguise
        // away; the title stays empty for Qt, so the restore below is sent as a change.
        if (caption.isEmpty()) Captions().WriteEmptyCaption(*this);
    } else {
        setWindowIcon(icons_[0]);
        setWindowTitle(NormalCaption());
    }
}

void MainWindow::FollowSeekWindow() {
    if (toolWindows_ != nullptr) toolWindows_->FollowMainWindow(isMinimized());
    if (cardImages_ != nullptr) cardImages_->FollowMainWindow(isMinimized());
}

}  // namespace zemlo

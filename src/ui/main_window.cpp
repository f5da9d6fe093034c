#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QTabWidget>

#include "platform/twips.h"

namespace zemlo {
namespace {

// Window size of the normal view, in twips.
constexpr int kNormalWidth = 14010;
constexpr int kNormalHeight = 10935;

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
    : QMainWindow(parent), state_(state) {
    setObjectName("frmMain");
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
    for (const QString& caption :
         {QStringLiteral("ユニット"), QStringLiteral("ミッション"), QStringLiteral("キャラクター")}) {
        auto* page = new QWidget;
        ssTab->addTab(page, caption);
    }
    int previousTab = 0;
    connect(ssTab, &QTabWidget::currentChanged, this, [this, previousTab](int) mutable {
        ssTab_Click(previousTab);
        previousTab = ssTab->currentIndex();
    });

    // Form_Load: highlight state, suspended filters, the layout for the stored view.
    mnuKyotyou->setChecked(state_.highlightOn);
    state_.seekWindowOpen = false;
    FiltersSuspended = true;
    const int view = state_.compactState >= 1 ? state_.compactState : 0;
    LayOutMainWindow(view);
    mnuMini->setChecked(view != 0);
    QApplication::processEvents();
}

MainWindow::~MainWindow() = default;

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
    const QString graphs[6] = {QStringLiteral("ﾛｰﾙｱｳﾄｸﾞﾗﾌ"),  QStringLiteral("HPｸﾞﾗﾌ"),
                               QStringLiteral("近距離ｸﾞﾗﾌ"),  QStringLiteral("遠距離ｸﾞﾗﾌ"),
                               QStringLiteral("ﾕﾆｯﾄ地形ｸﾞﾗﾌ"), QStringLiteral("ﾐｯｼｮﾝ地形ｸﾞﾗﾌ")};
    for (int i = 0; i < 6; ++i) {
        const QByteArray name = "mnuGraph" + QByteArray::number(i);
        mnuGraph[i] = AddItem(mnuTool, name.constData(), graphs[i]);
    }
    mnuTool->addSeparator();
    mnuDraw = AddItem(mnuTool, "mnuDraw", QStringLiteral("ﾄﾞﾛｰﾃｽﾄ"));
    mnuTool->addSeparator();
    mnuBoss = AddItem(mnuTool, "mnuBoss", QStringLiteral("ﾎﾞｽが来た機能の設定"));

    mnuHelp = AddMenu(bar, "mnuHelp", QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    mnuVer = AddItem(mnuHelp, "mnuVer", QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));

    // The card lists' right-button menu; never in the menu bar.
    mnuPopup = new QMenu(QStringLiteral("POPUP"), this);
    mnuPopup->setObjectName("mnuPopup");
    mnuClip = AddItem(mnuPopup, "mnuClip", QStringLiteral("ｶｰﾄﾞ情報をｸﾘｯﾌﾟﾎﾞｰﾄﾞに出力"));

    connect(mnuExit, &QAction::triggered, this, &QWidget::close);

    // Commands whose windows are not built yet stay visible but cannot be chosen.
    for (QAction* pending :
         {mnuOpen, mnuSave, mnuOptFile, mnuCopy, mnuClearS, mnuClaer->menuAction(), mnuKyotyou,
          mnuMini, mnuSeek, mnuGraph[0], mnuGraph[1], mnuGraph[2], mnuGraph[3], mnuGraph[4],
          mnuGraph[5], mnuDraw, mnuBoss, mnuVer, mnuClip}) {
        pending->setEnabled(false);
    }
}

QString MainWindow::NormalCaption() const {
    QString caption = QStringLiteral("ZEMLOSAGAﾃﾞｯｷ作成支援ﾂｰﾙ");
    if (state_.db.orvelDataLoaded) caption += QStringLiteral(" [ORVELｵﾘｼﾞﾅﾙﾃﾞｰﾀｻﾎﾟｰﾄ]");
    return caption;
}

void MainWindow::LayOutMainWindow(int view) {
    // Only the normal view exists so far; every view lays it out.
    const bool wasVisible = isVisible();
    hide();
    setFixedSize(TwipsToPixels(kNormalWidth), TwipsToPixels(kNormalHeight));
    PlaceTwips(ssTab, 60, 60, 6135, 10275);
    if (wasVisible && !FiltersSuspended) show();
}

void MainWindow::FormInit() {
    FiltersSuspended = true;
    setWindowIcon(imgIcon[0]);
    // The caption as the load step leaves it; the resize handling sets the full one.
    setWindowTitle(QStringLiteral("EMLOデッキ作成支援"));
    ssTab->setCurrentIndex(0);
    ssTab_Click(0);
    FiltersSuspended = false;
    formInitDone_ = true;
    setWindowTitle(NormalCaption());
}

void MainWindow::ApplyBossSettings() {
    imgIcon[1] = imgIcon[0];
    if (state_.boss.use != u"1") return;
    const QIcon icon(QString::fromStdU16String(state_.boss.iconPath));
    const QPixmap probe = icon.pixmap(32, 32);
    if (probe.isNull()) {
        // An icon that cannot be loaded turns the disguise off for this run only.
        state_.boss = BossSettings{u"0", u"", u""};
        return;
    }
    imgIcon[1] = icon;
}

void MainWindow::ssTab_Click(int previousTab) {}

void MainWindow::Form_QueryUnload() {
    SaveViewSettings(state_.settings, state_.compactState, mnuKyotyou->isChecked());
}

void MainWindow::closeEvent(QCloseEvent* event) {
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

void MainWindow::Form_Resize() {
    if (isMinimized()) {
        setWindowIcon(imgIcon[1]);
        setWindowTitle(state_.boss.use == u"1" ? QString::fromStdU16String(state_.boss.taskName)
                                               : NormalCaption());
    } else {
        setWindowIcon(imgIcon[0]);
        setWindowTitle(NormalCaption());
    }
}

}  // namespace zemlo

// Every control that can take the focus, in the main window and in every dialog, has a name
// a screen reader can speak: not empty, not its objectName, not only its current value, as
// the accessibility bus hands it on (screen_reader_on_the_bus hears the real program there).
// Dialogs are opened as the player opens them, through the menus, and walked while open.
// The keyboard goes through the main window in reading order, in both views.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <map>
#include <memory>
#include <set>

#include "app/disclaimer_dialog.h"
#include "carddb/card_fields.h"
#include "deckfile/sheet_heading_dialog.h"
#include "platform/combo_box_accessible.h"
#include "platform/control_name.h"
#include "support/card_builder.h"
#include "support/fake_dialogs.h"
#include "support/temp_dir.h"
#include "tools/deck_comparison_window.h"
#include "ui/main_window.h"
#include "ui/program_state.h"

namespace zemlo {
namespace {

using test::AddCard;

// What a control shows as its value, which alone is no name.
QString CurrentValue(const QWidget* widget) {
    if (const auto* box = qobject_cast<const QComboBox*>(widget)) return box->currentText();
    if (const auto* line = qobject_cast<const QLineEdit*>(widget)) return line->text();
    if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(widget)) return spin->text();
    if (const auto* text = qobject_cast<const QTextEdit*>(widget)) return text->toPlainText();
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(widget)) {
        return plain->toPlainText();
    }
    return {};
}

// "objectName (class)" of every focusable control of window without a name to speak.
QStringList Unnamed(QWidget* window) {
    QStringList faults;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->window() != window || widget->focusPolicy() == Qt::NoFocus) continue;
        // A spin box's own text box is named by the spin box.
        if (qobject_cast<QAbstractSpinBox*>(widget->parentWidget())) continue;
        // The name the accessibility bus carries (AT-SPI's Name is this text), not the one
        // the code gave: Qt's own combo box would report its value here.
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(widget);
        const QString name = reader ? reader->text(QAccessible::Name).trimmed() : QString();
        const QString value = CurrentValue(widget).trimmed();
        if (name.isEmpty() || name == widget->objectName() || (!value.isEmpty() && name == value)) {
            faults << QStringLiteral("%1 (%2) \"%3\"")
                          .arg(widget->objectName(), widget->metaObject()->className(), name);
        }
    }
    return faults;
}

class AccessibleNamesTest : public ::testing::Test {
protected:
    AccessibleNamesTest() : state(dir.Path()) {
        AddCard(state.db.units, "ZM0001", {{unit_field::UnitName, "ガルド"}});
        AddCard(state.db.missions, "MI0001",
                {{mission_field::MissionName, "砦"}, {mission_field::PointsGained, "3"}});
        AddCard(state.db.characters, "CH0001", {{char_field::CharName, "イロ"}});
        Deck deck;
        deck.Fill({DeckEntry::OfRecord(state.db, CardKind::Unit, 0),
                   DeckEntry::OfRecord(state.db, CardKind::Mission, 0)});
        state.document.History().ApplyDeckEdit(ReplaceDeckEdit(state.document.CurrentDeck(), deck));
        InstallComboBoxAccessibility();  // as the program does
        window = std::make_unique<MainWindow>(state);
        window->FormInit();
        window->show();
    }

    // Opens what the menu item opens and walks every window it brings up: a modal dialog
    // while it runs, a modeless one once shown. Returns the windows walked.
    QStringList WalkWindowsOf(const char* item) {
        QStringList walked;
        std::set<QWidget*> before;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->isVisible()) before.insert(top);
        }
        auto walk = [&](QWidget* top) {
            walked << top->objectName();
            faults[top->objectName()] << Unnamed(top);
        };
        // A modal dialog is walked and closed as soon as it runs.
        QTimer modalWatch;
        QObject::connect(&modalWatch, &QTimer::timeout, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                walk(modal);
                modal->close();
            }
        });
        modalWatch.start(5);
        QAction* action = window->findChild<QAction*>(item);
        EXPECT_NE(action, nullptr) << item;
        if (action) action->trigger();
        modalWatch.stop();
        QApplication::processEvents();
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && !before.count(top) && !walked.contains(top->objectName())) {
                walk(top);
                top->close();
            }
        }
        return walked;
    }

    test::FakeDialogs dialogs;
    test::TempDir dir;
    ProgramState state;
    std::unique_ptr<MainWindow> window;
    std::map<QString, QStringList> faults;
};

TEST_F(AccessibleNamesTest, EveryFocusableControlOfEveryWindowHasANameToSpeak) {
    faults["frmMain"] = Unnamed(window.get());
    // The compact view hides and moves controls but names none afresh; the quick filter bar
    // is walked while hidden, as every other tab's controls are.
    for (const char* item : {"mnuOptFile", "mnuBoss", "mnuVer", "mnuSeek", "mnuGraph0", "mnuDraw",
                             "mnuOdds", "mnuLibrary", "mnuCardImage"}) {
        EXPECT_FALSE(WalkWindowsOf(item).isEmpty()) << item << " opened no window";
    }
    DisclaimerDialog disclaimer;
    faults["frmAtention"] = Unnamed(&disclaimer);
    SheetHeadingDialog heading("プレイヤー", "デッキ", "大会", QDate(2026, 12, 7));
    faults["frmSheetHeading"] = Unnamed(&heading);
    DeckComparisonWindow compare;
    faults["frmCompare"] = Unnamed(&compare);

    for (const auto& [window, unnamed] : faults) {
        EXPECT_TRUE(unnamed.isEmpty())
            << window.toStdString() << ":\n  " << unnamed.join("\n  ").toStdString();
    }
}

// The objectNames the Tab key visits on the shown tab, from the tab bar until the first card
// information box; runs of one name (a control array) count once.
QStringList TabOrder(QWidget* window) {
    QStringList names;
    QWidget* tabBar = window->findChild<QTabWidget*>("ssTab")->tabBar();
    for (QWidget* at = tabBar->nextInFocusChain(); at != tabBar; at = at->nextInFocusChain()) {
        if (!(at->focusPolicy() & Qt::TabFocus) || !at->isVisibleTo(window)) continue;
        if (at->objectName().startsWith("txtCardInf")) break;
        if (names.isEmpty() || names.last() != at->objectName()) names << at->objectName();
    }
    return names;
}

TEST_F(AccessibleNamesTest, TheKeyboardGoesThroughTheMainWindowInReadingOrderInBothViews) {
    const QStringList deck = {"lstSelUnit", "lstSelMission", "lstSelChar"};
    // Frames row by row, each left to right; the catalog under them, then the deck lists.
    EXPECT_EQ(TabOrder(window.get()),
              QStringList({"chkTeamU", "chkChikeiU", "optChikeiU", "cmbRollOut", "cmbSPN", "cmbHP",
                           "cmbWeponK", "cmbSPK", "cmbWeponE", "chkBeem", "cmbDevK", "cmbUnitK",
                           "cmbDevJ", "lstUnitName"}) +
                  deck);
    auto* tabs = window->findChild<QTabWidget*>("ssTab");
    tabs->setCurrentIndex(1);
    EXPECT_EQ(TabOrder(window.get()), QStringList({"chkChikeiM", "optChikeiM", "cmbPointM",
                                                   "cmbUnitCnt", "optUCnt", "lstMissionName"}) +
                                          deck);
    // The quick filter bar comes right after the catalog above it.
    window->findChild<QAction*>("mnuQuickFilter")->trigger();
    EXPECT_EQ(TabOrder(window.get()).mid(5, 4),
              QStringList({"lstMissionName", "cmdQuickFilterClose", "txtQuickFilter",
                           "chkQuickFilterText"}));
    window->findChild<QAction*>("mnuQuickFilter")->trigger();

    // The compact view puts the unit lines and design conditions beside the other frames.
    window->findChild<QAction*>("mnuMini")->trigger();
    tabs->setCurrentIndex(0);
    EXPECT_EQ(TabOrder(window.get()),
              QStringList({"chkTeamU", "chkChikeiU", "optChikeiU", "cmbRollOut", "cmbUnitK",
                           "cmbHP", "cmbSPN", "cmbWeponK", "cmbDevJ", "cmbSPK", "cmbWeponE",
                           "chkBeem", "cmbDevK", "lstUnitName"}) +
                  deck);
    tabs->setCurrentIndex(2);
    EXPECT_EQ(TabOrder(window.get()),
              QStringList({"chkTeamC", "cmbPointC", "cmbTiming", "lstCharName"}) + deck);
}

}  // namespace
}  // namespace zemlo

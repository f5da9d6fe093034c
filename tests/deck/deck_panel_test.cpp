// The deck lists on their own: sorted additions, removal by keys and double click, the
// counters' captions and colours, and the signals towards the card information and popup.
#include "deck/deck_panel.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

#include "deck/deck_history.h"
#include "deck/deck_list_model.h"
#include "deck/entry_merge.h"
#include "platform/control_name.h"
#include "platform/twips.h"
#include "support/card_builder.h"
#include "support/fake_dialogs.h"

namespace zemlo {
namespace {

using test::U;

const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);

QString Unit(int n) {
    return QStringLiteral("ZM%1   機体%1").arg(n, 4, 10, QChar('0'));
}
QString Mission(int n, int points) {
    return QStringLiteral("MI%1   任務%1").arg(n, 4, 10, QChar('0')) + QString(50, ' ') +
           QString::number(points);
}
QString Character(int n) {
    return QStringLiteral("CH%1   人物%1").arg(n, 4, 10, QChar('0'));
}

class DeckPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        panel.resize(180, 685);
        panel.show();
    }

    QStringList Shown(CardKind kind) const {
        QStringList rows;
        const DeckListModel* model = panel.Model(kind);
        for (int r = 0; r < model->rowCount(); ++r) {
            rows << model->data(model->index(r, 0)).toString();
        }
        return rows;
    }
    QLabel* Counter(int index) const { return FindControl<QLabel>(&panel, "lblCnt", index); }
    QColor CounterColour(int index) const {
        return Counter(index)->palette().color(QPalette::WindowText);
    }
    void Select(CardKind kind, int row) {
        QListView* list = panel.List(kind);
        list->setCurrentIndex(list->model()->index(row, 0));
    }
    QPoint RowCentre(CardKind kind, int row) const {
        QListView* list = panel.List(kind);
        return list->visualRect(list->model()->index(row, 0)).center();
    }

    Deck deck;
    DeckHistory history{deck, nullptr};
    DeckPanel panel{history};
};

TEST_F(DeckPanelTest, ControlsAreNamedAndCountersStartAtZero) {
    for (const char* name : {"lstSelUnit", "lstSelMission", "lstSelChar"}) {
        auto* list = FindControl<QListView>(&panel, name);
        ASSERT_NE(list, nullptr) << name;
        EXPECT_EQ(list->toolTip(),
                  QStringLiteral("ダブルクリック、[DEL]または[BS]キーでアイテム解除"));
    }
    const QString captions[3] = {QStringLiteral("ユニット数："),
                                 QStringLiteral("ミッション＋キャラクター数："),
                                 QStringLiteral("合計戦果：")};
    for (int i = 0; i < 3; ++i) {
        ASSERT_NE(Counter(i), nullptr);
        EXPECT_EQ(Counter(i)->text(), "0");
        EXPECT_EQ(FindControl<QLabel>(&panel, "lblCntCaption", i)->text(), captions[i]);
    }
}

TEST_F(DeckPanelTest, CaptionsAreReadableAndNothingOverlaps) {
    panel.setGeometry(0, 0, TwipsToPixels(2700), TwipsToPixels(10275));
    QList<QWidget*> parts = {panel.unitList, panel.missionList, panel.characterList};
    for (int i = 0; i < 3; ++i) {
        QLabel* caption = FindControl<QLabel>(&panel, "lblCntCaption", i);
        const int textWidth = caption->fontMetrics().horizontalAdvance(caption->text());
        EXPECT_LE(textWidth, caption->width()) << i;
        Counter(i)->setText("100");
        EXPECT_LE(Counter(i)->fontMetrics().horizontalAdvance("100"), Counter(i)->width());
        parts << caption << Counter(i);
    }
    for (QWidget* part : parts) {
        EXPECT_TRUE(panel.rect().contains(part->geometry())) << part->objectName().toStdString();
        for (QWidget* other : parts) {
            if (other != part) {
                EXPECT_FALSE(part->geometry().intersects(other->geometry()))
                    << part->objectName().toStdString() << " / "
                    << other->objectName().toStdString();
            }
        }
    }
}

TEST_F(DeckPanelTest, AddingTheSameCardTwiceGivesTwoAdjacentEntries) {
    QSignalSpy added(&panel, &DeckPanel::cardAdded);
    panel.AddCard(CardKind::Unit, Unit(7));
    panel.AddCard(CardKind::Unit, Unit(3));
    panel.AddCard(CardKind::Unit, Unit(9));
    panel.AddCard(CardKind::Unit, Unit(3));
    EXPECT_EQ(Shown(CardKind::Unit), QStringList({Unit(3), Unit(3), Unit(7), Unit(9)}));
    EXPECT_EQ(Counter(0)->text(), "4");
    ASSERT_EQ(added.size(), 4);
    EXPECT_EQ(added.at(3).at(0).value<CardKind>(), CardKind::Unit);
    EXPECT_EQ(added.at(3).at(1).toString(), Unit(3));
    // An empty entry (nothing selected in the catalog) adds nothing.
    panel.AddCard(CardKind::Unit, QString());
    EXPECT_EQ(panel.Model(CardKind::Unit)->rowCount(), 4);
    EXPECT_EQ(added.size(), 4);
}

TEST_F(DeckPanelTest, CountersFollowTheListsAtTheRuleEdges) {
    for (int n = 1; n <= 19; ++n) panel.AddCard(CardKind::Unit, Unit(n));
    EXPECT_EQ(CounterColour(0), kRed);
    panel.AddCard(CardKind::Unit, Unit(20));
    EXPECT_EQ(Counter(0)->text(), "20");
    EXPECT_EQ(CounterColour(0), kBlack);
    panel.AddCard(CardKind::Unit, Unit(20));
    EXPECT_EQ(CounterColour(0), kRed);

    for (int n = 1; n <= 9; ++n) panel.AddCard(CardKind::Mission, Mission(n, 1));
    EXPECT_EQ(CounterColour(1), kRed);
    EXPECT_EQ(Counter(2)->text(), "9");
    EXPECT_EQ(CounterColour(2), kRed);
    panel.AddCard(CardKind::Mission, Mission(10, 1));
    EXPECT_EQ(CounterColour(1), kBlack);
    EXPECT_EQ(Counter(2)->text(), "10");
    EXPECT_EQ(CounterColour(2), kBlack);
    // Characters count with the missions but add no points.
    for (int n = 1; n <= 5; ++n) panel.AddCard(CardKind::Character, Character(n));
    EXPECT_EQ(Counter(1)->text(), "15");
    EXPECT_EQ(CounterColour(1), kBlack);
    EXPECT_EQ(Counter(2)->text(), "10");
    panel.AddCard(CardKind::Character, Character(6));
    EXPECT_EQ(Counter(1)->text(), "16");
    EXPECT_EQ(CounterColour(1), kRed);

    panel.ClearList(CardKind::Mission);
    EXPECT_EQ(Counter(1)->text(), "6");
    EXPECT_EQ(Counter(2)->text(), "0");
    EXPECT_EQ(CounterColour(2), kRed);
    EXPECT_EQ(Counter(0)->text(), "21");
}

TEST_F(DeckPanelTest, DeleteAndBackspaceRemoveTheSelectedEntryEnterDoesNot) {
    panel.AddCard(CardKind::Mission, Mission(1, 4));
    panel.AddCard(CardKind::Mission, Mission(2, 3));
    panel.AddCard(CardKind::Mission, Mission(3, 5));
    QListView* list = panel.List(CardKind::Mission);

    QTest::keyClick(list, Qt::Key_Delete);  // nothing selected yet
    EXPECT_EQ(panel.Model(CardKind::Mission)->rowCount(), 3);

    Select(CardKind::Mission, 1);
    QTest::keyClick(list, Qt::Key_Return);
    QTest::keyClick(list, Qt::Key_Enter);
    EXPECT_EQ(panel.Model(CardKind::Mission)->rowCount(), 3);

    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(Shown(CardKind::Mission), QStringList({Mission(1, 4), Mission(3, 5)}));
    EXPECT_EQ(Counter(1)->text(), "2");
    EXPECT_EQ(Counter(2)->text(), "9");

    Select(CardKind::Mission, 0);
    QTest::keyClick(list, Qt::Key_Backspace);
    EXPECT_EQ(Shown(CardKind::Mission), QStringList({Mission(3, 5)}));
    EXPECT_EQ(Counter(1)->text(), "1");
    EXPECT_EQ(Counter(2)->text(), "5");
}

TEST_F(DeckPanelTest, PlusAndMinusAddAndTakeAwayOneCopyOfTheSelectedCardEachOneStep) {
    panel.AddCard(CardKind::Unit, Unit(1));
    panel.AddCard(CardKind::Unit, Unit(2));
    QListView* list = panel.List(CardKind::Unit);
    QTest::keyClick(list, Qt::Key_Plus);  // nothing selected
    ASSERT_EQ(Shown(CardKind::Unit).size(), 2);
    const int stepsBefore = history.Stack()->count();

    Select(CardKind::Unit, 0);
    QTest::keyClick(list, Qt::Key_Plus);
    QTest::keyClick(list, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(Shown(CardKind::Unit), QStringList({Unit(1), Unit(1), Unit(1), Unit(2)}));
    EXPECT_EQ(DeckPanel::SelectedEntry(list), Unit(1));
    EXPECT_EQ(Counter(0)->text(), "4");

    Select(CardKind::Unit, 2);
    QTest::keyClick(list, Qt::Key_Minus);
    QTest::keyClick(list, Qt::Key_Minus);
    EXPECT_EQ(Shown(CardKind::Unit), QStringList({Unit(1), Unit(2)}));
    EXPECT_EQ(DeckPanel::SelectedEntry(list), Unit(1));
    QTest::keyClick(list, Qt::Key_Minus);  // the last copy goes, and the selection with it
    EXPECT_EQ(Shown(CardKind::Unit), QStringList({Unit(2)}));
    EXPECT_TRUE(DeckPanel::SelectedEntry(list).isEmpty());

    EXPECT_EQ(history.Stack()->count(), stepsBefore + 5);
    history.Stack()->undo();
    EXPECT_EQ(Shown(CardKind::Unit), QStringList({Unit(1), Unit(2)}));
}

TEST_F(DeckPanelTest, DoubleClickRemovesTheEntryUnderTheMouse) {
    panel.AddCard(CardKind::Character, Character(1));
    panel.AddCard(CardKind::Character, Character(2));
    QListView* list = panel.List(CardKind::Character);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(CardKind::Character, 1));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, RowCentre(CardKind::Character, 1));
    EXPECT_EQ(Shown(CardKind::Character), QStringList({Character(1)}));
    EXPECT_EQ(Counter(1)->text(), "1");
}

TEST_F(DeckPanelTest, SelectionChangesAskForTheCardRemovalsDoNot) {
    panel.AddCard(CardKind::Unit, Unit(1));
    panel.AddCard(CardKind::Unit, Unit(2));
    QSignalSpy selected(&panel, &DeckPanel::entrySelected);
    Select(CardKind::Unit, 0);
    Select(CardKind::Unit, 1);
    ASSERT_EQ(selected.size(), 2);
    EXPECT_EQ(selected.at(1).at(1).toString(), Unit(2));
    QTest::keyClick(panel.List(CardKind::Unit), Qt::Key_Up);  // keyboard moves count too
    ASSERT_EQ(selected.size(), 3);
    EXPECT_EQ(selected.at(2).at(1).toString(), Unit(1));
    QTest::keyClick(panel.List(CardKind::Unit), Qt::Key_Delete);
    EXPECT_EQ(selected.size(), 3);
    EXPECT_EQ(Shown(CardKind::Unit), QStringList({Unit(2)}));
    // Nothing stays selected, so a second Delete removes nothing.
    EXPECT_TRUE(panel.List(CardKind::Unit)->selectionModel()->selectedRows().isEmpty());
    QTest::keyClick(panel.List(CardKind::Unit), Qt::Key_Delete);
    EXPECT_EQ(panel.Model(CardKind::Unit)->rowCount(), 1);
}

TEST_F(DeckPanelTest, ClickOnTheSelectedEntryShowsItsCardAgain) {
    panel.AddCard(CardKind::Unit, Unit(5));
    QListView* list = panel.List(CardKind::Unit);
    QSignalSpy selected(&panel, &DeckPanel::entrySelected);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(CardKind::Unit, 0));
    EXPECT_EQ(selected.size(), 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(CardKind::Unit, 0));
    EXPECT_EQ(selected.size(), 2);
}

TEST_F(DeckPanelTest, RightButtonAsksForThePopupOnlyWithASelection) {
    panel.AddCard(CardKind::Unit, Unit(1));
    panel.AddCard(CardKind::Unit, Unit(2));
    QListView* list = panel.List(CardKind::Unit);
    QSignalSpy popup(&panel, &DeckPanel::popupRequested);

    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, RowCentre(CardKind::Unit, 0));
    EXPECT_EQ(popup.size(), 0);
    EXPECT_TRUE(list->selectionModel()->selectedRows().isEmpty());

    Select(CardKind::Unit, 1);
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, RowCentre(CardKind::Unit, 0));
    ASSERT_EQ(popup.size(), 1);
    EXPECT_EQ(popup.at(0).at(0).value<CardKind>(), CardKind::Unit);
    // The menu is for the selected entry; the right button does not move the selection.
    EXPECT_EQ(popup.at(0).at(1).toString(), Unit(2));
    EXPECT_EQ(DeckPanel::SelectedEntry(list), Unit(2));
    EXPECT_EQ(popup.at(0).at(2).toPoint(),
              list->viewport()->mapToGlobal(RowCentre(CardKind::Unit, 0)));
}

TEST_F(DeckPanelTest, CountersFollowTheDeckWhateverChangesIt) {
    // Straight on the deck, as a deck file opened changes it.
    deck.Fill(CardKind::Mission, {Mission(1, 5).toStdU16String()});
    deck.Add(CardKind::Unit, Unit(1).toStdU16String());
    EXPECT_EQ(Counter(0)->text(), "1");
    EXPECT_EQ(Counter(1)->text(), "1");
    EXPECT_EQ(Counter(2)->text(), "5");
    EXPECT_EQ(CounterColour(2), kRed);
    panel.AddCard(CardKind::Mission, Mission(2, 6));
    EXPECT_EQ(Counter(1)->text(), "2");
    EXPECT_EQ(Counter(2)->text(), "11");
    EXPECT_EQ(CounterColour(2), kBlack);
    history.Stack()->undo();
    EXPECT_EQ(Counter(1)->text(), "1");
    EXPECT_EQ(Counter(2)->text(), "5");
    EXPECT_EQ(CounterColour(2), kRed);
    deck.ClearAll();
    EXPECT_EQ(Counter(0)->text(), "0");
    EXPECT_EQ(Counter(2)->text(), "0");
}

// That the reader is told of each change is heard on the real accessibility bus
// (screen_reader_on_the_bus): offscreen, Qt sends no accessibility events.
TEST_F(DeckPanelTest, ScreenReadersHearEachCounterWithItsCaptionAndCount) {
    panel.AddCard(CardKind::Mission, Mission(1, 3));
    // The name the accessibility bus carries: a label is heard by it alone.
    auto heard = [this](int i) {
        return QAccessible::queryAccessibleInterface(Counter(i))->text(QAccessible::Name);
    };
    EXPECT_EQ(heard(0), QStringLiteral("ユニット数 0"));
    EXPECT_EQ(heard(1), QStringLiteral("ミッション＋キャラクター数 1"));
    EXPECT_EQ(heard(2), QStringLiteral("合計戦果 3"));
}

TEST_F(DeckPanelTest, AddingACardToALongListKeepsTheSelectedEntryAndTheScrollPosition) {
    std::vector<std::u16string> units;
    for (int n = 0; n < 2000; n += 2) units.push_back(Unit(n).toStdU16String());
    deck.Fill(CardKind::Unit, units);
    QListView* list = panel.List(CardKind::Unit);
    Select(CardKind::Unit, 700);
    list->scrollTo(list->model()->index(700, 0), QAbstractItemView::PositionAtCenter);
    QApplication::processEvents();
    const int scrolled = list->verticalScrollBar()->value();
    ASSERT_GT(scrolled, 0);
    QSignalSpy selected(&panel, &DeckPanel::entrySelected);

    // One card sorts above the selected entry, one below it.
    panel.AddCard(CardKind::Unit, Unit(3));
    panel.AddCard(CardKind::Unit, Unit(1999));
    QApplication::processEvents();
    EXPECT_EQ(DeckPanel::SelectedEntry(list), Unit(1400));
    EXPECT_EQ(list->currentIndex().row(), 701);
    EXPECT_EQ(list->verticalScrollBar()->value(), scrolled);
    EXPECT_EQ(selected.size(), 0);

    // Taking a step back removes the row again without losing either.
    history.Stack()->undo();
    history.Stack()->undo();
    QApplication::processEvents();
    EXPECT_EQ(DeckPanel::SelectedEntry(list), Unit(1400));
    EXPECT_EQ(list->verticalScrollBar()->value(), scrolled);
}

TEST_F(DeckPanelTest, AFullListTakesNoMoreAndSaysSo) {
    test::FakeDialogs dialogs;
    deck.Fill(CardKind::Character,
              std::vector<std::u16string>(kMaxListEntries, Character(2).toStdU16String()));
    QSignalSpy added(&panel, &DeckPanel::cardAdded);
    panel.AddCard(CardKind::Character, Character(1));
    EXPECT_EQ(deck.Size(CardKind::Character), kMaxListEntries);
    EXPECT_EQ(deck.Entries(CardKind::Character).front(), Character(2).toStdU16String());
    EXPECT_EQ(added.size(), 0);
    EXPECT_EQ(history.Stack()->count(), 0);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QString::fromStdU16String(LeftOutText({0, 0, 1})));
}

TEST_F(DeckPanelTest, CountsOfTheFullestDeckFitTheirLabelsInBothViews) {
    deck.Fill(CardKind::Unit,
              std::vector<std::u16string>(kMaxListEntries, Unit(1).toStdU16String()));
    deck.Fill(CardKind::Mission,
              std::vector<std::u16string>(kMaxListEntries, Mission(1, 99).toStdU16String()));
    EXPECT_EQ(Counter(2)->text(), QString::number(99 * 32767));
    for (const bool compact : {false, true}) {
        QFont font = panel.font();
        font.setPointSize(compact ? 8 : 9);  // as the main window's views set it
        panel.setFont(font);
        panel.LayOut(compact);
        for (int i = 0; i < 3; ++i) {
            EXPECT_LE(Counter(i)->sizeHint().width(), Counter(i)->width()) << i << compact;
            QLabel* caption = FindControl<QLabel>(&panel, "lblCntCaption", i);
            EXPECT_LE(caption->sizeHint().width(), caption->width()) << i << compact;
        }
    }
}

TEST_F(DeckPanelTest, TheWidestEntryCanAlwaysBeScrolledIntoView) {
    QListView* list = panel.List(CardKind::Mission);
    auto reach = [list] {
        QApplication::processEvents();
        return list->horizontalScrollBar()->maximum() + list->viewport()->width();
    };
    auto width = [list](const QString& entry) {
        return list->fontMetrics().horizontalAdvance(entry);
    };
    const QString wide = QStringLiteral("MI0002   ") + QString(30, QChar(u'長')) +
                         QString(50, ' ') + QStringLiteral("9");
    deck.Fill(CardKind::Mission, {Mission(1, 1).toStdU16String(), wide.toStdU16String(),
                                  Mission(3, 1).toStdU16String()});
    ASSERT_GT(width(wide), list->viewport()->width());
    EXPECT_GE(reach(), width(wide));

    // Entries added later, one by one, wider still; then the widest taken out again.
    const QString wider = QStringLiteral("MI0004   ") + QString(40, QChar(u'長')) +
                          QString(50, ' ') + QStringLiteral("9");
    panel.AddCard(CardKind::Mission, wider);
    EXPECT_GE(reach(), width(wider));
    Select(CardKind::Mission, 3);
    panel.RemoveSelected(CardKind::Mission);
    EXPECT_GE(reach(), width(wide));
    EXPECT_LT(reach(), width(wider));
}

}  // namespace
}  // namespace zemlo

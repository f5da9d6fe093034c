// The draw test dialog: counters, buttons, drawn lists and the card callbacks.
#include "tools/draw_test_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <map>

#include "deck/deck.h"
#include "support/qstring_printer.h"

namespace zemlo {
namespace {

class DrawTestDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        deck.Fill({DeckEntry(CardKind::Unit, u"ZM0001", u"ア"),
                   DeckEntry(CardKind::Unit, u"ZM0002", u"イ"),
                   DeckEntry(CardKind::Unit, u"ZM0003", u"ウ"),
                   DeckEntry(CardKind::Mission, u"MI0001", u"エ", u"4"),
                   DeckEntry(CardKind::Character, u"CH0001", u"オ")});
    }
    std::unique_ptr<DrawTestDialog> Open() {
        return std::make_unique<DrawTestDialog>(
            deck,
            [this](const DeckEntry& entry) {
                shown.emplace_back(entry.Kind(),
                                   QString::fromStdU16String(std::u16string(entry.CardNo())));
            },
            [this](const DeckEntry& entry, const QPoint&) {
                popups.emplace_back(entry.Kind(), QStringView(entry.Text()).toString());
            },
            nullptr, [this] { return sequence.Next(); });
    }
    static QStringList PileTexts(const DrawPile& pile) {
        QStringList texts;
        for (const DrawPile::Row& row : pile.Rows())
            texts << QStringView(row.entry.Text()).toString();
        return texts;
    }
    static QPoint RowCentre(const QListView* list, int row) {
        return list->visualRect(list->model()->index(row, 0)).center();
    }

    Deck deck;
    RandomSequence sequence;
    std::vector<std::pair<CardKind, QString>> shown;
    std::vector<std::pair<CardKind, QString>> popups;
};

TEST_F(DrawTestDialogTest, SingleDrawsStackNewestOnTopUntilThePileIsExhausted) {
    auto dialog = Open();
    EXPECT_EQ(dialog->pileCounts[0]->text(), "0/3");
    EXPECT_EQ(dialog->pileCounts[1]->text(), "0/2");
    const QStringList pile = PileTexts(dialog->UnitPile());
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(dialog->buttons[0]->isEnabled());
        dialog->buttons[0]->click();
    }
    EXPECT_EQ(dialog->DrawnEntries(0), QStringList({pile[2], pile[1], pile[0]}));
    EXPECT_EQ(dialog->pileCounts[0]->text(), "3/3");
    EXPECT_FALSE(dialog->buttons[0]->isEnabled());
    EXPECT_FALSE(dialog->buttons[1]->isEnabled());
    EXPECT_TRUE(dialog->buttons[2]->isEnabled());
}

TEST_F(DrawTestDialogTest, ThreeDrawWithTwoLeftDrawsTheTwo) {
    auto dialog = Open();
    dialog->buttons[0]->click();
    dialog->buttons[1]->click();
    EXPECT_EQ(dialog->DrawnEntries(0).size(), 3);
    EXPECT_EQ(dialog->pileCounts[0]->text(), "3/3");
    EXPECT_FALSE(dialog->buttons[1]->isEnabled());
}

TEST_F(DrawTestDialogTest, ReshufflingOnePileLeavesTheOtherUntouched) {
    auto dialog = Open();
    dialog->buttons[0]->click();
    dialog->buttons[5]->click();
    const QStringList missionPile = PileTexts(dialog->MissionCharPile());
    const QStringList missionDrawn = dialog->DrawnEntries(1);
    dialog->buttons[2]->click();
    EXPECT_TRUE(dialog->DrawnEntries(0).isEmpty());
    EXPECT_EQ(dialog->pileCounts[0]->text(), "0/3");
    EXPECT_TRUE(dialog->buttons[0]->isEnabled());
    EXPECT_EQ(PileTexts(dialog->MissionCharPile()), missionPile);
    EXPECT_EQ(dialog->DrawnEntries(1), missionDrawn);
    EXPECT_EQ(dialog->pileCounts[1]->text(), "2/2");
    EXPECT_FALSE(dialog->buttons[4]->isEnabled());
}

TEST_F(DrawTestDialogTest, AnEmptyDeckStartsExhausted) {
    deck.Clear(CardKind::Mission);
    deck.Clear(CardKind::Character);
    auto dialog = Open();
    EXPECT_EQ(dialog->pileCounts[1]->text(), "0/0");
    EXPECT_FALSE(dialog->buttons[4]->isEnabled());
    EXPECT_FALSE(dialog->buttons[5]->isEnabled());
    EXPECT_TRUE(dialog->buttons[6]->isEnabled());
}

TEST_F(DrawTestDialogTest, DrawnCardsAreShownByTheirKindAndOfferTheCardMenu) {
    auto dialog = Open();
    dialog->show();
    dialog->buttons[5]->click();  // both mission and character
    QListView* list = dialog->missionCharDrawnList;
    for (int row = 0; row < 2; ++row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, row));
    }
    ASSERT_EQ(shown.size(), 2u);
    std::map<QString, CardKind> kinds;
    for (const auto& [kind, cardNo] : shown) kinds[cardNo] = kind;
    EXPECT_EQ(kinds.at("MI0001"), CardKind::Mission);
    EXPECT_EQ(kinds.at("CH0001"), CardKind::Character);

    const QString selected = list->currentIndex().data().toString();
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, RowCentre(list, 0));
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(popups[0].second, selected);  // the right button does not move the selection

    // A click on the entry already selected shows it again, once.
    shown.clear();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, 1));
    EXPECT_EQ(shown.size(), 1u);
}

TEST_F(DrawTestDialogTest, ArrowKeysThroughTheDrawnCardsShowEachCard) {
    auto dialog = Open();
    dialog->show();
    dialog->buttons[1]->click();
    const QStringList drawn = dialog->DrawnEntries(0);
    QListView* list = dialog->unitDrawnList;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, 0));
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Up);
    QStringList shownNumbers;
    for (const auto& [kind, cardNo] : shown) {
        EXPECT_EQ(kind, CardKind::Unit);
        shownNumbers << cardNo;
    }
    EXPECT_EQ(shownNumbers, QStringList({drawn[0].left(6), drawn[1].left(6), drawn[2].left(6),
                                         drawn[1].left(6)}));
}

}  // namespace
}  // namespace zemlo

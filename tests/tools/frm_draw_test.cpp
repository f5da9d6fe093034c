// The draw test dialog: counters, buttons, drawn lists and the card callbacks.
#include "tools/frm_draw.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <map>

#include "deck/deck.h"

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << text.toStdString();
}

namespace zemlo {
namespace {

class FrmDrawTest : public ::testing::Test {
protected:
    void SetUp() override {
        deck.Fill(CardKind::Unit, {u"ZM0001   ア", u"ZM0002   イ", u"ZM0003   ウ"});
        deck.Fill(CardKind::Mission, {u"MI0001   エ" + std::u16string(50, u' ') + u"4"});
        deck.Fill(CardKind::Character, {u"CH0001   オ"});
    }
    std::unique_ptr<FrmDraw> Open() {
        return std::make_unique<FrmDraw>(
            deck,
            [this](CardKind kind, const QString& cardNo) { shown.emplace_back(kind, cardNo); },
            [this](CardKind kind, const QString& entry, const QPoint&) {
                popups.emplace_back(kind, entry);
            },
            nullptr, [this] { return sequence.Next(); });
    }
    static QStringList PileTexts(const DrawPile& pile) {
        QStringList texts;
        for (const DrawPile::Row& row : pile.Rows()) texts << QString::fromStdU16String(row.text);
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

TEST_F(FrmDrawTest, SingleDrawsStackNewestOnTopUntilThePileIsExhausted) {
    auto dialog = Open();
    EXPECT_EQ(dialog->lblCnt[0]->text(), "0/3");
    EXPECT_EQ(dialog->lblCnt[1]->text(), "0/2");
    const QStringList pile = PileTexts(dialog->UnitPile());
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(dialog->cmdExec[0]->isEnabled());
        dialog->cmdExec[0]->click();
    }
    EXPECT_EQ(dialog->DrawnEntries(0), QStringList({pile[2], pile[1], pile[0]}));
    EXPECT_EQ(dialog->lblCnt[0]->text(), "3/3");
    EXPECT_FALSE(dialog->cmdExec[0]->isEnabled());
    EXPECT_FALSE(dialog->cmdExec[1]->isEnabled());
    EXPECT_TRUE(dialog->cmdExec[2]->isEnabled());
}

TEST_F(FrmDrawTest, ThreeDrawWithTwoLeftDrawsTheTwo) {
    auto dialog = Open();
    dialog->cmdExec[0]->click();
    dialog->cmdExec[1]->click();
    EXPECT_EQ(dialog->DrawnEntries(0).size(), 3);
    EXPECT_EQ(dialog->lblCnt[0]->text(), "3/3");
    EXPECT_FALSE(dialog->cmdExec[1]->isEnabled());
}

TEST_F(FrmDrawTest, ReshufflingOnePileLeavesTheOtherUntouched) {
    auto dialog = Open();
    dialog->cmdExec[0]->click();
    dialog->cmdExec[5]->click();
    const QStringList missionPile = PileTexts(dialog->MissionCharPile());
    const QStringList missionDrawn = dialog->DrawnEntries(1);
    dialog->cmdExec[2]->click();
    EXPECT_TRUE(dialog->DrawnEntries(0).isEmpty());
    EXPECT_EQ(dialog->lblCnt[0]->text(), "0/3");
    EXPECT_TRUE(dialog->cmdExec[0]->isEnabled());
    EXPECT_EQ(PileTexts(dialog->MissionCharPile()), missionPile);
    EXPECT_EQ(dialog->DrawnEntries(1), missionDrawn);
    EXPECT_EQ(dialog->lblCnt[1]->text(), "2/2");
    EXPECT_FALSE(dialog->cmdExec[4]->isEnabled());
}

TEST_F(FrmDrawTest, AnEmptyDeckStartsExhausted) {
    deck.Clear(CardKind::Mission);
    deck.Clear(CardKind::Character);
    auto dialog = Open();
    EXPECT_EQ(dialog->lblCnt[1]->text(), "0/0");
    EXPECT_FALSE(dialog->cmdExec[4]->isEnabled());
    EXPECT_FALSE(dialog->cmdExec[5]->isEnabled());
    EXPECT_TRUE(dialog->cmdExec[6]->isEnabled());
}

TEST_F(FrmDrawTest, DrawnCardsAreShownByTheirKindAndOfferTheCardMenu) {
    auto dialog = Open();
    dialog->show();
    dialog->cmdExec[5]->click();  // both mission and character
    QListView* list = dialog->lstDMC;
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

TEST_F(FrmDrawTest, ArrowKeysThroughTheDrawnCardsShowEachCard) {
    auto dialog = Open();
    dialog->show();
    dialog->cmdExec[1]->click();
    const QStringList drawn = dialog->DrawnEntries(0);
    QListView* list = dialog->lstDU;
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

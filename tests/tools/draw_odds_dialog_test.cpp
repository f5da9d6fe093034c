// The draw odds window on a small deck.
#include "tools/draw_odds_dialog.h"

#include <gtest/gtest.h>

#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>

#include "deck/deck.h"
#include "platform/private_profile.h"
#include "support/card_builder.h"
#include "support/file_faults.h"
#include "support/model_checks.h"
#include "support/qstring_printer.h"
#include "support/temp_dir.h"
#include "tools/draw_odds_model.h"

namespace zemlo {
namespace {

class DrawOddsDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        deck.Fill({test::Entry(CardKind::Unit, "ZM0001", "アルバ"),
                   test::Entry(CardKind::Unit, "ZM0001", "アルバ"),
                   test::Entry(CardKind::Unit, "ZM0002", "ベルナ")});
    }
    static QString Cell(const DrawOddsDialog& window, int row, int column) {
        return window.Model(0)->index(row, column).data().toString();
    }
    std::filesystem::path Ini() const { return dir.Path() / "ZEMLO.ini"; }

    test::TempDir dir;
    SettingsStore settings{dir.Path()};
    Deck deck;
};

TEST_F(DrawOddsDialogTest, RowsFollowTheDrawCountAndTheSelection) {
    DrawOddsDialog window(deck, settings);
    const test::CheckedModel units(window.Model(0));
    const test::CheckedModel missionsAndCharacters(window.Model(1));
    EXPECT_EQ(window.drawCountBoxes[0]->value(), 3);
    EXPECT_EQ(window.drawCountBoxes[0]->maximum(), 3);
    EXPECT_EQ(Cell(window, 0, DrawOddsModel::Name), "アルバ");
    EXPECT_EQ(Cell(window, 0, DrawOddsModel::Copies), "2");
    EXPECT_EQ(Cell(window, 0, DrawOddsModel::AtLeastOne), "100.0%");

    window.drawCountBoxes[0]->setValue(1);
    EXPECT_EQ(Cell(window, 0, DrawOddsModel::AtLeastOne), "66.7%");
    EXPECT_EQ(Cell(window, 0, DrawOddsModel::AtLeastTwo), "0.0%");
    EXPECT_EQ(Cell(window, 1, DrawOddsModel::AtLeastOne), "33.3%");
    EXPECT_EQ(Cell(window, 1, DrawOddsModel::Expected), "0.33");

    QItemSelectionModel* selection = window.oddsTables[0]->selectionModel();
    selection->select(window.Model(0)->index(1, 0),
                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_TRUE(window.chanceLabels[0]->text().endsWith("33.3%"));
    selection->select(window.Model(0)->index(0, 0),
                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_TRUE(window.chanceLabels[0]->text().endsWith("100.0%"));

    // Nothing to draw from an empty pile.
    EXPECT_EQ(window.Model(1)->rowCount(), 0);
    EXPECT_FALSE(window.drawCountBoxes[1]->isEnabled());
    EXPECT_FALSE(window.chanceLabels[1]->text().isEmpty());
}

TEST_F(DrawOddsDialogTest, CardsSharingANameAreToldApartByTheirNumbers) {
    deck.Add(test::Entry(CardKind::Unit, "ZM0003", "アルバ"));
    DrawOddsDialog window(deck, settings);
    const DrawOddsModel& model = *window.Model(0);
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.headerData(DrawOddsModel::CardNo, Qt::Horizontal).toString(), "No");
    EXPECT_EQ(Cell(window, 0, DrawOddsModel::CardNo), "ZM0001");
    EXPECT_EQ(Cell(window, 2, DrawOddsModel::CardNo), "ZM0003");
    EXPECT_EQ(Cell(window, 2, DrawOddsModel::Name), Cell(window, 0, DrawOddsModel::Name));
}

TEST_F(DrawOddsDialogTest, AChangedDrawCountIsRememberedForTheNextOpening) {
    {
        DrawOddsDialog window(deck, settings);
        window.drawCountBoxes[0]->setValue(2);
        window.closeButton->click();
    }
    EXPECT_EQ(PrivateProfile::Read(Ini(), u"DRAWODDS", u"UNIT"), u"2");
    EXPECT_EQ(PrivateProfile::Read(Ini(), u"DRAWODDS", u"MISSIONCHAR"), u"");
    DrawOddsDialog again(deck, settings);
    EXPECT_EQ(again.drawCountBoxes[0]->value(), 2);
}

TEST_F(DrawOddsDialogTest, ADrawCountThatCannotBeStoredIsToldByTheSettingsStore) {
    std::vector<FileStatus> told;
    settings.OnWriteFailure(
        [&](const std::filesystem::path&, const FileStatus& status) { told.push_back(status); });
    test::InjectedFaults injected;
    injected.faults.readOnlyFolder = dir.Path();
    DrawOddsDialog window(deck, settings);
    window.drawCountBoxes[0]->setValue(2);
    window.closeButton->click();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].error, EROFS);
    EXPECT_FALSE(std::filesystem::exists(Ini()));
}

}  // namespace
}  // namespace zemlo

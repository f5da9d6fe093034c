// One catalog tab on its own: clicks on its list and its sideways scrolling.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "catalog/catalog_choices.h"
#include "catalog/unit_catalog_page.h"
#include "support/card_builder.h"

namespace zemlo {
namespace {

class CatalogPageTest : public ::testing::Test {
protected:
    void AddUnit(const char* cardNo, const std::string& name) {
        test::AddCard(db.units, cardNo,
                      {{unit_field::UnitName, name},
                       {unit_field::Team, "地球連邦"},
                       {unit_field::Terrain, "陸"},
                       {unit_field::Hp, "3"}});
    }
    void Open() {
        page = std::make_unique<UnitCatalogPage>(db, suspension, highlight);
        page->resize(420, 660);
        page->PrepareCatalog(BuildCatalogChoices(db), CatalogOrder(db, CardKind::Unit));
        suspension.Set(false);
        page->RefilterUnits();
        page->show();
        QApplication::processEvents();
    }
    QPoint RowCentre(int row) {
        QListView* list = page->List();
        return list->visualRect(list->model()->index(row, 0)).center();
    }

    CardDatabase db;
    FilterSuspension suspension;
    bool highlight = false;
    std::unique_ptr<UnitCatalogPage> page;
};

TEST_F(CatalogPageTest, ClickOnTheSelectedEntryReportsItAgain) {
    AddUnit("ZM0001", "ガルド");
    AddUnit("ZM0002", "セリオ");
    Open();
    QSignalSpy selected(page.get(), &CatalogPage::entrySelected);
    QTest::mouseClick(page->List()->viewport(), Qt::LeftButton, {}, RowCentre(1));
    ASSERT_EQ(selected.count(), 1);
    // Another list's card may have been shown since: the same entry shows again.
    QTest::mouseClick(page->List()->viewport(), Qt::LeftButton, {}, RowCentre(1));
    ASSERT_EQ(selected.count(), 2);
    EXPECT_EQ(selected.last().at(1).toString(), "ZM0002   セリオ");
}

TEST_F(CatalogPageTest, LongEntryAnywhereInTheListCanBeScrolledIntoView) {
    // The list measures one entry for all of them: the long one is neither first nor last.
    AddUnit("ZM0001", "短");
    const QString longName(40, QChar(u'長'));
    AddUnit("ZM0002", longName.toStdString());
    AddUnit("ZM0003", "短");
    Open();
    QListView* list = page->List();
    const int entryWidth = list->fontMetrics().horizontalAdvance("ZM0002   " + longName);
    ASSERT_GT(entryWidth, list->viewport()->width());
    EXPECT_GE(list->horizontalScrollBar()->maximum() + list->viewport()->width(), entryWidth);

    page->SetMinimumScrollExtent(2000);
    QApplication::processEvents();
    EXPECT_GE(list->horizontalScrollBar()->maximum() + list->viewport()->width(), 2000);
}

}  // namespace
}  // namespace zemlo

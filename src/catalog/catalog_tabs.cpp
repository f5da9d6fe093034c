#include "catalog/catalog_tabs.h"

#include <QAction>
#include <QCheckBox>
#include <QListView>
#include <QTabWidget>
#include <QVBoxLayout>

#include "catalog/catalog_choices.h"
#include "catalog/character_catalog_page.h"
#include "catalog/highlight_colors.h"
#include "catalog/mission_catalog_page.h"
#include "catalog/quick_filter_bar.h"
#include "catalog/unit_catalog_page.h"
#include "platform/control_name.h"
#include "platform/point_size.h"

namespace zemlo {

CatalogTabs::CatalogTabs(const CardDatabase& db, FilterSuspension& suspension,
                         const HighlightState& highlight, QWidget* parent)
    : QObject(parent), suspension_(suspension), tabs_(new QTabWidget(parent)) {
    tabs_->setObjectName("ssTab");
    tabs_->setAccessibleName(QStringLiteral("カードの種類"));
    for (const QString& caption : {QStringLiteral("ユニット"), QStringLiteral("ミッション"),
                                   QStringLiteral("キャラクター")}) {
        tabs_->addTab(new QWidget, caption);
    }
    // Each tab page holds its search panel and catalog.
    pages_ = {new UnitCatalogPage(db, suspension, highlight),
              new MissionCatalogPage(db, suspension, highlight),
              new CharacterCatalogPage(db, suspension, highlight)};
    for (int tab = 0; tab < 3; ++tab) {
        auto* tabLayout = new QVBoxLayout(tabs_->widget(tab));
        tabLayout->setContentsMargins(0, 0, 0, 0);
        tabLayout->addWidget(pages_[tab]);
    }
    filterBar_ = new QuickFilterBar(db, pages_, highlight, pages_[0]);

    clearConditionsItem = new QAction(QStringLiteral("検索条件のｸﾘｱ"), this);
    clearConditionsItem->setObjectName("mnuClearS");
    quickFilterItem = new QAction(QStringLiteral("絞り込み(&F)"), this);
    quickFilterItem->setObjectName("mnuQuickFilter");
    quickFilterItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(clearConditionsItem, &QAction::triggered, this, &CatalogTabs::ClearShownConditions);
    connect(quickFilterItem, &QAction::triggered, filterBar_, &QuickFilterBar::Toggle);
    connect(tabs_, &QTabWidget::currentChanged, this, &CatalogTabs::TabChanged);

    // A long entry can be scrolled into view; the unit and mission catalogs always scroll at
    // least this far.
    pages_[0]->SetMinimumScrollExtent(300);
    pages_[1]->SetMinimumScrollExtent(260);
}

CatalogPage* CatalogTabs::ShownPage() const {
    const int tab = tabs_->currentIndex();
    return tab >= 0 && tab < 3 ? pages_[tab] : nullptr;
}

void CatalogTabs::PrepareCatalogs(CatalogData data) {
    // Every data-dependent combo box gets its entries and start-up selection; the handlers
    // they fire colour the boxes, their refilters wait for the end.
    for (std::size_t k = 0; k < pages_.size(); ++k) {
        pages_[k]->PrepareCatalog(data.choices, std::move(data.orders[k]));
    }
    tabs_->setCurrentIndex(0);
    TabChanged();
}

void CatalogTabs::RefilterAll() {
    for (CatalogPage* page : pages_) page->Refilter();
}

void CatalogTabs::ClearShownConditions() {
    if (CatalogPage* page = ShownPage()) {
        const FilterSuspension::Scope hold(suspension_);
        page->ClearConditions();
    }
    // All three catalogs are rebuilt, whichever tab was reset.
    RefilterAll();
}

void CatalogTabs::ShowKind(CardKind kind) {
    tabs_->setCurrentIndex(static_cast<int>(kind));
    pages_[static_cast<std::size_t>(kind)]->List()->setFocus();
}

void CatalogTabs::ShowLoadHighlight() {
    for (CatalogPage* page : pages_) {
        for (QCheckBox* box : page->CheckBoxes()) SetCheckBoxBackground(box, HighlightYellow());
    }
    SetCheckBoxBackground(FindControl<QCheckBox>(pages_[0], "chkBeem"), ButtonFaceColor());
}

void CatalogTabs::LayOut(bool compact, int pointSize) {
    SetPointSize(tabs_, pointSize);
    for (CatalogPage* page : pages_) {
        SetPointSize(page, pointSize);
        page->LayOut(compact);
    }
}

bool CatalogTabs::IsQuickFilterText(const QObject* widget) const {
    return filterBar_->IsTextField(widget);
}

void CatalogTabs::TabChanged() {
    // The tab widget shows the new tab's search panel and catalog itself; the clear command
    // names the tab it will act on.
    static const char* const kClearCaptions[3] = {"検索条件のｸﾘｱ [ﾕﾆｯﾄ]", "検索条件のｸﾘｱ [ﾐｯｼｮﾝ]",
                                                  "検索条件のｸﾘｱ [ｷｬﾗｸﾀｰ]"};
    const int tab = tabs_->currentIndex();
    if (tab >= 0 && tab < 3) clearConditionsItem->setText(QString::fromUtf8(kClearCaptions[tab]));
    filterBar_->FollowTab(tab);
}

}  // namespace zemlo

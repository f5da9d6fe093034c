// The catalog area of the main window: the tab control ssTab with the unit, mission and
// character catalogs, the quick filter bar under the catalog in front, and the 表示 menu's
// commands that act on them. The window places the tab control and lays the pages out for
// its view; everything else about the catalogs happens here.
#pragma once

#include <QObject>
#include <array>

#include "carddb/card_database.h"
#include "catalog/catalog_data.h"
#include "catalog/filter_suspension.h"
#include "catalog/highlight_state.h"

class QAction;
class QObject;
class QTabWidget;
class QWidget;

namespace zemlo {

class CatalogPage;
class QuickFilterBar;

class CatalogTabs : public QObject {
    Q_OBJECT
public:
    // suspension is FiltersSuspended of the window holding the tabs; the catalogs follow
    // highlight. Both outlive the tabs.
    CatalogTabs(const CardDatabase& db, FilterSuspension& suspension,
                const HighlightState& highlight, QWidget* parent);

    QTabWidget* Tabs() const { return tabs_; }
    // By CardKind.
    const std::array<CatalogPage*, 3>& Pages() const { return pages_; }
    // The catalog of the tab in front, or nullptr.
    CatalogPage* ShownPage() const;
    QuickFilterBar* FilterBar() const { return filterBar_; }

    // Start-up (FormInit): every search condition's choices and each catalog's entries, made
    // beforehand from the card tables; the unit tab in front. The catalogs are filled by the
    // next refilter.
    void PrepareCatalogs(CatalogData data);
    void RefilterAll();
    // 検索条件のｸﾘｱ: the conditions of the tab in front back to their start; every catalog is
    // refiltered.
    void ClearShownConditions();
    // U, M and C: the tab of a kind in front, the focus in its catalog.
    void ShowKind(CardKind kind);
    // The window's load with highlight display on: every condition box yellow.
    void ShowLoadHighlight();
    // Each page's font and places for the normal view or the compact one.
    void LayOut(bool compact, int pointSize);
    // Whether a key pressed in widget is the quick filter's text, which keeps its letters.
    bool IsQuickFilterText(const QObject* widget) const;

    // 表示 menu items: clearing the conditions of the tab in front (its caption names the tab)
    // and showing or hiding the quick filter bar (Ctrl+F).
    QAction* clearConditionsItem;
    QAction* quickFilterItem;

private:
    void TabChanged();

    FilterSuspension& suspension_;
    QTabWidget* tabs_;
    std::array<CatalogPage*, 3> pages_{};
    QuickFilterBar* filterBar_;
};

}  // namespace zemlo

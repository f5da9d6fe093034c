#include "ui/main_window_layout.h"

#include <QPushButton>
#include <QTabWidget>
#include <array>

#include "catalog/character_catalog_page.h"
#include "catalog/mission_catalog_page.h"
#include "catalog/unit_catalog_page.h"
#include "deck/card_info_panel.h"
#include "deck/deck_panel.h"
#include "platform/twips.h"
#include "ui/main_window.h"
#include "ui/view_rules.h"

namespace zemlo {
namespace {

void SetPointSize(QWidget* widget, int points) {
    QFont font = widget->font();
    font.setPointSize(points);
    widget->setFont(font);
}

}  // namespace

void ArrangeMainWindow(MainWindow& window, int view) {
    const bool compact = IsCompactView(view);
    const TwipsSize size = WindowSizeForView(view);
    window.setFixedSize(TwipsToPixels(size.width), TwipsToPixels(size.height));

    const int points = compact ? 8 : 9;
    const std::array<CatalogPage*, 3> catalogs = {window.unitCatalog, window.missionCatalog,
                                                  window.charCatalog};
    SetPointSize(window.ssTab, points);
    for (CatalogPage* catalog : catalogs) {
        SetPointSize(catalog, points);
        catalog->LayOut(compact);
    }
    SetPointSize(window.deckPanel_, points);
    window.deckPanel_->LayOut(compact);
    SetPointSize(window.cardInfoPanel_, points);
    window.cardInfoPanel_->LayOut(compact);

    if (compact) {
        PlaceTwips(window.ssTab, 60, 60, 5655, 8355);
        PlaceTwips(window.deckPanel_, 5790, 60, 3300, 7875);
        // In the narrow width the card information lies beyond the window's right edge.
        PlaceTwips(window.cardInfoPanel_, 9195, 60, 3245, 8355);
        SetPointSize(window.cmdShow, points);
        PlaceTwips(window.cmdShow, 5790, 8010, 3300, 405);
        window.cmdShow->setText(QString::fromStdU16String(ShowButtonCaption(view)));
        window.cmdShow->show();
    } else {
        PlaceTwips(window.ssTab, 60, 60, 6135, 10275);
        PlaceTwips(window.deckPanel_, 6280, 60, 2700, 10275);
        PlaceTwips(window.cardInfoPanel_, 9240, 60, 4710, 10275);
        window.cmdShow->hide();
    }
}

}  // namespace zemlo

// The main window's two layouts: the normal view and the compact one in its two widths.
#include <QPushButton>
#include <QTabWidget>
#include <array>

#include "cardinfo/card_info_panel.h"
#include "catalog/catalog_page.h"
#include "catalog/catalog_tabs.h"
#include "catalog/quick_filter_bar.h"
#include "deck/deck_panel.h"
#include "platform/point_size.h"
#include "platform/twips.h"
#include "ui/main_window.h"
#include "ui/view_rules.h"

namespace zemlo {

void MainWindow::ArrangeControls(int view) {
    const bool compact = IsCompactView(view);
    const TwipsSize size = WindowSizeForView(view);
    setFixedSize(TwipsToPixels(size.width), TwipsToPixels(size.height));

    const int points = compact ? 8 : 9;
    catalogs_->LayOut(compact, points);
    SetPointSize(deckPanel_, points);
    deckPanel_->LayOut(compact);
    SetPointSize(cardInfoPanel_, points);
    cardInfoPanel_->LayOut(compact);

    if (compact) {
        PlaceTwips(catalogs_->Tabs(), 60, 60, 5655, 8355);
        PlaceTwips(deckPanel_, 5790, 60, 3300, 7875);
        // In the narrow width the card information lies beyond the window's right edge.
        PlaceTwips(cardInfoPanel_, 9195, 60, 3245, 8355);
        SetPointSize(cardInfoButton_, points);
        PlaceTwips(cardInfoButton_, 5790, 8010, 3300, 405);
        cardInfoButton_->setText(QString::fromStdU16String(ShowButtonCaption(view)));
        cardInfoButton_->show();
    } else {
        PlaceTwips(catalogs_->Tabs(), 60, 60, 6135, 10275);
        PlaceTwips(deckPanel_, 6280, 60, 2700, 10275);
        PlaceTwips(cardInfoPanel_, 9240, 60, 4710, 10275);
        cardInfoButton_->hide();
    }
    // The keyboard goes through the window as it reads, left to right: the catalogs (each
    // page orders its own controls as it lays them out), the deck lists, then the card
    // information, which was built before the deck lists.
    QWidget* previous = catalogs_->Pages()[2]->List();
    for (QWidget* list :
         {deckPanel_->unitList, deckPanel_->missionList, deckPanel_->characterList}) {
        QWidget::setTabOrder(previous, list);
        previous = list;
    }
    catalogs_->FilterBar()->FollowLayout();
}

}  // namespace zemlo

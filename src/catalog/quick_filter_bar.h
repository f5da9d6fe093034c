// The quick filter bar under the catalogs: a close button, the text, "ﾃｷｽﾄも検索" and the
// count of entries shown out of those the condition panel lets through, and beside it how
// many entries the words match that the conditions hide ("条件外 2"), when there are any. The bar
// narrows the catalog in front and follows the player to another tab; hidden, it narrows nothing
// and takes no room.
#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "carddb/card_database.h"
#include "catalog/highlight_state.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace zemlo {

class CatalogPage;
class QuickFilter;

class QuickFilterBar : public QWidget {
    Q_OBJECT
public:
    // pages are the three catalogs by kind; the bar follows highlight. All outlive the bar.
    QuickFilterBar(const CardDatabase& db, std::array<CatalogPage*, 3> pages,
                   const HighlightState& highlight, QWidget* parent = nullptr);
    ~QuickFilterBar() override;

    // Ctrl+F: shows the bar under the catalog in front with the focus in its text, or, when
    // it is shown, empties and hides it, and every catalog shows all its entries again.
    void Toggle();
    bool IsOpen() const { return open_; }
    // The catalog in front changed: the bar moves under it and narrows it.
    void FollowTab(int tab);
    // The catalogs were laid out afresh (normal or compact view): the bar takes its place
    // again under the one in front.
    void FollowLayout();
    // Highlight display was switched: the text is yellow while it narrows.
    void FollowHighlight();

    // Whether a key pressed in this widget is the bar's text (letters included), so the
    // window's own keys leave it alone.
    bool IsTextField(const QObject* widget) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Close();
    // Narrows the catalog in front by the current words, if it is not narrowed by them yet,
    // and shows its count.
    void NarrowFront();
    void ShowCount();
    void PlaceUnderFront();

    std::array<CatalogPage*, 3> pages_;
    const HighlightState& highlight_;
    std::unique_ptr<QuickFilter> filter_;
    int front_ = 0;
    bool open_ = false;
    // The words the text folds to, and what each catalog is narrowed by now.
    std::vector<std::u16string> words_;
    struct Applied {
        std::vector<std::u16string> words;
        bool texts = false;
    };
    std::array<Applied, 3> applied_;

    QToolButton* closeButton_;
    QLineEdit* textBox_;
    QCheckBox* textsBox_;
    QLabel* countLabel_;
    QLabel* outsideLabel_;
};

}  // namespace zemlo

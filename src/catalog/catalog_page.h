// One tab of the catalog area: a search panel and its catalog. The three kinds share the
// catalog list, its signals towards the deck, the affiliation boxes and the colour rule.
#pragma once

#include <QListView>
#include <QMetaType>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "carddb/card_database.h"
#include "carddb/deck_entry.h"
#include "catalog/catalog_order.h"
#include "catalog/filter_conditions.h"
#include "catalog/filter_suspension.h"
#include "catalog/highlight_state.h"
#include "catalog/panel_control.h"

class QCheckBox;
class QComboBox;

namespace zemlo {

class CatalogListModel;
class EntryWidthDelegate;
struct CatalogChoices;

class CatalogPage : public QWidget {
    Q_OBJECT
public:
    // suspension holds the three catalogs' filters (its owner is the window that holds the
    // pages); the page follows highlight. Both outlive the page.
    CatalogPage(CardKind kind, const CardDatabase& db, FilterSuspension& suspension,
                const HighlightState& highlight, QWidget* parent = nullptr);
    ~CatalogPage() override;

    QListView* List() const { return list_; }
    CardKind Kind() const { return kind_; }
    CatalogListModel* Model() const { return model_; }

    // Start-up: takes the entry texts and their order made from the loaded cards, then gives
    // the data-dependent combo boxes their entries and start-up selections.
    void PrepareCatalog(const CatalogChoices& choices, CatalogOrder order);
    // Runs this tab's filter (RefilterUnits, RefilterMissions or RefilterCharacters).
    virtual void Refilter() = 0;
    // Puts this tab's conditions back to their start-up state. Each change runs the changed
    // condition's handler; the caller holds the filters around it.
    void ClearConditions();
    // Colours every combo box of the panel by the highlight rule.
    void ColourComboBoxesByRule();
    // Highlight display was switched: every check box and combo box coloured by the rule, or
    // all back to their plain colours.
    void FollowHighlight(bool on);
    // Places every control for the normal view or the compact one; the caller sets the font
    // first, since the catalog's sideways scroll extent follows it.
    void LayOut(bool compact);

    // The least width, in pixels, the catalog scrolls sideways to; it scrolls further when
    // an entry is wider.
    void SetMinimumScrollExtent(int pixels);
    // The width the catalog's entries scroll to, in pixels.
    int ScrollExtent() const;

    // What the catalog shows beyond its conditions (the quick filter): from the records that
    // pass the conditions, in the catalog's order, those to show. Applied at once and after
    // every refilter; an empty one shows every passing record.
    using Narrowing = std::function<std::vector<int>(const std::vector<int>& passing)>;
    void SetNarrowing(Narrowing narrowing);
    // Entries the conditions let through, and entries shown.
    int PassingCount() const { return static_cast<int>(passing_.size()); }
    const std::vector<int>& PassingRecords() const { return passing_; }
    int ShownCount() const;
    // Room kept free under the catalog list, in pixels, and the list's place in the page.
    void SetListBottomReserve(int pixels);
    QRect ListGeometry() const;

    QList<QCheckBox*> CheckBoxes() const;
    QList<QComboBox*> ComboBoxes() const;

signals:
    // Double click, or Enter while an entry is selected.
    void entryActivated(const zemlo::DeckEntry& entry);
    // Every change of the selection, by mouse or keyboard, while the list is not empty.
    void entrySelected(const zemlo::DeckEntry& entry);
    // Right button while exactly one entry is selected.
    void popupRequested(const zemlo::DeckEntry& entry, const QPoint& globalPos);
    // The catalog shows other entries: after a refilter or a new narrowing.
    void shownChanged();

protected:
    // Makes the controls of the table in its order (which is the keyboard's order), places
    // them for the normal view and connects each to ConditionChanged.
    void BuildPanel(std::vector<PanelControl> controls);
    const std::vector<PanelControl>& Controls() const { return controls_; }

    void changeEvent(QEvent* event) override;

    bool FiltersSuspended() const { return suspension_.Active(); }

    // Shows the passing records in the catalog's order: no selection, scrolled to the top.
    void ShowRecords(const std::vector<int>& passing);

    // The values a control stands for.
    static bool IsChecked(const PanelControl& control);
    static RangeCondition ReadRange(const PanelControl& control);
    static ChoiceCondition ReadChoice(const PanelControl& control);
    static std::array<AffiliationBox, kAffiliationBoxCount> ReadAffiliations(
        const PanelControl& control);

    const CardDatabase& db_;

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void EmitSelection();
    void UpdateScrollExtent();
    void ShowNarrowed();
    // The keyboard's order follows the places: frames top to bottom and left to right, and
    // within a frame its controls the same way.
    void OrderTabs();

    void Build(PanelControl& control);
    void Connect(PanelControl& control);
    void Place(PanelControl& control, bool compact);
    // The one handler of every condition: colours the control that changed, then refilters.
    void ConditionChanged(const PanelControl& control, QWidget* changed);
    // Check all when fewer than 8 are checked, else clear all; one refilter at the end.
    void CheckOrClearAll(const PanelControl& affiliations);

    CardKind kind_;
    FilterSuspension& suspension_;
    const HighlightState& highlight_;
    CatalogOrder order_;
    CatalogListModel* model_;
    QListView* list_;
    std::vector<PanelControl> controls_;
    EntryWidthDelegate* delegate_;
    int minimumExtent_ = 0;
    // The passing records in the catalog's order, and what narrows them further.
    std::vector<int> passing_;
    Narrowing narrowing_;
    int listBottomReserve_ = 0;
    bool compact_ = false;
    // The row selected when a left press began; a click on it changes no selection.
    int rowSelectedAtPress_ = -1;
};

}  // namespace zemlo

Q_DECLARE_METATYPE(zemlo::CardKind)

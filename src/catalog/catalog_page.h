// One tab of the catalog area: a search panel and its catalog. The three kinds share the
// catalog list, its signals towards the deck, the affiliation boxes and the colour rule.
#pragma once

#include <QListView>
#include <QMetaType>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <array>
#include <vector>

#include "carddb/card_database.h"
#include "catalog/catalog_order.h"
#include "catalog/filter_conditions.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QRadioButton;

namespace zemlo {

class CatalogListModel;
struct CatalogChoices;

class CatalogPage : public QWidget {
    Q_OBJECT
public:
    // filtersSuspended is the main window's FiltersSuspended, highlightOn the process-wide
    // HighlightOn; both outlive the page.
    CatalogPage(CardKind kind, CardDatabase& db, bool& filtersSuspended, const bool& highlightOn,
                QWidget* parent = nullptr);
    ~CatalogPage() override;

    QListView* List() const { return list_; }
    CardKind Kind() const { return kind_; }
    CatalogListModel* Model() const { return model_; }

    // Start-up: makes the entry texts and their order from the loaded cards, then gives the
    // data-dependent combo boxes their entries and start-up selections.
    void PrepareCatalog(const CatalogChoices& choices);
    // Runs this tab's filter (RefilterUnits, RefilterMissions or RefilterCharacters).
    virtual void Refilter() = 0;
    // Puts this tab's conditions back to their start-up state. Each change runs its
    // control's handler; the caller suspends the filters around it.
    virtual void ClearConditions() = 0;
    // Colours every combo box of the panel by the highlight rule.
    virtual void ColourComboBoxesByRule() = 0;

    QList<QCheckBox*> CheckBoxes() const;
    QList<QComboBox*> ComboBoxes() const;

signals:
    // Double click, or Enter while an entry is selected.
    void entryActivated(zemlo::CardKind kind, const QString& entry);
    // Every change of the selection, by mouse or keyboard, while the list is not empty.
    void entrySelected(zemlo::CardKind kind, const QString& entry);
    // Right button while exactly one entry is selected.
    void popupRequested(zemlo::CardKind kind, const QString& entry, const QPoint& globalPos);

protected:
    virtual void FillChoices(const CatalogChoices& choices) = 0;
    // A double click on frame index of the panel.
    virtual void FrameDoubleClicked(int index) {}

    bool HighlightOn() const { return highlightOn_; }
    bool FiltersSuspended() const { return filtersSuspended_; }

    // Shows the passing records in the catalog's order: no selection, scrolled to the top.
    void ShowRecords(const std::vector<int>& passing);

    // Control builders; positions are twips inside the parent.
    QGroupBox* NewFrame(const char* name, int index, const QString& caption, int left, int top,
                        int width, int height);
    QCheckBox* NewCheckBox(QWidget* parent, const char* name, int index, const QString& caption,
                           int left, int top, int width, int height);
    QRadioButton* NewOption(QWidget* parent, const char* name, int index, const QString& caption,
                            int left, int top, int width, int height);
    QComboBox* NewComboBox(QWidget* parent, const char* name, int index, int left, int top,
                           int width, int height);
    void NewRangeLabel(QWidget* parent, int left, int top);
    void PlaceList(const char* name, int left, int top, int width, int height);

    // The sixteen affiliation boxes (elements 1..16) in four rows inside frame, whose width
    // in twips is frameWidth.
    void BuildAffiliationBoxes(QGroupBox* frame, int frameWidth, const char* name,
                               std::array<QCheckBox*, 17>& boxes);
    static std::array<AffiliationBox, kAffiliationBoxCount> ReadAffiliations(
        const std::array<QCheckBox*, 17>& boxes);
    // Check all when fewer than 8 are checked, else clear all; one refilter at the end.
    void CheckOrClearAll(const std::array<QCheckBox*, 17>& boxes);

    static RangeCondition ReadRange(const QComboBox* low, const QComboBox* high);
    static ChoiceCondition ReadChoice(const QComboBox* box);
    static void FillCombo(QComboBox* box, const std::vector<std::u16string>& entries);

    // Colour steps of the handlers: only while highlight display is on.
    void ColourCheckBox(QCheckBox* box);
    void ColourPair(QComboBox* low, QComboBox* high);
    void ColourSingle(QComboBox* box);

    CardDatabase& db_;

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void EmitSelection();

    CardKind kind_;
    bool& filtersSuspended_;
    const bool& highlightOn_;
    CatalogOrder order_;
    CatalogListModel* model_;
    QListView* list_;
    std::vector<QGroupBox*> frames_;
};

}  // namespace zemlo

Q_DECLARE_METATYPE(zemlo::CardKind)

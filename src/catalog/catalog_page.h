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
class QLabel;
class QRadioButton;

namespace zemlo {

class CatalogListModel;
class EntryWidthDelegate;
struct CatalogChoices;

class CatalogPage : public QWidget {
    Q_OBJECT
public:
    // filtersSuspended is the main window's FiltersSuspended, highlightOn the process-wide
    // HighlightOn; both outlive the page.
    CatalogPage(CardKind kind, const CardDatabase& db, bool& filtersSuspended,
                const bool& highlightOn, QWidget* parent = nullptr);
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
    // Places every control for the normal view or the compact one; the caller sets the font
    // first, since the catalog's sideways scroll extent follows it.
    virtual void LayOut(bool compact) = 0;

    // The least width, in pixels, the catalog scrolls sideways to; it scrolls further when
    // an entry is wider.
    void SetMinimumScrollExtent(int pixels);
    // The width the catalog's entries scroll to, in pixels.
    int ScrollExtent() const;

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

    void changeEvent(QEvent* event) override;

    bool HighlightOn() const { return highlightOn_; }
    bool FiltersSuspended() const { return filtersSuspended_; }

    // Shows the passing records in the catalog's order: no selection, scrolled to the top.
    void ShowRecords(const std::vector<int>& passing);

    // Control builders; LayOut places what they make.
    QGroupBox* NewFrame(const char* name, int index, const QString& caption);
    QCheckBox* NewCheckBox(QWidget* parent, const char* name, int index, const QString& caption);
    QRadioButton* NewOption(QWidget* parent, const char* name, int index, const QString& caption);
    QComboBox* NewComboBox(QWidget* parent, const char* name, int index);
    QLabel* NewRangeLabel(QWidget* parent);
    void NameList(const char* name);

    // Placing, in twips inside the parent. A range frame holds two boxes joined by "～";
    // the compact view packs them closer, under a lower caption.
    static void PlaceRange(QComboBox* low, QLabel* tilde, QComboBox* high, bool compact);
    void PlaceList(int left, int top, int width, int height);

    // The sixteen affiliation boxes (elements 1..16) inside frame.
    void BuildAffiliationBoxes(QGroupBox* frame, const char* name,
                               std::array<QCheckBox*, 17>& boxes);
    // Four rows of four boxes across a frame frameWidth twips wide.
    static void PlaceAffiliationBoxes(const std::array<QCheckBox*, 17>& boxes, int frameWidth,
                                      bool compact);
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

    const CardDatabase& db_;

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void EmitSelection();
    void UpdateScrollExtent();

    CardKind kind_;
    bool& filtersSuspended_;
    const bool& highlightOn_;
    CatalogOrder order_;
    CatalogListModel* model_;
    QListView* list_;
    std::vector<QGroupBox*> frames_;
    EntryWidthDelegate* delegate_;
    int minimumExtent_ = 0;
    // The row selected when a left press began; a click on it changes no selection.
    int rowSelectedAtPress_ = -1;
};

}  // namespace zemlo

Q_DECLARE_METATYPE(zemlo::CardKind)

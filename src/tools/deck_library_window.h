// The deck library window: every deck file under a folder in one table, with its counters,
// the deck rules it breaks and the cards the card database does not know; narrowed to the
// decks that hold one card; a deck opened in the main window by double click or Enter; two
// decks, or one and the current deck, compared. The folder is looked at on a thread of its
// own, and again whenever a file in it changes.
#pragma once

#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "carddb/card_database.h"
#include "carddb/search_fold.h"
#include "deck/deck_summary.h"
#include "settings/settings_store.h"
#include "tools/card_name_index.h"

class QCheckBox;
class QFileSystemWatcher;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;
class QTimer;

namespace zemlo {

class CollectionDocument;
class DeckComparisonWindow;
struct ComparedDeck;
class LibraryIndexer;
class LibraryModel;

// What the library asks of the main window.
struct LibraryHooks {
    // The summary of the deck shown.
    std::function<DeckSummary()> currentDeck;
    // Opens a deck file in the main window, after the question about an unsaved deck.
    std::function<void(const QString& path)> openDeck;
    // The number of the card the card information panel shows; "" when none.
    std::function<std::u16string()> shownCardNo;
    // The cards the player owns, for the copies each deck lacks; none: an empty collection.
    CollectionDocument* collection = nullptr;
};

class DeckLibraryWindow : public QWidget {
    Q_OBJECT
public:
    // The folder is the one remembered in the settings, else programDir.
    DeckLibraryWindow(const CardDatabase& db, SettingsStore& settings,
                      std::filesystem::path programDir, LibraryHooks hooks,
                      QWidget* parent = nullptr);
    ~DeckLibraryWindow() override;

    const std::filesystem::path& Folder() const { return folder_; }
    // Looks at another folder and remembers it when the settings file can hold it.
    void SetFolder(const std::filesystem::path& folder);

    LibraryIndexer& Indexer() const { return *indexer_; }
    // At most this many folders are watched for changes (from the next look on); the
    // window says how many more there are.
    void SetMaxWatchedFolders(int folders) { maxWatchedFolders_ = folders; }
    LibraryModel& Model() const { return *model_; }
    // The comparison window once one was asked for.
    DeckComparisonWindow* CompareWindow() const { return compare_; }

    void BrowseFolder();
    void Refresh();
    // Narrows the table by what the card box holds: a card number, a suggestion's text or a
    // part of a name that only one card has.
    void NarrowToCardText();
    void NarrowToShownCard();
    void ClearCard();
    // Opens the deck of the current row.
    void OpenCurrentDeck();
    void CompareSelected();
    void CompareWithCurrentDeck();

    // The rows selected, in the order the player selected them.
    std::vector<int> SelectedRows() const;

    QLineEdit* folderBox;
    QPushButton* browseButton;
    QPushButton* refreshButton;
    QLabel* folderNote;
    QLabel* watchNote;
    QLineEdit* cardBox;
    QPushButton* shownCardButton;
    QPushButton* clearCardButton;
    QCheckBox* buildableBox;
    QLabel* narrowedLabel;
    QTableView* deckTable;
    QLabel* summaryLabel;
    QProgressBar* lookProgress;
    QPushButton* cancelButton;
    QPushButton* openButton;
    QPushButton* compareButton;
    QPushButton* compareCurrentButton;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void Look();
    void LookFinished();
    void FolderChanged();
    // Watches the folders of a look for changes, as many as may be, and says when some are
    // not watched.
    void WatchFolders(const std::vector<std::filesystem::path>& folders);
    void UpdateSuggestions(const QString& text);
    void NarrowTo(const CardSuggestion& card);
    void ListEveryDeck();
    // After the copies' column went: the last sort on a column that stays.
    void KeepLastingSort();
    // Lists no deck, saying why: the box names no one card.
    void NarrowToNoCard(const QString& why);
    // The card the table is narrowed to and how many decks hold it.
    void ShowNarrowed();
    // The line under the card box: the card narrowed to, or why the text names no card.
    void SetNote(const QString& text);
    // Puts the focus into the table, on its first row when no row is current; select
    // selects that row when none is selected.
    void FocusTable(bool select);
    void UpdateButtons();
    // Selects again, in the order given, the decks at paths the table still lists; the
    // others leave the selection.
    void Reselect(const std::vector<std::filesystem::path>& paths);
    void TrackSelection();
    // The deck of a row read again from its file, with its name and path; false after
    // telling the player when the file cannot be read now.
    bool ReadRow(int row, ComparedDeck& compared);

    const CardDatabase& db_;
    SettingsStore& settings_;
    LibraryHooks hooks_;
    std::filesystem::path folder_;
    SearchFold fold_;
    CardNameIndex names_;
    LibraryIndexer* indexer_;
    LibraryModel* model_;
    QSortFilterProxyModel* sorted_;
    QStandardItemModel* suggestions_;
    QFileSystemWatcher* watcher_;
    QTimer* changeDelay_;
    DeckComparisonWindow* compare_ = nullptr;
    int maxWatchedFolders_ = 0;
    // The last sort chosen on a column every deck has (-1: the walk's order), for when the
    // copies' column goes.
    std::pair<int, Qt::SortOrder> lastingSort_{-1, Qt::AscendingOrder};
    CardSuggestion narrowed_;
    // Files changed while the window was hidden; the next showing looks again.
    bool stale_ = true;
    bool shownBefore_ = false;
    // Paths of the selected decks, first selected first.
    std::vector<std::filesystem::path> selectionOrder_;
};

}  // namespace zemlo

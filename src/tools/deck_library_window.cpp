#include "tools/deck_library_window.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCompleter>
#include <QFile>
#include <QFileSystemWatcher>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "carddb/qt_normaliser.h"
#include "collection/collection_document.h"
#include "deckfile/deck_file_reader.h"
#include "platform/control_name.h"
#include "platform/dialog_service.h"
#include "platform/path_text.h"
#include "platform/qt_paths.h"
#include "settings/library_settings.h"
#include "tools/deck_comparison_window.h"
#include "tools/deck_library.h"
#include "tools/library_indexer.h"
#include "tools/library_model.h"

namespace zemlo {
namespace {

// The card number a suggestion's text begins with: the text up to the first blank after any
// leading ones.
std::u16string_view FirstWord(std::u16string_view text) {
    const size_t start = std::min(text.find_first_not_of(u' '), text.size());
    const size_t end = std::min(text.find(u' ', start), text.size());
    return text.substr(start, end - start);
}

// Suggestions shown under the card box at most; typing on narrows them.
constexpr std::size_t kMaxSuggestions = 50;
// Folders watched for changes at most: the system's watches are shared by every program of
// the user. A larger library says that it is looked at again by 更新.
constexpr int kMaxWatchedFolders = 5000;
// A save writes a temporary file and renames it: one look after the burst of changes.
constexpr int kChangeDelayMs = 500;

constexpr int kCardNoRole = Qt::UserRole;

QString SuggestionText(const CardSuggestion& card) {
    return QString::fromStdU16String(card.cardNo) + QStringLiteral("  ") +
           QString::fromStdU16String(card.name);
}

QLabel* PlainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    NameControl(button, name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

DeckLibraryWindow::DeckLibraryWindow(const CardDatabase& db, SettingsStore& settings,
                                     std::filesystem::path programDir, LibraryHooks hooks,
                                     QWidget* parent)
    : QWidget(parent, Qt::Window),
      db_(db),
      settings_(settings),
      hooks_(std::move(hooks)),
      fold_(NfkcThroughQt),
      names_(db, fold_) {
    setObjectName("frmLibrary");
    setWindowTitle(QStringLiteral("ﾃﾞｯｷﾗｲﾌﾞﾗﾘ"));
    const std::u16string remembered = LoadLibrarySettings(settings_).folder;
    folder_ = remembered.empty() ? std::move(programDir) : PathOfText(remembered);

    maxWatchedFolders_ = kMaxWatchedFolders;
    indexer_ = new LibraryIndexer(db_, this);
    model_ = new LibraryModel(this);
    sorted_ = new QSortFilterProxyModel(this);
    sorted_->setSourceModel(model_);
    sorted_->setSortRole(LibraryModel::kSortRole);
    suggestions_ = new QStandardItemModel(this);
    watcher_ = new QFileSystemWatcher(this);
    changeDelay_ = new QTimer(this);
    changeDelay_->setSingleShot(true);
    changeDelay_->setInterval(kChangeDelayMs);

    BuildControls();

    connect(indexer_, &LibraryIndexer::lookStarted, this, [this] {
        lookProgress->setRange(0, 0);
        lookProgress->setTextVisible(true);
        cancelButton->setEnabled(true);
    });
    connect(indexer_, &LibraryIndexer::progressed, this, [this](int lookedAt, int found) {
        if (found <= 0) return;
        lookProgress->setRange(0, found);
        lookProgress->setValue(lookedAt);
    });
    connect(indexer_, &LibraryIndexer::lookFinished, this, &DeckLibraryWindow::LookFinished);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this,
            [this] { changeDelay_->start(); });
    connect(changeDelay_, &QTimer::timeout, this, &DeckLibraryWindow::FolderChanged);
    if (hooks_.collection != nullptr) {
        model_->SetCollection(&hooks_.collection->Current());
        connect(hooks_.collection, &CollectionDocument::collectionChanged, this, [this] {
            const std::vector<std::filesystem::path> selected = selectionOrder_;
            model_->CollectionChanged();
            Reselect(selected);
        });
    }
    resize(980, 600);
}

DeckLibraryWindow::~DeckLibraryWindow() = default;

void DeckLibraryWindow::BuildControls() {
    auto* layout = new QVBoxLayout(this);

    auto* folderRow = new QHBoxLayout;
    QLabel* folderLabel = PlainLabel(QStringLiteral("ﾌｫﾙﾀﾞ"), this);
    folderRow->addWidget(folderLabel);
    folderBox = new QLineEdit(ShownPathText(folder_), this);
    folderLabel->setBuddy(folderBox);  // captions name their boxes for a screen reader
    NameControl(folderBox, "txtFolder");
    folderBox->setReadOnly(true);
    folderRow->addWidget(folderBox, 1);
    browseButton = Button("cmdBrowse", QStringLiteral("参照"), this);
    refreshButton = Button("cmdRefresh", QStringLiteral("更新"), this);
    folderRow->addWidget(browseButton);
    folderRow->addWidget(refreshButton);
    layout->addLayout(folderRow);

    folderNote = PlainLabel(QString(), this);
    NameControl(folderNote, "lblFolderNote");
    folderNote->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
    folderNote->hide();
    layout->addWidget(folderNote);
    watchNote = PlainLabel(QString(), this);
    NameControl(watchNote, "lblWatchNote");
    watchNote->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
    watchNote->hide();
    layout->addWidget(watchNote);

    auto* cardRow = new QHBoxLayout;
    QLabel* cardLabel = PlainLabel(QStringLiteral("ｶｰﾄﾞで絞り込む"), this);
    cardRow->addWidget(cardLabel);
    cardBox = new QLineEdit(this);
    cardLabel->setBuddy(cardBox);
    NameControl(cardBox, "txtCard");
    cardBox->setPlaceholderText(QStringLiteral("ｶｰﾄﾞ名の一部またはｶｰﾄﾞ番号"));
    auto* completer = new QCompleter(suggestions_, this);
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer->setMaxVisibleItems(12);
    cardBox->setCompleter(completer);
    cardRow->addWidget(cardBox, 1);
    shownCardButton = Button("cmdShownCard", QStringLiteral("表示中のｶｰﾄﾞ"), this);
    shownCardButton->setToolTip(QStringLiteral("ｶｰﾄﾞ情報に表示しているｶｰﾄﾞで絞り込みます"));
    clearCardButton = Button("cmdClearCard", QStringLiteral("解除"), this);
    cardRow->addWidget(shownCardButton);
    cardRow->addWidget(clearCardButton);
    buildableBox = new QCheckBox(QStringLiteral("作れるﾃﾞｯｷのみ"), this);
    NameControl(buildableBox, "chkBuildable");
    buildableBox->setToolTip(QStringLiteral("所持ｶｰﾄﾞで不足なく作れるﾃﾞｯｷだけを表示します"));
    cardRow->addSpacing(12);
    cardRow->addWidget(buildableBox);
    layout->addLayout(cardRow);

    narrowedLabel = PlainLabel(QString(), this);
    NameControl(narrowedLabel, "lblNarrowed");
    narrowedLabel->hide();
    layout->addWidget(narrowedLabel);

    deckTable = new QTableView(this);
    deckTable->setAccessibleName(QStringLiteral("ﾃﾞｯｷ一覧"));
    NameControl(deckTable, "grdLibrary");
    deckTable->setModel(sorted_);
    deckTable->setSortingEnabled(true);
    deckTable->sortByColumn(-1, Qt::AscendingOrder);  // the order the folders were walked
    deckTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    deckTable->setSelectionMode(QAbstractItemView::ExtendedSelection);
    deckTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    deckTable->setWordWrap(false);
    deckTable->verticalHeader()->hide();
    deckTable->verticalHeader()->setDefaultSectionSize(deckTable->fontMetrics().height() + 6);
    deckTable->horizontalHeader()->setStretchLastSection(false);
    deckTable->installEventFilter(this);
    layout->addWidget(deckTable, 1);

    summaryLabel = PlainLabel(QString(), this);
    NameControl(summaryLabel, "lblSummary");
    layout->addWidget(summaryLabel);

    auto* bottomRow = new QHBoxLayout;
    lookProgress = new QProgressBar(this);
    NameControl(lookProgress, "prgLook");
    lookProgress->setRange(0, 1);
    lookProgress->setValue(0);
    lookProgress->setFormat(QStringLiteral("%v / %m"));
    lookProgress->setTextVisible(false);  // only while a look counts its files
    cancelButton = Button("cmdCancel", QStringLiteral("中止"), this);
    cancelButton->setEnabled(false);
    openButton = Button("cmdOpen", QStringLiteral("開く"), this);
    compareButton = Button("cmdCompare", QStringLiteral("比較"), this);
    compareCurrentButton = Button("cmdCompareCurrent", QStringLiteral("現在のﾃﾞｯｷと比較"), this);
    bottomRow->addWidget(lookProgress, 1);
    bottomRow->addWidget(cancelButton);
    bottomRow->addSpacing(24);
    bottomRow->addWidget(openButton);
    bottomRow->addWidget(compareButton);
    bottomRow->addWidget(compareCurrentButton);
    layout->addLayout(bottomRow);

    connect(browseButton, &QPushButton::clicked, this, &DeckLibraryWindow::BrowseFolder);
    connect(refreshButton, &QPushButton::clicked, this, &DeckLibraryWindow::Refresh);
    connect(cancelButton, &QPushButton::clicked, indexer_, &LibraryIndexer::Cancel);
    connect(cardBox, &QLineEdit::textEdited, this, &DeckLibraryWindow::UpdateSuggestions);
    // Ctrl+F goes to the card box from anywhere in the window.
    auto* findCard = new QShortcut(QKeySequence::Find, this);
    connect(findCard, &QShortcut::activated, this, [this] {
        cardBox->setFocus(Qt::ShortcutFocusReason);
        cardBox->selectAll();
    });
    connect(cardBox, &QLineEdit::returnPressed, this, &DeckLibraryWindow::NarrowToCardText);
    connect(completer, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) {
                const std::u16string cardNo = index.data(kCardNoRole).toString().toStdU16String();
                if (const auto found = names_.CardNumbered(cardNo)) NarrowTo(*found);
            });
    connect(shownCardButton, &QPushButton::clicked, this, &DeckLibraryWindow::NarrowToShownCard);
    connect(clearCardButton, &QPushButton::clicked, this, &DeckLibraryWindow::ClearCard);
    connect(buildableBox, &QCheckBox::toggled, this, [this](bool only) {
        const std::vector<std::filesystem::path> selected = selectionOrder_;
        model_->ListBuildableOnly(only);
        Reselect(selected);
        ShowNarrowed();
    });
    connect(deckTable, &QTableView::doubleClicked, this, [this] { OpenCurrentDeck(); });
    connect(deckTable->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &DeckLibraryWindow::TrackSelection);
    connect(deckTable->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            [this](int column, Qt::SortOrder order) {
                if (column < LibraryModel::Copies) lastingSort_ = {column, order};
            });
    connect(openButton, &QPushButton::clicked, this, &DeckLibraryWindow::OpenCurrentDeck);
    connect(compareButton, &QPushButton::clicked, this, &DeckLibraryWindow::CompareSelected);
    connect(compareCurrentButton, &QPushButton::clicked, this,
            &DeckLibraryWindow::CompareWithCurrentDeck);
    UpdateButtons();
}

void DeckLibraryWindow::SetFolder(const std::filesystem::path& folder) {
    folder_ = folder;
    folderBox->setText(ShownPathText(folder_));
    selectionOrder_.clear();
    // A name that is no UTF-8 would read back as another folder: not remembered either.
    const LibrarySave saved =
        IsUtf8(folder_.native())
            ? SaveLibrarySettings(settings_, LibrarySettings{PathText(folder_)})
            : LibrarySave::CannotHold;
    switch (saved) {
        case LibrarySave::CannotHold:
            folderNote->setText(
                QStringLiteral("このﾌｫﾙﾀﾞ名は ZEMLO.ini に書けない長さか文字を含むため、"
                               "次回は覚えていません。"));
            folderNote->show();
            break;
        case LibrarySave::Saved:
        case LibrarySave::Failed:  // the settings store tells the player
            folderNote->hide();
            break;
    }
    Look();
}

void DeckLibraryWindow::BrowseFolder() {
    FileDialogRequest request;
    request.folder = true;
    request.title = QStringLiteral("ﾃﾞｯｷﾗｲﾌﾞﾗﾘのﾌｫﾙﾀﾞ");
    request.initialPath = PathQString(folder_);
    const QString chosen = Dialogs().AskFileName(this, request);
    if (chosen.isEmpty()) return;
    SetFolder(PathOf(chosen));
}

void DeckLibraryWindow::Refresh() {
    Look();
}

void DeckLibraryWindow::Look() {
    stale_ = false;
    indexer_->Look(folder_);
}

void DeckLibraryWindow::FolderChanged() {
    if (isVisible()) {
        Look();
    } else {
        stale_ = true;
    }
}

void DeckLibraryWindow::LookFinished() {
    const std::vector<std::filesystem::path> selected = selectionOrder_;
    model_->SetIndex(indexer_->Shared());
    Reselect(selected);

    const LibraryIndex& index = indexer_->Index();
    summaryLabel->setText(QString::fromStdU16String(LibrarySummaryText(index)));
    summaryLabel->setStyleSheet(index.folderStatus ? QString()
                                                   : QStringLiteral("color: rgb(255, 0, 0);"));
    ShowNarrowed();
    lookProgress->setRange(0, 1);
    lookProgress->setValue(index.cancelled ? 0 : 1);
    lookProgress->setTextVisible(false);
    cancelButton->setEnabled(false);
    if (index.cancelled) stale_ = true;
    WatchFolders(index.folders);
    for (int column = 0; column < model_->columnCount(); ++column) {
        deckTable->resizeColumnToContents(column);
    }
    if (deckTable->hasFocus()) FocusTable(false);
    UpdateButtons();
}

void DeckLibraryWindow::WatchFolders(const std::vector<std::filesystem::path>& all) {
    // Only the folders that came or went since the look before: the watcher takes time that
    // grows faster than the number of folders (about a quarter of a second for 5,000 at
    // once), and most looks find the same folders.
    QSet<QString> wanted;
    for (const std::filesystem::path& folder : all) {
        if (wanted.size() == maxWatchedFolders_) break;
        // Qt watches only folders whose names it can hold; the others count as not watched.
        if (IsUtf8(folder.native())) wanted.insert(QFile::decodeName(folder.c_str()));
    }
    QStringList gone;
    QSet<QString> watched;
    for (const QString& folder : watcher_->directories()) {
        if (wanted.contains(folder)) {
            watched.insert(folder);
        } else {
            gone << folder;
        }
    }
    if (!gone.isEmpty()) watcher_->removePaths(gone);
    QStringList added;
    for (const QString& folder : wanted) {
        if (!watched.contains(folder)) added << folder;
    }
    // The system may refuse watches too, when other programs hold the rest.
    const qsizetype refused = added.isEmpty() ? 0 : watcher_->addPaths(added).size();
    const qsizetype unwatched = static_cast<qsizetype>(all.size()) - wanted.size() + refused;
    watchNote->setText(
        unwatched == 0
            ? QString()
            : QStringLiteral("ﾌｫﾙﾀﾞが多いため、%1 個のうち %2 個は変更を見張れません。"
                             "そこに保存したﾃﾞｯｷは「更新」で表示されます。")
                  .arg(QLocale(QLocale::English).toString(static_cast<qlonglong>(all.size())),
                       QLocale(QLocale::English).toString(static_cast<qlonglong>(unwatched))));
    watchNote->setVisible(unwatched > 0);
}

void DeckLibraryWindow::UpdateSuggestions(const QString& text) {
    // An emptied box lists every deck again, as 解除 does.
    if (text.isEmpty() && model_->Narrowed()) ListEveryDeck();
    // A note about the text typed before goes; the card narrowed to stays named.
    if (model_->NarrowedCard().empty()) {
        SetNote(QString());
    } else {
        ShowNarrowed();
    }
    suggestions_->clear();
    for (const CardSuggestion& card : names_.Suggest(text.toStdU16String(), kMaxSuggestions)) {
        auto* item = new QStandardItem(SuggestionText(card));
        item->setData(QString::fromStdU16String(card.cardNo), kCardNoRole);
        item->setEditable(false);
        suggestions_->appendRow(item);
    }
    // The model holds the matches already: the popup shows them all, or goes.
    QCompleter* completer = cardBox->completer();
    if (suggestions_->rowCount() > 0 && cardBox->hasFocus()) {
        completer->complete();
    } else {
        completer->popup()->hide();
    }
}

void DeckLibraryWindow::NarrowToCardText() {
    const std::u16string text = cardBox->text().toStdU16String();
    std::optional<CardSuggestion> card = names_.CardNumbered(text);
    if (!card) card = names_.CardNumbered(FirstWord(text));
    if (!card) {
        const std::vector<CardSuggestion> found = names_.Suggest(text, 2);
        if (found.size() == 1) card = found.front();
        if (found.size() > 1) {
            NarrowToNoCard(QStringLiteral("候補からｶｰﾄﾞを選んでください"));
            return;
        }
    }
    if (!card) {
        if (cardBox->text().trimmed().isEmpty()) {
            ListEveryDeck();
        } else {
            NarrowToNoCard(QStringLiteral("該当するｶｰﾄﾞがありません"));
        }
        return;
    }
    NarrowTo(*card);
    // Enter again opens the first deck that holds the card.
    FocusTable(true);
}

void DeckLibraryWindow::NarrowToShownCard() {
    const std::u16string cardNo = hooks_.shownCardNo ? hooks_.shownCardNo() : std::u16string();
    const auto card = names_.CardNumbered(cardNo);
    if (!card) {
        SetNote(QStringLiteral("ｶｰﾄﾞ情報に表示しているｶｰﾄﾞがありません"));
        return;
    }
    NarrowTo(*card);
}

void DeckLibraryWindow::ClearCard() {
    cardBox->clear();
    ListEveryDeck();
}

void DeckLibraryWindow::ListEveryDeck() {
    SetNote(QString());
    const std::vector<std::filesystem::path> selected = selectionOrder_;
    model_->NarrowToCard(std::u16string());
    KeepLastingSort();
    Reselect(selected);
}

void DeckLibraryWindow::KeepLastingSort() {
    // The copies' column is gone: the sort chosen before it returns.
    if (deckTable->horizontalHeader()->sortIndicatorSection() >= model_->columnCount()) {
        deckTable->sortByColumn(lastingSort_.first, lastingSort_.second);
    }
}

void DeckLibraryWindow::NarrowToNoCard(const QString& why) {
    // The table must not go on showing the decks of a card the box no longer names.
    model_->NarrowToNoCard();
    KeepLastingSort();
    Reselect({});
    SetNote(why);
}

void DeckLibraryWindow::NarrowTo(const CardSuggestion& card) {
    narrowed_ = card;
    cardBox->setText(SuggestionText(card));
    const std::vector<std::filesystem::path> selected = selectionOrder_;
    model_->NarrowToCard(card.cardNo);
    Reselect(selected);
    ShowNarrowed();
    deckTable->resizeColumnToContents(LibraryModel::Copies);
    UpdateButtons();
}

void DeckLibraryWindow::ShowNarrowed() {
    if (model_->NarrowedCard().empty()) return;
    SetNote(SuggestionText(narrowed_) + QStringLiteral(" を持つﾃﾞｯｷ: ") +
            QString::number(model_->rowCount()) + QStringLiteral(" 件"));
}

void DeckLibraryWindow::Reselect(const std::vector<std::filesystem::path>& paths) {
    // A reset of the table drops its selection without telling; what "比較" compares must
    // be what the player sees selected.
    selectionOrder_.clear();
    QItemSelectionModel* selection = deckTable->selectionModel();
    selection->clearSelection();
    for (const std::filesystem::path& path : paths) {
        const int row = model_->RowOf(path);
        if (row < 0) continue;
        const QModelIndex at = sorted_->mapFromSource(model_->index(row, 0));
        selection->select(at, QItemSelectionModel::Select | QItemSelectionModel::Rows);
        selection->setCurrentIndex(at, QItemSelectionModel::NoUpdate);
    }
    UpdateButtons();
}

void DeckLibraryWindow::SetNote(const QString& text) {
    narrowedLabel->setText(text);
    narrowedLabel->setVisible(!text.isEmpty());
}

void DeckLibraryWindow::FocusTable(bool select) {
    deckTable->setFocus(Qt::OtherFocusReason);
    if (sorted_->rowCount() == 0) return;
    QItemSelectionModel* selection = deckTable->selectionModel();
    QModelIndex at = deckTable->currentIndex();
    if (!at.isValid()) at = sorted_->index(0, 0);
    selection->setCurrentIndex(at,
                               select && !selection->hasSelection()
                                   ? QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows
                                   : QItemSelectionModel::NoUpdate);
}

std::vector<int> DeckLibraryWindow::SelectedRows() const {
    std::vector<int> rows;
    for (const std::filesystem::path& path : selectionOrder_) {
        const int row = model_->RowOf(path);
        if (row >= 0) rows.push_back(row);
    }
    return rows;
}

void DeckLibraryWindow::TrackSelection() {
    // Rows come and go with the selection; the order they came in is kept by path, which
    // survives sorting and a new look.
    std::vector<std::filesystem::path> now;
    for (const QModelIndex& at : deckTable->selectionModel()->selectedRows()) {
        now.push_back(model_->DeckAt(sorted_->mapToSource(at).row()).path);
    }
    std::erase_if(selectionOrder_, [&](const std::filesystem::path& path) {
        return std::find(now.begin(), now.end(), path) == now.end();
    });
    for (const std::filesystem::path& path : now) {
        if (std::find(selectionOrder_.begin(), selectionOrder_.end(), path) ==
            selectionOrder_.end()) {
            selectionOrder_.push_back(path);
        }
    }
    UpdateButtons();
}

void DeckLibraryWindow::UpdateButtons() {
    const std::size_t selected = selectionOrder_.size();
    openButton->setEnabled(selected >= 1);
    compareButton->setEnabled(selected == 2);
    compareCurrentButton->setEnabled(selected == 1);
    shownCardButton->setEnabled(static_cast<bool>(hooks_.shownCardNo));
    clearCardButton->setEnabled(model_->Narrowed() || !cardBox->text().isEmpty());
}

void DeckLibraryWindow::OpenCurrentDeck() {
    // The row the keyboard or the double click is on, else the first one selected.
    QModelIndex at = deckTable->currentIndex();
    if (!at.isValid()) {
        const std::vector<int> rows = SelectedRows();
        if (rows.empty()) return;
        at = sorted_->mapFromSource(model_->index(rows.front(), 0));
    }
    const LibraryDeck& deck = model_->DeckAt(sorted_->mapToSource(at).row());
    if (hooks_.openDeck) hooks_.openDeck(PathQString(deck.path));
}

bool DeckLibraryWindow::ReadRow(int row, ComparedDeck& compared) {
    const LibraryDeck& deck = model_->DeckAt(row);
    compared.name = model_->FileNameOf(deck);
    compared.path = PathQString(deck.path);
    const DeckFileReadResult read = ReadDeckFile(deck.path, db_);
    if (read.status == DeckFileStatus::Read) {
        compared.summary = SummarizeDeck(read.deck);
        return true;
    }
    const FileStatus& status = read.fileStatus;
    const QString why = status ? QStringLiteral("ﾃﾞｯｷﾌｧｲﾙではなくなっています。")
                               : QString::fromStdU16String(FileErrorText(status));
    Dialogs().Message(this, QMessageBox::Warning, ApplicationTitle(),
                      QStringLiteral("ﾃﾞｯｷﾌｧｲﾙを読めません。\n") + ShownPathText(deck.path) +
                          QStringLiteral("\n") + why,
                      QMessageBox::Ok);
    return false;
}

void DeckLibraryWindow::CompareSelected() {
    const std::vector<int> rows = SelectedRows();
    if (rows.size() != 2) return;
    ComparedDeck first;
    ComparedDeck second;
    if (!ReadRow(rows[0], first) || !ReadRow(rows[1], second)) return;
    if (compare_ == nullptr) compare_ = new DeckComparisonWindow(hooks_.openDeck, this);
    compare_->Compare(std::move(first), std::move(second));
}

void DeckLibraryWindow::CompareWithCurrentDeck() {
    const std::vector<int> rows = SelectedRows();
    if (rows.size() != 1 || !hooks_.currentDeck) return;
    ComparedDeck current{QStringLiteral("現在のﾃﾞｯｷ"), QString(), hooks_.currentDeck()};
    ComparedDeck chosen;
    if (!ReadRow(rows[0], chosen)) return;
    if (compare_ == nullptr) compare_ = new DeckComparisonWindow(hooks_.openDeck, this);
    compare_->Compare(std::move(current), std::move(chosen));
}

void DeckLibraryWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The copies missing count from the collection, read when first needed.
    if (hooks_.collection != nullptr) hooks_.collection->Load(this);
    // The table first: arrow keys choose a deck and Enter opens it.
    if (!shownBefore_) FocusTable(false);
    shownBefore_ = true;
    if (stale_) Look();
}

void DeckLibraryWindow::closeEvent(QCloseEvent* event) {
    // A look nobody waits for would only keep the processor busy; the next showing looks
    // again.
    if (indexer_->Looking()) {
        indexer_->Cancel();
        stale_ = true;
    }
    QWidget::closeEvent(event);
}

bool DeckLibraryWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == deckTable && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            OpenCurrentDeck();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace zemlo

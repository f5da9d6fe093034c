#include "tools/frm_library.h"

#include <QAbstractItemView>
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
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "carddb/qt_normaliser.h"
#include "platform/control_name.h"
#include "platform/dialog_service.h"
#include "tools/deck_cards.h"
#include "tools/deck_library.h"
#include "tools/frm_compare.h"
#include "tools/library_indexer.h"
#include "tools/library_model.h"
#include "tools/library_settings.h"

namespace zemlo {
namespace {

// Suggestions shown under the card box at most; typing on narrows them.
constexpr std::size_t kMaxSuggestions = 50;
// Folders watched for changes at most; a larger library is looked at again by 更新.
constexpr int kMaxWatchedFolders = 1000;
// A save writes a temporary file and renames it: one look after the burst of changes.
constexpr int kChangeDelayMs = 500;

constexpr int kCardNoRole = Qt::UserRole;

QString PathText(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

std::filesystem::path PathOf(const QString& text) {
    return std::filesystem::path(QFile::encodeName(text).toStdString());
}

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

FrmLibrary::FrmLibrary(const CardDatabase& db, SettingsStore& settings,
                       std::filesystem::path programDir, LibraryHooks hooks, QWidget* parent)
    : QWidget(parent, Qt::Window),
      db_(db),
      settings_(settings),
      hooks_(std::move(hooks)),
      fold_(NfkcThroughQt),
      names_(db, fold_) {
    setObjectName("frmLibrary");
    setWindowTitle(QStringLiteral("ﾃﾞｯｷﾗｲﾌﾞﾗﾘ"));
    const std::u16string remembered = LoadLibrarySettings(settings_).folder;
    folder_ = remembered.empty() ? std::move(programDir) : std::filesystem::path(remembered);

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
        prgLook->setRange(0, 0);
        cmdCancel->setEnabled(true);
    });
    connect(indexer_, &LibraryIndexer::progressed, this, [this](int lookedAt, int found) {
        if (found <= 0) return;
        prgLook->setRange(0, found);
        prgLook->setValue(lookedAt);
    });
    connect(indexer_, &LibraryIndexer::lookFinished, this, &FrmLibrary::LookFinished);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this,
            [this] { changeDelay_->start(); });
    connect(changeDelay_, &QTimer::timeout, this, &FrmLibrary::FolderChanged);
    resize(980, 600);
}

FrmLibrary::~FrmLibrary() = default;

void FrmLibrary::BuildControls() {
    auto* layout = new QVBoxLayout(this);

    auto* folderRow = new QHBoxLayout;
    QLabel* folderLabel = PlainLabel(QStringLiteral("ﾌｫﾙﾀﾞ"), this);
    folderRow->addWidget(folderLabel);
    txtFolder = new QLineEdit(PathText(folder_), this);
    folderLabel->setBuddy(txtFolder);  // captions name their boxes for a screen reader
    NameControl(txtFolder, "txtFolder");
    txtFolder->setReadOnly(true);
    folderRow->addWidget(txtFolder, 1);
    cmdBrowse = Button("cmdBrowse", QStringLiteral("参照"), this);
    cmdRefresh = Button("cmdRefresh", QStringLiteral("更新"), this);
    folderRow->addWidget(cmdBrowse);
    folderRow->addWidget(cmdRefresh);
    layout->addLayout(folderRow);

    lblFolderNote = PlainLabel(QString(), this);
    NameControl(lblFolderNote, "lblFolderNote");
    lblFolderNote->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
    lblFolderNote->hide();
    layout->addWidget(lblFolderNote);

    auto* cardRow = new QHBoxLayout;
    QLabel* cardLabel = PlainLabel(QStringLiteral("ｶｰﾄﾞで絞り込む"), this);
    cardRow->addWidget(cardLabel);
    txtCard = new QLineEdit(this);
    cardLabel->setBuddy(txtCard);
    NameControl(txtCard, "txtCard");
    txtCard->setPlaceholderText(QStringLiteral("ｶｰﾄﾞ名の一部またはｶｰﾄﾞ番号"));
    auto* completer = new QCompleter(suggestions_, this);
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer->setMaxVisibleItems(12);
    txtCard->setCompleter(completer);
    cardRow->addWidget(txtCard, 1);
    cmdShownCard = Button("cmdShownCard", QStringLiteral("表示中のｶｰﾄﾞ"), this);
    cmdShownCard->setToolTip(QStringLiteral("ｶｰﾄﾞ情報に表示しているｶｰﾄﾞで絞り込みます"));
    cmdClearCard = Button("cmdClearCard", QStringLiteral("解除"), this);
    cardRow->addWidget(cmdShownCard);
    cardRow->addWidget(cmdClearCard);
    layout->addLayout(cardRow);

    lblNarrowed = PlainLabel(QString(), this);
    NameControl(lblNarrowed, "lblNarrowed");
    lblNarrowed->hide();
    layout->addWidget(lblNarrowed);

    grdLibrary = new QTableView(this);
    NameControl(grdLibrary, "grdLibrary");
    grdLibrary->setAccessibleName(QStringLiteral("ﾃﾞｯｷ一覧"));
    grdLibrary->setModel(sorted_);
    grdLibrary->setSortingEnabled(true);
    grdLibrary->sortByColumn(-1, Qt::AscendingOrder);  // the order the folders were walked
    grdLibrary->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdLibrary->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grdLibrary->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdLibrary->setWordWrap(false);
    grdLibrary->verticalHeader()->hide();
    grdLibrary->verticalHeader()->setDefaultSectionSize(grdLibrary->fontMetrics().height() + 6);
    grdLibrary->horizontalHeader()->setStretchLastSection(false);
    grdLibrary->installEventFilter(this);
    layout->addWidget(grdLibrary, 1);

    lblSummary = PlainLabel(QString(), this);
    NameControl(lblSummary, "lblSummary");
    layout->addWidget(lblSummary);

    auto* bottomRow = new QHBoxLayout;
    prgLook = new QProgressBar(this);
    NameControl(prgLook, "prgLook");
    prgLook->setRange(0, 1);
    prgLook->setValue(0);
    prgLook->setFormat(QStringLiteral("%v / %m"));
    cmdCancel = Button("cmdCancel", QStringLiteral("中止"), this);
    cmdCancel->setEnabled(false);
    cmdOpen = Button("cmdOpen", QStringLiteral("開く"), this);
    cmdCompare = Button("cmdCompare", QStringLiteral("比較"), this);
    cmdCompareCurrent = Button("cmdCompareCurrent", QStringLiteral("現在のﾃﾞｯｷと比較"), this);
    bottomRow->addWidget(prgLook, 1);
    bottomRow->addWidget(cmdCancel);
    bottomRow->addSpacing(24);
    bottomRow->addWidget(cmdOpen);
    bottomRow->addWidget(cmdCompare);
    bottomRow->addWidget(cmdCompareCurrent);
    layout->addLayout(bottomRow);

    connect(cmdBrowse, &QPushButton::clicked, this, &FrmLibrary::cmdBrowse_Click);
    connect(cmdRefresh, &QPushButton::clicked, this, &FrmLibrary::cmdRefresh_Click);
    connect(cmdCancel, &QPushButton::clicked, indexer_, &LibraryIndexer::Cancel);
    connect(txtCard, &QLineEdit::textEdited, this, &FrmLibrary::UpdateSuggestions);
    // Ctrl+F goes to the card box from anywhere in the window.
    auto* findCard = new QShortcut(QKeySequence::Find, this);
    connect(findCard, &QShortcut::activated, this, [this] {
        txtCard->setFocus(Qt::ShortcutFocusReason);
        txtCard->selectAll();
    });
    connect(txtCard, &QLineEdit::returnPressed, this, &FrmLibrary::txtCard_Enter);
    connect(completer, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) {
                const std::u16string cardNo = index.data(kCardNoRole).toString().toStdU16String();
                if (const auto found = names_.CardNumbered(cardNo)) NarrowTo(*found);
            });
    connect(cmdShownCard, &QPushButton::clicked, this, &FrmLibrary::cmdShownCard_Click);
    connect(cmdClearCard, &QPushButton::clicked, this, &FrmLibrary::cmdClearCard_Click);
    connect(grdLibrary, &QTableView::doubleClicked, this, [this] { OpenCurrentDeck(); });
    connect(grdLibrary->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FrmLibrary::TrackSelection);
    connect(cmdOpen, &QPushButton::clicked, this, &FrmLibrary::OpenCurrentDeck);
    connect(cmdCompare, &QPushButton::clicked, this, &FrmLibrary::cmdCompare_Click);
    connect(cmdCompareCurrent, &QPushButton::clicked, this, &FrmLibrary::cmdCompareCurrent_Click);
    UpdateButtons();
}

void FrmLibrary::SetFolder(const std::filesystem::path& folder) {
    folder_ = folder;
    txtFolder->setText(PathText(folder_));
    selectionOrder_.clear();
    const std::u16string text = txtFolder->text().toStdU16String();
    // A name that is no UTF-8 reads back as another folder: not remembered either.
    const LibrarySave saved = PathOf(txtFolder->text()) == folder_
                                  ? SaveLibrarySettings(settings_, LibrarySettings{text})
                                  : LibrarySave::CannotHold;
    switch (saved) {
        case LibrarySave::CannotHold:
            lblFolderNote->setText(
                QStringLiteral("このﾌｫﾙﾀﾞ名は ZEMLO.ini に書けない長さか文字を含むため、"
                               "次回は覚えていません。"));
            lblFolderNote->show();
            break;
        case LibrarySave::Saved:
        case LibrarySave::Failed:  // the settings store tells the player
            lblFolderNote->hide();
            break;
    }
    Look();
}

void FrmLibrary::cmdBrowse_Click() {
    FileDialogRequest request;
    request.folder = true;
    request.title = QStringLiteral("ﾃﾞｯｷﾗｲﾌﾞﾗﾘのﾌｫﾙﾀﾞ");
    request.initialPath = PathText(folder_);
    const QString chosen = Dialogs().AskFileName(this, request);
    if (chosen.isEmpty()) return;
    SetFolder(PathOf(chosen));
}

void FrmLibrary::cmdRefresh_Click() {
    Look();
}

void FrmLibrary::Look() {
    stale_ = false;
    indexer_->Look(folder_);
}

void FrmLibrary::FolderChanged() {
    if (isVisible()) {
        Look();
    } else {
        stale_ = true;
    }
}

void FrmLibrary::LookFinished() {
    const std::vector<std::filesystem::path> selected = selectionOrder_;
    model_->SetIndex(indexer_->Shared());
    Reselect(selected);

    const LibraryIndex& index = indexer_->Index();
    lblSummary->setText(QString::fromStdU16String(LibrarySummaryText(index)));
    lblSummary->setStyleSheet(index.folderStatus ? QString()
                                                 : QStringLiteral("color: rgb(255, 0, 0);"));
    ShowNarrowed();
    prgLook->setRange(0, 1);
    prgLook->setValue(index.cancelled ? 0 : 1);
    cmdCancel->setEnabled(false);
    if (index.cancelled) stale_ = true;

    const QStringList watched = watcher_->directories();
    if (!watched.isEmpty()) watcher_->removePaths(watched);
    QStringList folders;
    for (const std::filesystem::path& folder : index.folders) {
        if (folders.size() == kMaxWatchedFolders) break;
        folders << PathText(folder);
    }
    if (!folders.isEmpty()) watcher_->addPaths(folders);
    for (int column = 0; column < model_->columnCount(); ++column) {
        grdLibrary->resizeColumnToContents(column);
    }
    if (grdLibrary->hasFocus()) FocusTable(false);
    UpdateButtons();
}

void FrmLibrary::UpdateSuggestions(const QString& text) {
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
    QCompleter* completer = txtCard->completer();
    if (suggestions_->rowCount() > 0 && txtCard->hasFocus()) {
        completer->complete();
    } else {
        completer->popup()->hide();
    }
}

void FrmLibrary::txtCard_Enter() {
    const std::u16string text = txtCard->text().toStdU16String();
    std::optional<CardSuggestion> card = names_.CardNumbered(text);
    if (!card) card = names_.CardNumbered(EntryNumber(text));
    if (!card) {
        const std::vector<CardSuggestion> found = names_.Suggest(text, 2);
        if (found.size() == 1) card = found.front();
        if (found.size() > 1) {
            SetNote(QStringLiteral("候補からｶｰﾄﾞを選んでください"));
            return;
        }
    }
    if (!card) {
        if (!txtCard->text().trimmed().isEmpty()) {
            SetNote(QStringLiteral("該当するｶｰﾄﾞがありません"));
        }
        return;
    }
    NarrowTo(*card);
    // Enter again opens the first deck that holds the card.
    FocusTable(true);
}

void FrmLibrary::cmdShownCard_Click() {
    const std::u16string cardNo = hooks_.shownCardNo ? hooks_.shownCardNo() : std::u16string();
    const auto card = names_.CardNumbered(cardNo);
    if (!card) {
        SetNote(QStringLiteral("ｶｰﾄﾞ情報に表示しているｶｰﾄﾞがありません"));
        return;
    }
    NarrowTo(*card);
}

void FrmLibrary::cmdClearCard_Click() {
    txtCard->clear();
    SetNote(QString());
    const std::vector<std::filesystem::path> selected = selectionOrder_;
    model_->NarrowToCard(std::u16string());
    Reselect(selected);
}

void FrmLibrary::NarrowTo(const CardSuggestion& card) {
    narrowed_ = card;
    txtCard->setText(SuggestionText(card));
    const std::vector<std::filesystem::path> selected = selectionOrder_;
    model_->NarrowToCard(card.cardNo);
    Reselect(selected);
    ShowNarrowed();
    grdLibrary->resizeColumnToContents(LibraryModel::Copies);
    UpdateButtons();
}

void FrmLibrary::ShowNarrowed() {
    if (model_->NarrowedCard().empty()) return;
    SetNote(SuggestionText(narrowed_) + QStringLiteral(" を持つﾃﾞｯｷ: ") +
            QString::number(model_->rowCount()) + QStringLiteral(" 件"));
}

void FrmLibrary::Reselect(const std::vector<std::filesystem::path>& paths) {
    // A reset of the table drops its selection without telling; what "比較" compares must
    // be what the player sees selected.
    selectionOrder_.clear();
    QItemSelectionModel* selection = grdLibrary->selectionModel();
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

void FrmLibrary::SetNote(const QString& text) {
    lblNarrowed->setText(text);
    lblNarrowed->setVisible(!text.isEmpty());
}

void FrmLibrary::FocusTable(bool select) {
    grdLibrary->setFocus(Qt::OtherFocusReason);
    if (sorted_->rowCount() == 0) return;
    QItemSelectionModel* selection = grdLibrary->selectionModel();
    QModelIndex at = grdLibrary->currentIndex();
    if (!at.isValid()) at = sorted_->index(0, 0);
    selection->setCurrentIndex(at,
                               select && !selection->hasSelection()
                                   ? QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows
                                   : QItemSelectionModel::NoUpdate);
}

std::vector<int> FrmLibrary::SelectedRows() const {
    std::vector<int> rows;
    for (const std::filesystem::path& path : selectionOrder_) {
        const int row = model_->RowOf(path);
        if (row >= 0) rows.push_back(row);
    }
    return rows;
}

void FrmLibrary::TrackSelection() {
    // Rows come and go with the selection; the order they came in is kept by path, which
    // survives sorting and a new look.
    std::vector<std::filesystem::path> now;
    for (const QModelIndex& at : grdLibrary->selectionModel()->selectedRows()) {
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

void FrmLibrary::UpdateButtons() {
    const std::size_t selected = selectionOrder_.size();
    cmdOpen->setEnabled(selected >= 1);
    cmdCompare->setEnabled(selected == 2);
    cmdCompareCurrent->setEnabled(selected == 1);
    cmdShownCard->setEnabled(static_cast<bool>(hooks_.shownCardNo));
    cmdClearCard->setEnabled(!model_->NarrowedCard().empty() || !txtCard->text().isEmpty());
}

void FrmLibrary::OpenCurrentDeck() {
    // The row the keyboard or the double click is on, else the first one selected.
    QModelIndex at = grdLibrary->currentIndex();
    if (!at.isValid()) {
        const std::vector<int> rows = SelectedRows();
        if (rows.empty()) return;
        at = sorted_->mapFromSource(model_->index(rows.front(), 0));
    }
    const LibraryDeck& deck = model_->DeckAt(sorted_->mapToSource(at).row());
    if (hooks_.openDeck) hooks_.openDeck(PathText(deck.path));
}

bool FrmLibrary::ReadRow(int row, EntryLists& lists, QString& name) {
    const LibraryDeck& deck = model_->DeckAt(row);
    name = model_->FileNameOf(deck);
    FileStatus status;
    if (ReadDeckEntries(deck.path, db_, lists, status)) return true;
    const QString why = status ? QStringLiteral("ﾃﾞｯｷﾌｧｲﾙではなくなっています。")
                               : QString::fromStdU16String(FileErrorText(status));
    Dialogs().Message(this, QMessageBox::Warning, ApplicationTitle(),
                      QStringLiteral("ﾃﾞｯｷﾌｧｲﾙを読めません。\n") + PathText(deck.path) +
                          QStringLiteral("\n") + why,
                      QMessageBox::Ok);
    return false;
}

void FrmLibrary::cmdCompare_Click() {
    const std::vector<int> rows = SelectedRows();
    if (rows.size() != 2) return;
    ComparedDeck first;
    ComparedDeck second;
    if (!ReadRow(rows[0], first.lists, first.name) || !ReadRow(rows[1], second.lists, second.name))
        return;
    if (compare_ == nullptr) compare_ = new FrmCompare(this);
    compare_->Compare(std::move(first), std::move(second));
}

void FrmLibrary::cmdCompareCurrent_Click() {
    const std::vector<int> rows = SelectedRows();
    if (rows.size() != 1 || !hooks_.currentDeck) return;
    ComparedDeck current;
    current.name = QStringLiteral("現在のﾃﾞｯｷ");
    for (CardKind kind : {CardKind::Unit, CardKind::Mission, CardKind::Character}) {
        current.lists[static_cast<std::size_t>(kind)] = hooks_.currentDeck(kind);
    }
    ComparedDeck chosen;
    if (!ReadRow(rows[0], chosen.lists, chosen.name)) return;
    if (compare_ == nullptr) compare_ = new FrmCompare(this);
    compare_->Compare(std::move(current), std::move(chosen));
}

void FrmLibrary::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The table first: arrow keys choose a deck and Enter opens it.
    if (!shownBefore_) FocusTable(false);
    shownBefore_ = true;
    if (stale_) Look();
}

void FrmLibrary::closeEvent(QCloseEvent* event) {
    // A look nobody waits for would only keep the processor busy; the next showing looks
    // again.
    if (indexer_->Looking()) {
        indexer_->Cancel();
        stale_ = true;
    }
    QWidget::closeEvent(event);
}

bool FrmLibrary::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grdLibrary && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            OpenCurrentDeck();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace zemlo

#include "collection/collection_window.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QUndoCommand>
#include <QUndoStack>
#include <QVBoxLayout>
#include <set>

#include "carddb/qt_normaliser.h"
#include "collection/collection_document.h"
#include "collection/collection_table_model.h"
#include "collection/deck_shortfall.h"
#include "collection/deck_shortfall_watch.h"
#include "platform/control_name.h"
#include "platform/dialog_service.h"
#include "platform/qt_paths.h"

namespace zemlo {
namespace {

// One change of the collection as a step of the window's undo. Pushing it applies it.
class CollectionEditCommand : public QUndoCommand {
public:
    CollectionEditCommand(CollectionDocument& document, CollectionEdit edit, QWidget* window,
                          const QString& what)
        : QUndoCommand(what), document_(document), edit_(std::move(edit)), window_(window) {}

    // A change the document could not make (its file was changed elsewhere and is read again)
    // is no step.
    void redo() override {
        if (!document_.Apply(edit_, true, window_)) setObsolete(true);
    }
    void undo() override { document_.Apply(edit_, false, window_); }

private:
    CollectionDocument& document_;
    const CollectionEdit edit_;
    QWidget* window_;
};

// The copies owned are typed into a spin box from 0 to 999; the number typed replaces the
// one shown.
class OwnedCountDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        auto* box = new QSpinBox(parent);
        box->setRange(0, kMaxOwned);
        box->setFrame(false);
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        box->setAccessibleName(QStringLiteral("所持枚数"));
        return box;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* box = static_cast<QSpinBox*>(editor);
        box->setValue(index.data(Qt::EditRole).toInt());
        box->selectAll();
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        auto* box = static_cast<QSpinBox*>(editor);
        box->interpretText();
        model->setData(index, box->value(), Qt::EditRole);
    }
};

QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    NameControl(button, name);
    button->setAutoDefault(false);
    return button;
}

QLabel* PlainLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    NameControl(label, name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QString Grouped(long long value) {
    return QLocale(QLocale::C).toString(value);
}

bool IsDigitKey(const QKeyEvent* key) {
    const QString text = key->text();
    return text.size() == 1 && (text[0].isDigit());
}

}  // namespace

CollectionWindow::CollectionWindow(const CardDatabase& db, CollectionDocument& document,
                                   const DeckShortfallWatch& watch, QWidget* parent)
    : QWidget(parent, Qt::Window),
      db_(db),
      document_(document),
      watch_(watch),
      fold_(NfkcThroughQt),
      filter_(db, fold_),
      undo_(new QUndoStack(this)) {
    setObjectName("frmCollection");
    setWindowTitle(QStringLiteral("所持ｶｰﾄﾞ"));
    BuildControls();

    connect(&document_, &CollectionDocument::collectionChanged, this, &CollectionWindow::Refresh);
    connect(&watch_, &DeckShortfallWatch::changed, this, &CollectionWindow::Refresh);
    connect(&document_, &CollectionDocument::fileStateChanged, this,
            &CollectionWindow::ShowFileState);
    // Steps taken on a collection read anew no longer apply to it.
    connect(&document_, &CollectionDocument::collectionReplaced, undo_, &QUndoStack::clear);
    connect(undo_, &QUndoStack::canUndoChanged, undoButton, &QWidget::setEnabled);
    connect(undo_, &QUndoStack::canRedoChanged, redoButton, &QWidget::setEnabled);

    // Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z) while this window has the focus; in the filter box
    // they edit its text.
    QAction* undoAction = undo_->createUndoAction(this);
    undoAction->setShortcut(QKeySequence::Undo);
    QAction* redoAction = undo_->createRedoAction(this);
    redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (QAction* action : {undoAction, redoAction}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    Refresh();
    ShowFileState();
    resize(760, 600);
}

CollectionWindow::~CollectionWindow() = default;

void CollectionWindow::BuildControls() {
    auto* layout = new QVBoxLayout(this);

    auto* filterRow = new QHBoxLayout;
    auto* filterLabel = new QLabel(QStringLiteral("絞り込み"), this);
    filterRow->addWidget(filterLabel);
    filterBox = new QLineEdit(this);
    NameControl(filterBox, "txtCollectionFilter");
    filterBox->setPlaceholderText(QStringLiteral("ｶｰﾄﾞ番号または名称の一部"));
    filterBox->setClearButtonEnabled(true);
    filterLabel->setBuddy(filterBox);  // the caption names the box for a screen reader
    filterRow->addWidget(filterBox, 1);
    missingOnlyBox = new QCheckBox(QStringLiteral("不足のみ"), this);
    NameControl(missingOnlyBox, "chkMissingOnly");
    filterRow->addWidget(missingOnlyBox);
    layout->addLayout(filterRow);

    kindTabs = new QTabWidget(this);
    NameControl(kindTabs, "tabCollection");
    kindTabs->setAccessibleName(QStringLiteral("カードの種類"));
    const QString captions[3] = {QStringLiteral("ユニット"), QStringLiteral("ミッション"),
                                 QStringLiteral("キャラクター")};
    const QString tableNames[3] = {QStringLiteral("所持ｶｰﾄﾞ ﾕﾆｯﾄ"),
                                   QStringLiteral("所持ｶｰﾄﾞ ﾐｯｼｮﾝ"),
                                   QStringLiteral("所持ｶｰﾄﾞ ｷｬﾗｸﾀｰ")};
    for (int k = 0; k < 3; ++k) {
        models_[k] = new CollectionTableModel(static_cast<CardKind>(k), db_, document_, watch_,
                                              filter_, this);
        connect(models_[k], &CollectionTableModel::ownedEdited, this, &CollectionWindow::SetOwned);
        sorted_[k] = new QSortFilterProxyModel(this);
        sorted_[k]->setSourceModel(models_[k]);
        sorted_[k]->setSortRole(CollectionTableModel::kSortRole);
        auto* table = new QTableView;
        NameControl(table, "grdCollection", k);
        table->setAccessibleName(tableNames[k]);
        table->setModel(sorted_[k]);
        table->setSortingEnabled(true);
        table->sortByColumn(-1, Qt::AscendingOrder);  // by card number, as the model lists them
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->setSelectionMode(QAbstractItemView::ExtendedSelection);
        table->setEditTriggers(QAbstractItemView::DoubleClicked |
                               QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::AnyKeyPressed);
        table->setItemDelegateForColumn(CollectionTableModel::Owned, new OwnedCountDelegate(table));
        table->setWordWrap(false);
        // Tab leaves the table for the buttons below instead of going from cell to cell.
        table->setTabKeyNavigation(false);
        table->verticalHeader()->hide();
        table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
        QHeaderView* header = table->horizontalHeader();
        header->setSectionResizeMode(CollectionTableModel::Name, QHeaderView::Stretch);
        header->resizeSection(CollectionTableModel::CardNo, 110);
        for (int column : {CollectionTableModel::Owned, CollectionTableModel::InDeck,
                           CollectionTableModel::Missing}) {
            header->resizeSection(column, 60);
        }
        table->installEventFilter(this);
        tables[k] = table;
        kindTabs->addTab(table, captions[k]);
    }
    layout->addWidget(kindTabs, 1);

    auto* editRow = new QHBoxLayout;
    moreButton = Button("cmdOwnedMore", QStringLiteral("＋"), this);
    moreButton->setAccessibleName(QStringLiteral("1枚増やす"));
    moreButton->setToolTip(QStringLiteral("選んだｶｰﾄﾞを1枚増やします ([+]ｷｰ)"));
    fewerButton = Button("cmdOwnedFewer", QStringLiteral("－"), this);
    fewerButton->setAccessibleName(QStringLiteral("1枚減らす"));
    fewerButton->setToolTip(QStringLiteral("選んだｶｰﾄﾞを1枚減らします ([-]ｷｰ)"));
    undoButton = Button("cmdCollectionUndo", QStringLiteral("元に戻す"), this);
    redoButton = Button("cmdCollectionRedo", QStringLiteral("やり直し"), this);
    undoButton->setEnabled(false);
    redoButton->setEnabled(false);
    addDeckButton = Button("cmdAddDeck", QStringLiteral("ﾃﾞｯｷを所持に追加"), this);
    addDeckButton->setToolTip(QStringLiteral("いまのﾃﾞｯｷのｶｰﾄﾞを枚数ごと所持に加えます"));
    copyMissingButton =
        Button("cmdCopyMissing", QStringLiteral("不足ｶｰﾄﾞをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ"), this);
    for (QWidget* w : {static_cast<QWidget*>(moreButton), static_cast<QWidget*>(fewerButton)}) {
        editRow->addWidget(w);
    }
    editRow->addSpacing(12);
    editRow->addWidget(undoButton);
    editRow->addWidget(redoButton);
    editRow->addStretch(1);
    editRow->addWidget(addDeckButton);
    editRow->addWidget(copyMissingButton);
    layout->addLayout(editRow);

    totalsLabel = PlainLabel("lblCollectionTotals", this);
    layout->addWidget(totalsLabel);

    auto* fileRow = new QHBoxLayout;
    fileLabel = PlainLabel("lblCollectionFile", this);
    fileLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    fileRow->addWidget(fileLabel, 1);
    chooseFileButton = Button("cmdCollectionFile", QStringLiteral("ﾌｧｲﾙを選ぶ..."), this);
    importButton = Button("cmdImportCsv", QStringLiteral("CSVから読み込む..."), this);
    exportButton = Button("cmdExportCsv", QStringLiteral("CSVに書き出す..."), this);
    fileRow->addWidget(chooseFileButton);
    fileRow->addWidget(importButton);
    fileRow->addWidget(exportButton);
    layout->addLayout(fileRow);

    problemLabel = PlainLabel("lblCollectionProblem", this);
    problemLabel->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
    problemLabel->hide();
    layout->addWidget(problemLabel);

    connect(filterBox, &QLineEdit::textChanged, this, &CollectionWindow::Renarrow);
    connect(missingOnlyBox, &QCheckBox::toggled, this, &CollectionWindow::Renarrow);
    connect(moreButton, &QPushButton::clicked, this, [this] { ChangeSelected(1); });
    connect(fewerButton, &QPushButton::clicked, this, [this] { ChangeSelected(-1); });
    connect(undoButton, &QPushButton::clicked, undo_, &QUndoStack::undo);
    connect(redoButton, &QPushButton::clicked, undo_, &QUndoStack::redo);
    connect(addDeckButton, &QPushButton::clicked, this, &CollectionWindow::AddDeck);
    connect(copyMissingButton, &QPushButton::clicked, this, &CollectionWindow::CopyMissing);
    connect(chooseFileButton, &QPushButton::clicked, this, &CollectionWindow::ChooseFile);
    connect(importButton, &QPushButton::clicked, this, &CollectionWindow::ImportCsv);
    connect(exportButton, &QPushButton::clicked, this, &CollectionWindow::ExportCsv);
}

void CollectionWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    document_.Load(this);
    Renarrow();
    Refresh();
}

QTableView* CollectionWindow::ShownTable() const {
    return tables[static_cast<std::size_t>(std::max(0, kindTabs->currentIndex()))];
}

bool CollectionWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* table = qobject_cast<QTableView*>(watched);
    if (table != nullptr && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Plus) {
            ChangeSelected(1);
            return true;
        }
        if (key->key() == Qt::Key_Minus) {
            ChangeSelected(-1);
            return true;
        }
        // A number typed on any column of a row goes into its copies owned.
        const QModelIndex current = table->currentIndex();
        if (IsDigitKey(key) && current.isValid() &&
            current.column() != CollectionTableModel::Owned) {
            table->selectionModel()->setCurrentIndex(
                current.siblingAtColumn(CollectionTableModel::Owned),
                QItemSelectionModel::NoUpdate);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CollectionWindow::ApplyEdit(CollectionEdit edit, const QString& what) {
    if (edit.Empty()) return;
    const long long capped = edit.capped;
    undo_->push(new CollectionEditCommand(document_, std::move(edit), this, what));
    if (capped > 0) {
        Dialogs().Message(this, QMessageBox::Information, ApplicationTitle(),
                          QStringLiteral("%1 種類は999枚までにしました。").arg(capped),
                          QMessageBox::Ok);
    }
}

void CollectionWindow::SetOwned(const QString& cardNo, int count) {
    ApplyEdit(SetOwnedEdit(document_.Current(), cardNo.toStdU16String(), count),
              QStringLiteral("所持枚数の変更"));
}

void CollectionWindow::ChangeSelected(int delta) {
    QTableView* table = ShownTable();
    const int k = kindTabs->currentIndex();
    QModelIndexList rows = table->selectionModel()->selectedRows();
    if (rows.isEmpty() && table->currentIndex().isValid()) rows.append(table->currentIndex());
    CollectionEdit edit;
    std::set<std::u16string> done;
    for (const QModelIndex& row : rows) {
        const std::u16string_view cardNo = models_[k]->CardNoAt(sorted_[k]->mapToSource(row).row());
        if (!done.emplace(cardNo).second) continue;
        const int owned = document_.Current().Owned(cardNo);
        CollectionEdit one = SetOwnedEdit(document_.Current(), cardNo, owned + delta);
        for (CardChange& change : one.cards) edit.cards.push_back(std::move(change));
    }
    ApplyEdit(std::move(edit), QStringLiteral("所持枚数の変更"));
}

void CollectionWindow::AddDeck() {
    document_.Load(this);
    const std::vector<DeckCard> cards = watch_.Cards();
    if (cards.empty()) {
        Dialogs().Message(this, QMessageBox::Information, ApplicationTitle(),
                          QStringLiteral("ﾃﾞｯｷにｶｰﾄﾞがありません。"), QMessageBox::Ok);
        return;
    }
    ApplyEdit(AddCopiesEdit(document_.Current(), CopiesToAdd(cards)),
              QStringLiteral("ﾃﾞｯｷを所持に追加"));
}

void CollectionWindow::CopyMissing() {
    document_.Load(this);
    const std::vector<DeckCard> missing = MissingCards(document_.Current(), watch_.Cards());
    if (missing.empty()) {
        Dialogs().Message(this, QMessageBox::Information, ApplicationTitle(),
                          QStringLiteral("ﾃﾞｯｷに不足しているｶｰﾄﾞはありません。"), QMessageBox::Ok);
        return;
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdU16String(ShoppingListText(db_, missing)));
}

void CollectionWindow::ImportCsv() {
    document_.Load(this);
    FileDialogRequest request;
    request.title = QStringLiteral("CSVから読み込む");
    request.initialPath = PathQString(document_.File().parent_path());
    request.filter = QStringLiteral("CSV(*.csv);;すべてのﾌｧｲﾙ(*)");
    const QString chosen = Dialogs().AskFileName(this, request);
    if (chosen.isEmpty()) return;
    std::optional<Collection> imported =
        document_.ReadOtherFile(PathOf(chosen), this);
    if (!imported) return;
    long long copies = 0;
    for (const CollectionRow& row : imported->Rows()) copies += row.card.count;
    const QMessageBox::StandardButton answer = Dialogs().AskYesNoCancel(
        this, ApplicationTitle(),
        QStringLiteral("%1\nの %2 種類 %3 枚を読み込みます。\n\n"
                       "はい: 所持枚数に加える\nいいえ: 所持ｶｰﾄﾞをこのﾌｧｲﾙの内容に置き換える")
            .arg(ShownPathText(chosen),
                 Grouped(static_cast<long long>(imported->Size())), Grouped(copies)));
    if (answer == QMessageBox::Cancel) return;
    const ImportMode mode = answer == QMessageBox::Yes ? ImportMode::Add : ImportMode::Replace;
    ApplyEdit(ImportEdit(document_.Current(), *imported, mode),
              mode == ImportMode::Add ? QStringLiteral("CSVから加える")
                                      : QStringLiteral("CSVで置き換える"));
}

void CollectionWindow::ExportCsv() {
    document_.Load(this);
    FileDialogRequest request;
    request.save = true;
    request.title = QStringLiteral("CSVに書き出す");
    request.initialPath =
        PathQString(document_.File().parent_path() / "collection-export.csv");
    request.filter = QStringLiteral("CSV(*.csv)");
    request.defaultSuffix = QStringLiteral("csv");
    const QString chosen = Dialogs().AskFileName(this, request);
    if (chosen.isEmpty()) return;
    document_.WriteOtherFile(PathOf(chosen), this);
}

void CollectionWindow::ChooseFile() {
    document_.Load(this);
    FileDialogRequest request;
    request.save = true;  // a new file may be named
    request.confirmOverwrite = false;
    request.title = QStringLiteral("所持ｶｰﾄﾞを記録するﾌｧｲﾙ");
    request.initialPath = PathQString(document_.File());
    request.filter = QStringLiteral("CSV(*.csv)");
    request.defaultSuffix = QStringLiteral("csv");
    const QString chosen = Dialogs().AskFileName(this, request);
    if (chosen.isEmpty()) return;
    document_.UseFile(PathOf(chosen), this);
}

void CollectionWindow::Renarrow() {
    const std::vector<std::u16string> words = filter_.Words(filterBox->text().toStdU16String());
    for (CollectionTableModel* model : models_) model->Narrow(words, missingOnlyBox->isChecked());
}

void CollectionWindow::Refresh() {
    // A deck edit while the window is hidden costs nothing here; showing it refreshes.
    if (!isVisible()) return;
    for (CollectionTableModel* model : models_) model->Refresh();
    long long copies = 0;
    for (const CollectionRow& row : document_.Current().Rows()) copies += row.card.count;
    totalsLabel->setText(QStringLiteral("所持 %1 種類 %2 枚　ﾃﾞｯｷの不足 %3 枚")
                             .arg(Grouped(static_cast<long long>(document_.Current().Size())),
                                  Grouped(copies), Grouped(watch_.TotalMissing())));
    totalsLabel->setAccessibleName(totalsLabel->text());
}

void CollectionWindow::ShowFileState() {
    fileLabel->setText(QStringLiteral("ﾌｧｲﾙ: ") + ShownPathText(document_.File()));
    fileLabel->setAccessibleName(fileLabel->text());
    problemLabel->setText(document_.SaveProblem());
    problemLabel->setAccessibleName(document_.SaveProblem());
    problemLabel->setVisible(!document_.SaveProblem().isEmpty());
}

}  // namespace zemlo

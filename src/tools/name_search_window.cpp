#include "tools/name_search_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>

#include "carddb/qt_normaliser.h"
#include "carddb/search_fold.h"
#include "catalog/catalog_list_model.h"
#include "catalog/catalog_page.h"
#include "platform/control_name.h"
#include "platform/twips.h"
#include "platform/window_frame.h"
#include "tools/name_search.h"

namespace zemlo {
namespace {

// Design sizes in twips.
constexpr int kSearchFormWidth = 4830;
constexpr int kSearchFormHeight = 1560;

const QString kCaption = QStringLiteral("名称検索");
const QString kEndCaption = QStringLiteral("名称検索 [検索が終了しました]");

std::u16string_view ViewOf(const QString& text) {
    return std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                               static_cast<size_t>(text.size()));
}

}  // namespace

NameSearchWindow::NameSearchWindow(ShownCatalog shownCatalog, QWidget* parent)
    : QWidget(parent, Qt::Window), shownCatalog_(std::move(shownCatalog)) {
    setObjectName("frmSeek");
    setAttribute(Qt::WA_DeleteOnClose);
    UseDialogFrame(this);
    setWindowTitle(kCaption);
    QFont formFont = font();
    formFont.setPointSize(9);
    setFont(formFont);
    setFixedSize(TwipsToPixels(kSearchFormWidth), TwipsToPixels(kSearchFormHeight));

    searchLabel = new QLabel(QStringLiteral("検索する文字列"), this);
    NameControl(searchLabel, "lblSeek");
    PlaceTwips(searchLabel, 120, 120, 3255, 255);
    searchBox = new QLineEdit(this);
    NameControl(searchBox, "txtSeek");
    PlaceTwips(searchBox, 120, 390, 3255, 315);
    searchLabel->setBuddy(searchBox);  // the caption names the box for a screen reader
    const char* const directions[2] = {"下へ検索", "上へ検索"};
    for (int i = 0; i < 2; ++i) {
        directionOptions[i] = new QRadioButton(QString::fromUtf8(directions[i]), this);
        NameControl(directionOptions[i], "optSeek", i);
        PlaceTwips(directionOptions[i], 120 + i * 1560, 840, 1440, 255);
        connect(directionOptions[i], &QRadioButton::clicked, this,
                [this, i] { DirectionClicked(i); });
    }
    directionOptions[0]->setChecked(true);
    findNextButton = new QPushButton(QStringLiteral("次を検索"), this);
    NameControl(findNextButton, "SeekButton");
    PlaceTwips(findNextButton, 3495, 120, 1215, 375);
    findNextButton->setEnabled(false);
    findNextButton->setDefault(true);
    cancelButton = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    NameControl(cancelButton, "CancelButton");
    PlaceTwips(cancelButton, 3495, 600, 1215, 375);
    foldBox = new QCheckBox(QStringLiteral("かな・全角半角を区別しない"), this);
    NameControl(foldBox, "chkFold");
    foldBox->setToolTip(QStringLiteral(
        "ひらがなとカタカナ、全角と半角、英字の大文字と小文字を区別せずに検索します"));
    PlaceTwips(foldBox, 120, 1170, 4590, 255);

    connect(searchBox, &QLineEdit::textChanged, this, &NameSearchWindow::SearchTextChanged);
    connect(searchBox, &QLineEdit::returnPressed, this, [this] {
        if (findNextButton->isEnabled()) FindNext();
    });
    connect(findNextButton, &QPushButton::clicked, this, &NameSearchWindow::FindNext);
    connect(cancelButton, &QPushButton::clicked, this, &NameSearchWindow::Cancel);
}

void NameSearchWindow::SearchTextChanged() {
    findNextButton->setEnabled(!searchBox->text().isEmpty());
    setWindowTitle(kCaption);
}

void NameSearchWindow::DirectionClicked(int) {
    setWindowTitle(kCaption);
}

void NameSearchWindow::Cancel() {
    close();
}

void NameSearchWindow::closeEvent(QCloseEvent* event) {
    // However the player closes the window, it must not come back on the next restore of
    // the main window.
    emit closed();
    QWidget::closeEvent(event);
}

void NameSearchWindow::FindNext() {
    CatalogPage* catalog = shownCatalog_ ? shownCatalog_() : nullptr;
    if (catalog == nullptr) return;
    const CatalogListModel* model = catalog->Model();
    QListView* list = catalog->List();
    const QModelIndexList selected = list->selectionModel()->selectedIndexes();
    const int selectedRow = selected.isEmpty() ? -1 : selected.front().row();
    const QString text = searchBox->text();
    const EntryTextAt entryAt = [model](int row) { return model->EntryAt(row).SearchedPart(); };
    const bool down = directionOptions[0]->isChecked();
    const int found = foldBox->isChecked()
                          ? FoldedSeekStep(model->rowCount(), selectedRow, down, ViewOf(text),
                                           entryAt, SearchFold(NfkcThroughQt))
                          : SeekStep(model->rowCount(), selectedRow, down, ViewOf(text), entryAt);
    if (found < 0) {
        setWindowTitle(kEndCaption);
        return;
    }
    const QModelIndex match = model->index(found);
    list->setCurrentIndex(match);
    list->scrollTo(match);
    setWindowTitle(kCaption);
}

}  // namespace zemlo

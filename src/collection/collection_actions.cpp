#include "collection/collection_actions.h"

#include <QAbstractItemView>
#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QTimer>

#include "collection/collection_colours.h"
#include "collection/collection_document.h"
#include "collection/collection_window.h"
#include "collection/deck_shortfall_watch.h"
#include "collection/owned_counts_option.h"
#include "settings/collection_settings.h"

namespace zemlo {

CollectionActions::CollectionActions(const CardDatabase& db, SettingsStore& settings,
                                     std::filesystem::path programDir, const Deck& deck,
                                     QWidget* mainWindow)
    : QObject(mainWindow), db_(db), settings_(settings), mainWindow_(mainWindow) {
    document_ = new CollectionDocument(db, settings, std::move(programDir), this);
    watch_ = new DeckShortfallWatch(deck, *document_, this);
    option_ = new OwnedCountsOption(LoadCollectionSettings(settings).show, this);

    // The watch tells of every change of the deck and of the collection alike.
    connect(document_, &CollectionDocument::collectionChanged, this,
            [this] { RepaintMarked(true, false); });
    connect(watch_, &DeckShortfallWatch::changed, this, [this] {
        RepaintMarked(false, true);
        ScheduleMissingLine();
    });
    // Turned on or off: every marked list paints afresh.
    connect(option_, &OwnedCountsOption::changed, this, [this] {
        RepaintMarked(true, true, true);
        ShowMissingLine();
    });
    // With the option on from the last run, the file is read once the main window is shown,
    // so what the reader tells stands over it and the start-up goes on undisturbed.
    if (option_->On()) mainWindow_->installEventFilter(this);
}

bool CollectionActions::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mainWindow_ && event->type() == QEvent::Show) {
        mainWindow_->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] {
            if (option_->On()) document_->Load(mainWindow_);
        });
    }
    return QObject::eventFilter(watched, event);
}

void CollectionActions::AddWindowItem(QMenu* toolMenu) {
    toolMenu->addSeparator();
    windowItem = toolMenu->addAction(QStringLiteral("所持ｶｰﾄﾞ(&H)..."));
    windowItem->setObjectName("mnuCollection");
    connect(windowItem, &QAction::triggered, this, &CollectionActions::OpenWindow);
}

void CollectionActions::AddShowItem(QMenu* viewMenu) {
    showItem = new QAction(QStringLiteral("所持枚数を表示"), viewMenu);
    showItem->setObjectName("mnuShowOwned");
    showItem->setCheckable(true);
    showItem->setChecked(option_->On());
    viewMenu->addAction(showItem);
    connect(showItem, &QAction::triggered, this, &CollectionActions::SetShown);
}

void CollectionActions::MarkCatalog(QAbstractItemView* list,
                                    OwnedMarksDelegate::CardNoOf cardNoOf) {
    new OwnedMarksDelegate(list, OwnedMarksDelegate::Marks::Owned, std::move(cardNoOf), *document_,
                           *watch_, *option_);
    catalogs_.emplace_back(list);
}

void CollectionActions::MarkDeckList(QAbstractItemView* list,
                                     OwnedMarksDelegate::CardNoOf cardNoOf) {
    new OwnedMarksDelegate(list, OwnedMarksDelegate::Marks::Missing, std::move(cardNoOf),
                           *document_, *watch_, *option_);
    deckLists_.emplace_back(list);
}

QLabel* CollectionActions::MakeMissingLine(QWidget* parent) {
    missingLine_ = new QLabel(parent);
    missingLine_->setObjectName("lblMissing");
    missingLine_->setTextFormat(Qt::PlainText);
    ShowMissingLine();
    return missingLine_;
}

void CollectionActions::ScheduleMissingLine() {
    // The line follows once the change's events are handled: a burst of edits (a deck of
    // thousands of rows opened) updates it once, and an edit itself stays as quick as without.
    if (!option_->On() || missingLinePending_) return;
    missingLinePending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            missingLinePending_ = false;
            ShowMissingLine();
        },
        Qt::QueuedConnection);
}

void CollectionActions::ShowMissingLine() {
    if (missingLine_ == nullptr) return;
    if (!option_->On()) {
        missingLine_->hide();
        return;
    }
    const long long missing = watch_->TotalMissing();
    const QString text = QStringLiteral("不足 %1枚").arg(missing);
    if (missingLine_->text() != text) {
        missingLine_->setText(text);
        // Heard by its text, told again whenever it changes.
        missingLine_->setAccessibleName(text);
        QPalette palette = missingLine_->palette();
        palette.setColor(QPalette::WindowText, missing > 0 ? MissingColour() : QColor(0, 0, 0));
        missingLine_->setPalette(palette);
    }
    missingLine_->show();
}

void CollectionActions::RepaintMarked(bool catalogs, bool deckLists, bool evenWhenOff) {
    // With the option off nothing painted depends on the collection.
    if (!option_->On() && !evenWhenOff) return;
    auto repaint = [](const std::vector<QPointer<QAbstractItemView>>& lists) {
        for (const QPointer<QAbstractItemView>& list : lists) {
            if (list) list->viewport()->update();
        }
    };
    if (catalogs) repaint(catalogs_);
    if (deckLists) repaint(deckLists_);
}

void CollectionActions::SetShown(bool on) {
    if (on) document_->Load(mainWindow_);
    option_->Set(on);
    if (showItem != nullptr) showItem->setChecked(on);
    // A failure is told by the store.
    static_cast<void>(SaveCollectionShow(settings_, on));
}

void CollectionActions::OpenWindow() {
    if (window_ == nullptr) window_ = new CollectionWindow(db_, *document_, *watch_, mainWindow_);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

}  // namespace zemlo

#include "deckfile/recent_files_menu.h"

#include <QAction>

#include "deck/deck_document.h"
#include "deckfile/file_menu.h"
#include "platform/path_text.h"
#include "platform/qt_paths.h"

namespace zemlo {

RecentFilesMenu::RecentFilesMenu(FileMenu& menu, SettingsStore& settings,
                                 const DeckDocument& document, QObject* parent)
    : QObject(parent), menu_(menu), settings_(settings), files_(LoadRecentFiles(settings)) {
    Rebuild();
    connect(&document, &DeckDocument::fileChanged, this, [this](const QString& path) {
        if (!path.isEmpty()) Remember(PathQString(AbsolutePath(PathOf(path))));
    });
}

void RecentFilesMenu::Remember(const QString& path) {
    const RecentFiles old = files_;
    files_.Add(path.toStdU16String());
    if (files_.Paths() == old.Paths()) return;
    Store();
    Rebuild();
}

void RecentFilesMenu::Forget(const QString& path) {
    const size_t count = files_.Paths().size();
    files_.Remove(path.toStdU16String());
    if (files_.Paths().size() == count) return;
    Store();
    Rebuild();
}

void RecentFilesMenu::Store() {
    // A failure is told by the store; the menu keeps the list for this run.
    static_cast<void>(SaveRecentFiles(settings_, files_));
}

void RecentFilesMenu::Rebuild() {
    for (QAction* item : items_) {
        menu_.Remove(item);
        item->deleteLater();
    }
    items_.clear();
    const auto& paths = files_.Paths();
    for (size_t i = 0; i < paths.size(); ++i) {
        const QString path = QString::fromStdU16String(paths[i]);
        QString caption = ShownPathText(path);
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* item = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(caption), this);
        item->setObjectName(QStringLiteral("mnuRecent%1").arg(i));
        connect(item, &QAction::triggered, this, [this, path] { emit fileChosen(path); });
        menu_.Add(FileMenuSection::Recent, item);
        items_ << item;
    }
}

}  // namespace zemlo

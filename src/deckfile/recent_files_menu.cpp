#include "deckfile/recent_files_menu.h"

#include <QAction>
#include <QMenu>

#include "platform/qt_paths.h"

namespace zemlo {

RecentFilesMenu::RecentFilesMenu(QMenu* menu, QAction* before, SettingsStore& settings,
                                 QObject* parent)
    : QObject(parent),
      menu_(menu),
      before_(before),
      settings_(settings),
      files_(LoadRecentFiles(settings)) {
    Rebuild();
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
        menu_->removeAction(item);
        item->deleteLater();
    }
    items_.clear();
    if (separator_ != nullptr) {
        menu_->removeAction(separator_);
        separator_->deleteLater();
        separator_ = nullptr;
    }
    const auto& paths = files_.Paths();
    if (paths.empty()) return;
    for (size_t i = 0; i < paths.size(); ++i) {
        const QString path = QString::fromStdU16String(paths[i]);
        QString caption = ShownPathText(path);
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* item = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(caption), menu_);
        item->setObjectName(QStringLiteral("mnuRecent%1").arg(i));
        connect(item, &QAction::triggered, this, [this, path] { emit fileChosen(path); });
        menu_->insertAction(before_, item);
        items_ << item;
    }
    separator_ = new QAction(menu_);
    separator_->setSeparator(true);
    menu_->insertAction(before_, separator_);
}

}  // namespace zemlo

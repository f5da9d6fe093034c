// The deck files opened or saved last, listed at the end of the file menu before 終了:
// numbered, the most recent first, kept in the settings file. Nothing is listed (and the
// menu looks as it always did) until a deck file has been opened or saved.
#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include "settings/recent_files.h"

class QAction;
class QMenu;

namespace zemlo {

class RecentFilesMenu : public QObject {
    Q_OBJECT
public:
    // Lists the remembered files in menu, before the item before.
    RecentFilesMenu(QMenu* menu, QAction* before, SettingsStore& settings, QObject* parent);

    // Puts path first (or takes it out) and writes the list to the settings file.
    void Remember(const QString& path);
    void Forget(const QString& path);

    // The items shown now, the most recent first.
    const QList<QAction*>& Items() const { return items_; }

signals:
    void fileChosen(const QString& path);

private:
    void Rebuild();
    void Store();

    QMenu* menu_;
    QAction* before_;
    SettingsStore& settings_;
    RecentFiles files_;
    QList<QAction*> items_;
    QAction* separator_ = nullptr;
};

}  // namespace zemlo

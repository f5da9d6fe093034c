// The deck files opened or saved last, listed at the end of the file menu before 終了:
// numbered, the most recent first, kept in the settings file. Nothing is listed (and the
// menu looks as it always did) until a deck file has been opened or saved. The list follows
// the deck document's file.
#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include "settings/recent_files.h"

class QAction;

namespace zemlo {

class DeckDocument;
class FileMenu;

class RecentFilesMenu : public QObject {
    Q_OBJECT
public:
    // Lists the remembered files in menu's recent section; every deck file document is
    // saved to or opened from is remembered.
    RecentFilesMenu(FileMenu& menu, SettingsStore& settings, const DeckDocument& document,
                    QObject* parent);

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

    FileMenu& menu_;
    SettingsStore& settings_;
    RecentFiles files_;
    QList<QAction*> items_;
};

}  // namespace zemlo

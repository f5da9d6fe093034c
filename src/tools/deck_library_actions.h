// The file menu's deck library command: "ﾃﾞｯｷﾗｲﾌﾞﾗﾘ(&L)..." (Ctrl+L) opens the library window,
// modeless, made once and kept with what it has read.
#pragma once

#include <QObject>
#include <QPointer>
#include <filesystem>

#include "carddb/card_database.h"
#include "settings/settings_store.h"
#include "tools/deck_library_window.h"

class QAction;
class QMenu;
class QWidget;

namespace zemlo {

class DeckLibraryActions : public QObject {
    Q_OBJECT
public:
    DeckLibraryActions(const CardDatabase& db, SettingsStore& settings,
                       std::filesystem::path programDir, LibraryHooks hooks, QWidget* mainWindow);

    // Puts the command into menu right after after.
    void AddMenuItem(QMenu* menu, QAction* after);

    void OpenLibrary();

    // The library window once it was opened.
    DeckLibraryWindow* Window() const { return window_; }

    QAction* libraryItem = nullptr;

private:
    const CardDatabase& db_;
    SettingsStore& settings_;
    std::filesystem::path programDir_;
    LibraryHooks hooks_;
    QWidget* mainWindow_;
    QPointer<DeckLibraryWindow> window_;
};

}  // namespace zemlo

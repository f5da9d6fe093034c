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
class QWidget;

namespace zemlo {

class FileMenu;

class DeckLibraryActions : public QObject {
    Q_OBJECT
public:
    DeckLibraryActions(const CardDatabase& db, SettingsStore& settings,
                       std::filesystem::path programDir, LibraryHooks hooks, QWidget* mainWindow);

    // Puts the command at the end of menu's deck file section.
    void AddMenuItem(FileMenu& menu);

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

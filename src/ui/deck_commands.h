// The main window's commands around the deck beyond building it: the 編集 menu with undo
// and redo, the question before a changed deck is lost, deck files opened from the command
// line, by dropping or from the list of recent files, and deck text taken from the
// clipboard. The deck's history and the file menu's deck commands stay as they are; this
// object only wires them together.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QAction;
class QMainWindow;
class QMenu;

namespace zemlo {

struct CardDatabase;
class DeckFileActions;
class DeckHistory;
class DeckTextImporter;
class RecentFilesMenu;
class SettingsStore;
class UnsavedDeckGuard;

// The window's menu items the deck commands join: the 編集 menu goes before viewMenu, the
// import after copy, the recent files before exit; open and save get the desktop's keys.
struct DeckCommandMenus {
    QMenu* fileMenu;
    QAction* open;
    QAction* save;
    QAction* copy;
    QAction* exit;
    QMenu* viewMenu;
};

// What the deck commands work on: the window whose menu bar they join and onto which deck
// files are dropped, the deck's history, the file menu's deck commands, the card tables the
// deck text is matched against, and the settings file the recent files are kept in.
struct DeckCommandContext {
    QMainWindow& window;
    DeckCommandMenus menus;
    DeckHistory& history;
    DeckFileActions& files;
    const CardDatabase& db;
    SettingsStore& settings;
};

class DeckCommands : public QObject {
    Q_OBJECT
public:
    // Adds its menus and items to the window's menus; call once the menus are built.
    explicit DeckCommands(const DeckCommandContext& context);
    ~DeckCommands() override;

    // The question before the deck is dropped or replaced (see UnsavedDeckGuard).
    bool MayDiscardDeck() const;

    // Opens a deck file named from outside the menus (command line, drop, recent files),
    // after the question; a path that cannot be read is named in the reader's message.
    void OpenDeckFile(const QString& path);

    DeckHistory& History() const { return history_; }
    RecentFilesMenu& RecentFiles() const { return *recent_; }

    QMenu* editMenu;
    QAction* undoItem;
    QAction* redoItem;
    QAction* importItem;

protected:
    // Deck files dropped on the main window.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildEditMenu(QMenu* before);
    void OpenRecentFile(const QString& path);

    QMainWindow& window_;
    DeckHistory& history_;
    DeckFileActions& files_;
    std::unique_ptr<UnsavedDeckGuard> guard_;
    DeckTextImporter* importer_;
    RecentFilesMenu* recent_;
};

}  // namespace zemlo

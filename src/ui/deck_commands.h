// The main window's commands around the deck beyond building it: the 編集 menu with undo
// and redo, the question before a changed deck is lost, deck files opened from the command
// line, by dropping or from the list of recent files, and deck text taken from the
// clipboard. The deck's history (the main window's), the deck panel and the file menu's deck
// commands stay as they are; this object only wires them together.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QAction;
class QMenu;

namespace zemlo {

class DeckHistory;
class DeckTextImporter;
class MainWindow;
class RecentFilesMenu;
class UnsavedDeckGuard;

class DeckCommands : public QObject {
    Q_OBJECT
public:
    // Adds its menus and items to window's menus; call once the menus are built.
    explicit DeckCommands(MainWindow& window);
    ~DeckCommands() override;

    // The question before the deck is dropped or replaced (see UnsavedDeckGuard).
    bool MayDiscardDeck() const;

    // Opens a deck file named from outside the menus (command line, drop, recent files),
    // after the question; a path that cannot be read is named in the reader's message.
    void OpenDeckFile(const QString& path);

    DeckHistory& History() const { return *history_; }
    RecentFilesMenu& RecentFiles() const { return *recent_; }

    QMenu* mnuEdit;
    QAction* mnuUndo;
    QAction* mnuRedo;
    QAction* mnuImport;

protected:
    // Deck files dropped on the main window.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildEditMenu();
    void OpenRecentFile(const QString& path);

    MainWindow& window_;
    DeckHistory* history_;
    std::unique_ptr<UnsavedDeckGuard> guard_;
    DeckTextImporter* importer_;
    RecentFilesMenu* recent_;
};

}  // namespace zemlo

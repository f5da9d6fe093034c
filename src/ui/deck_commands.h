// The main window's commands around the deck file: the ﾌｧｲﾙ menu's deck commands, the deck
// library, the deck text import, the deck sheet and the recent files, and deck files dropped
// on the window. Each feature adds its own items to the file menu; this object makes them
// and wires them together. Every deck file opened, whoever names it, takes the deck file
// commands' one road (DeckFileActions::OpenDeck) with its one unsaved-deck question.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>

#include "deckfile/deck_file_actions.h"
#include "deckfile/deck_file_context.h"

class QMainWindow;

namespace zemlo {

class CollectionDocument;
class DeckDocument;
class DeckLibraryActions;
class DeckSheetActions;
class DeckTextImporter;
class FileMenu;
class RecentFilesMenu;

struct DeckCommandContext {
    // The window deck files are dropped on and dialogs belong to.
    QMainWindow& window;
    FileMenu& fileMenu;
    DeckDocument& document;
    // What the deck file commands borrow of the program.
    DeckFileContext files;
    // The number of the card the card information shows ("" for none), for the library.
    std::function<std::u16string()> shownCardNo;
    // The cards the player owns, which the library counts each deck's missing copies by.
    CollectionDocument* collection = nullptr;
};

class DeckCommands : public QObject {
    Q_OBJECT
public:
    explicit DeckCommands(const DeckCommandContext& context);
    ~DeckCommands() override;

    // The question before the deck is dropped (closing the program).
    bool MayDiscardDeck() { return files_->MayDiscardDeck(); }

    // Opens a deck file named from outside the menus (command line, drop, recent files,
    // library): the one road, after the question.
    DeckFileActions::OpenResult OpenDeckFile(const QString& path);

    DeckFileActions& Files() const { return *files_; }
    RecentFilesMenu& RecentFiles() const { return *recent_; }

protected:
    // Deck files dropped on the main window.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMainWindow& window_;
    DeckFileActions* files_;
    DeckTextImporter* importer_;
    DeckSheetActions* sheet_;
    DeckLibraryActions* library_;
    RecentFilesMenu* recent_;
};

}  // namespace zemlo

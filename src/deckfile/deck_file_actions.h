// The file menu's deck commands: saving and opening the deck file, the output-items dialog
// and the deck text for the clipboard. They read the deck document's deck, replace it
// through its history as one step, and tell the document which file it belongs to.
//
// Opening has one road, whoever asks (the menu, the recent files, the deck library, a file
// dropped on the window, the command line): OpenDeck asks the unsaved-deck question, reads
// the file and replaces the deck. The question itself is asked in MayDiscardDeck only.
#pragma once

#include <QObject>
#include <QString>

#include "deckfile/deck_file_context.h"
#include "deckfile/deck_file_reader.h"
#include "deckfile/output_flags.h"
#include "deckfile/unsaved_deck_guard.h"

class QAction;
class QWidget;

namespace zemlo {

class DeckDocument;
class FileMenu;

class DeckFileActions : public QObject {
    Q_OBJECT
public:
    // The output items in force are read from the settings file here.
    DeckFileActions(DeckFileContext context, DeckDocument& document, QWidget* parent);

    // Open, save and 上書き保存 (with the desktop's keys), the output items, the deck text.
    void AddMenuItems(FileMenu& menu);

    const OutputFlags& Output() const { return output_; }

    enum class FileDialogPurpose { Open, Save };
    // Asks for a deck file's path to open or to save. The path with surrounding blanks
    // removed, or "" when the player cancelled.
    QString AskDeckFileName(FileDialogPurpose purpose);

    // The question before the deck is dropped or replaced (see UnsavedDeckGuard): true when
    // it may go.
    bool MayDiscardDeck();

    enum class OpenResult {
        Opened,      // the deck is the file's now (an empty one for a file that is no deck)
        Kept,        // the player kept the deck, or no path was given
        Unreadable,  // the file could not be read at all; told, the deck as it was
    };
    // The one road to open a deck file named by path, after the question.
    OpenResult OpenDeck(const QString& path);

    // The menu commands. Open asks the question before its dialog.
    void SaveCommand();
    void OpenCommand();
    void ChooseOutputItems();
    void CopyDeckText();

    // The overwrite command (上書き保存): writes the deck to the file it belongs to, or asks
    // as the save command does when it belongs to none. True only when the file was written.
    bool OverwriteDeck();

    // The save command: true only when the deck file was written.
    bool SaveDeck();

    // Writes the deck file for the current deck. Returns false (after telling the player)
    // when the file could not be written; an existing file then stays as it was.
    bool WriteDeckHtml(const QString& path);
    // Tells what the reading found: a page from elsewhere, rows that name no card, rows
    // beyond a list's limit.
    void TellWhatWasRead(const DeckFileReadResult& result);
    // The CSV form is not offered: both only say so.
    void WriteDeckCsv(const QString& path);
    void ReadDeckCsv(const QString& path);

    QAction* openItem = nullptr;
    QAction* saveItem = nullptr;
    QAction* overwriteItem = nullptr;
    QAction* outputItemsItem = nullptr;
    QAction* copyItem = nullptr;

private:
    // Opening after the question: replaces the deck with the file's, as one step of the
    // deck's history. Any path empties the deck; only a deck file fills it again.
    OpenResult ReplaceWithFile(const QString& path);
    // The reader's message for a file that could not be read, with the cause.
    void TellUnreadable(const QString& path, const FileStatus& status);

    DeckFileContext context_;
    OutputFlags output_;
    DeckDocument& document_;
    QWidget* parentWidget_;
    UnsavedDeckGuard guard_;
};

}  // namespace zemlo

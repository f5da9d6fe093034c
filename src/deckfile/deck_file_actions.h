// The file menu's deck commands: saving and opening the deck file, the output-items
// dialog and the deck text for the clipboard. The deck itself lives in the main window's
// deck lists, reached through DeckAccess.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "deck/deck_access.h"
#include "deckfile/deck_file_context.h"
#include "deckfile/deck_file_reader.h"
#include "deckfile/deck_lists.h"

class QWidget;

namespace zemlo {

class DeckFileActions : public QObject {
    Q_OBJECT
public:
    DeckFileActions(DeckFileContext state, DeckAccess& deck, QWidget* parent);

    // Asks for a deck file's path: flag 1 to save, 0 to open. The path with surrounding
    // blanks removed, or "" when the player cancelled.
    QString AskDeckFileName(int flag);

    void mnuSave_Click();
    void mnuOpen_Click();

    // Asked before the open command replaces the deck; false keeps the deck and asks for
    // no file. Without one the deck is replaced at once.
    void SetReplaceGuard(std::function<bool()> guard) { replaceGuard_ = std::move(guard); }

    // The save command: true only when the deck file was written.
    bool SaveDeck();
    // The open command after its dialog, for a path from anywhere: empties the deck and
    // reads the file, as one change of the deck. A deck file that cannot be read at all
    // (missing, unreadable, too large, a folder) is told and leaves the deck as it was:
    // false then.
    bool OpenDeckFile(const QString& path);
    void mnuOptFile_Click();
    void mnuCopy_Click();

    // Writes the deck file for the current deck. Returns false (after telling the player)
    // when the file could not be written; an existing file then stays as it was.
    bool WriteDeckHtml(const QString& path);
    // Adds the deck named by the file to the deck lists.
    DeckFileStatus ReadDeckHtml(const QString& path);
    // Adds a deck file's deck, read already, to the deck lists, counting the entries left
    // out of full lists into result.
    void AddReadDeck(DeckFileReadResult& result);
    // Tells what the reading found: a page from elsewhere, rows that name no card, rows
    // beyond a list's limit.
    void TellWhatWasRead(const DeckFileReadResult& result);
    // The CSV form is not offered: both only say so.
    void WriteDeckCsv(const QString& path);
    void ReadDeckCsv(const QString& path);

    // The current deck as plain data.
    DeckLists CurrentDeck() const;

signals:
    // A deck file was written with the deck shown.
    void deckSaved(const QString& path);
    // The open command replaced the deck; read tells whether the path was a deck file that
    // was read.
    void deckOpened(const QString& path, bool read);

private:
    // The reader's message for a file that could not be read, with the cause.
    void TellUnreadable(const QString& path, const FileStatus& status);

    DeckFileContext state_;
    DeckAccess& deck_;
    QWidget* parentWidget_;
    std::function<bool()> replaceGuard_;
};

}  // namespace zemlo

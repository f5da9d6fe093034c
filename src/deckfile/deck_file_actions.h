// The file menu's deck commands: saving and opening the deck file, the output-items
// dialog and the deck text for the clipboard. They read the deck and replace it through the
// deck's history, as one step.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "deckfile/deck_file_context.h"
#include "deckfile/deck_file_reader.h"

class QWidget;

namespace zemlo {

class DeckHistory;

class DeckFileActions : public QObject {
    Q_OBJECT
public:
    DeckFileActions(DeckFileContext state, DeckHistory& history, QWidget* parent);

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
    // The open command after its dialog, for a path from anywhere: replaces the deck with
    // the file's, as one step of the deck's history. A deck file that cannot be read at all
    // (missing, unreadable, too large, a folder) is told and leaves the deck as it was:
    // false then.
    bool OpenDeckFile(const QString& path);
    void mnuOptFile_Click();
    void mnuCopy_Click();

    // Writes the deck file for the current deck. Returns false (after telling the player)
    // when the file could not be written; an existing file then stays as it was.
    bool WriteDeckHtml(const QString& path);
    // Tells what the reading found: a page from elsewhere, rows that name no card, rows
    // beyond a list's limit.
    void TellWhatWasRead(const DeckFileReadResult& result);
    // The CSV form is not offered: both only say so.
    void WriteDeckCsv(const QString& path);
    void ReadDeckCsv(const QString& path);

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
    DeckHistory& history_;
    QWidget* parentWidget_;
    std::function<bool()> replaceGuard_;
};

}  // namespace zemlo

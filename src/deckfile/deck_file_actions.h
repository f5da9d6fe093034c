// The file menu's deck commands: saving and opening the deck file, the output-items
// dialog and the deck text for the clipboard. They read the deck and replace it through the
// deck's history, as one step.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "deckfile/deck_file_context.h"
#include "deckfile/deck_file_reader.h"

class QAction;
class QMenu;
class QWidget;

namespace zemlo {

class DeckHistory;

class DeckFileActions : public QObject {
    Q_OBJECT
public:
    DeckFileActions(DeckFileContext state, DeckHistory& history, QWidget* parent);

    enum class FileDialogPurpose { Open, Save };
    // Asks for a deck file's path to open or to save. The path with surrounding blanks
    // removed, or "" when the player cancelled.
    QString AskDeckFileName(FileDialogPurpose purpose);

    void SaveCommand();
    void OpenCommand();

    // "上書き保存" (Ctrl+S), put into menu after after: writes the deck to the file it
    // belongs to, or asks as the save command does when it belongs to none.
    QAction* AddOverwriteItem(QMenu* menu, QAction* after);
    // The overwrite command: true only when the deck file was written.
    bool OverwriteDeck();
    // The deck file the deck was last saved to or opened from ("" for none), and forgetting
    // it when the deck no longer is that file's: cleared, or replaced by deck text.
    const QString& DeckFile() const { return deckFile_; }
    void ForgetDeckFile();

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
    void ChooseOutputItems();
    void CopyDeckText();

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
    // The deck belongs to no file any more.
    void deckFileForgotten();

private:
    // The reader's message for a file that could not be read, with the cause.
    void TellUnreadable(const QString& path, const FileStatus& status);

    DeckFileContext state_;
    DeckHistory& history_;
    QWidget* parentWidget_;
    std::function<bool()> replaceGuard_;
    QString deckFile_;
};

}  // namespace zemlo

// The deck the main window edits, owned in one place: the Deck, its history (the one road by
// which it changes, undo and redo, and whether it differs from the deck last saved or
// opened) and the deck file it belongs to. Windows read the deck here, change it through the
// history and learn of its file from fileChanged.
#pragma once

#include <QObject>
#include <QString>

#include "deck/deck.h"
#include "deck/deck_history.h"

namespace zemlo {

class DeckDocument : public QObject {
    Q_OBJECT
public:
    explicit DeckDocument(QObject* parent = nullptr);

    const Deck& CurrentDeck() const { return deck_; }
    DeckHistory& History() { return history_; }

    // The deck differs from the one last saved or opened.
    bool IsChanged() const { return history_.IsChanged(); }

    // The deck file the deck was last saved to or opened from, made absolute, where
    // 上書き保存 writes; "" for none.
    const QString& FileName() const { return fileName_; }

    // The deck shown is now the one in the file at path, just written or read ("" for an
    // opened file that held no deck): unchanged from here on, and belonging to that file.
    void MarkSaved(const QString& path);
    // The deck is no longer its file's (all lists cleared, or replaced by deck text):
    // 上書き保存 asks for a name again. The deck stays as changed as it was.
    void ForgetFile();

signals:
    // After every MarkSaved, the file the deck belongs to now as it was named; "" after
    // ForgetFile.
    void fileChanged(const QString& path);

private:
    Deck deck_;
    DeckHistory history_;
    QString fileName_;
};

}  // namespace zemlo

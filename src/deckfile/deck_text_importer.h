// Taking a deck posted as deck text: the clipboard's plain text is read as the deck-text
// command writes it, matched to the cards, and replaces the deck as one change. One message
// then names every line that matched nothing and every name that matched several cards.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "carddb/card_database.h"
#include "deckfile/deck_text_matcher.h"

class QAction;
class QWidget;

namespace zemlo {

class DeckHistory;
class FileMenu;

class DeckTextImporter : public QObject {
    Q_OBJECT
public:
    // The card names of db are indexed at the first import and kept for every later one.
    DeckTextImporter(const CardDatabase& db, DeckHistory& history, QWidget* parent);

    // The command "ｸﾘｯﾌﾟﾎﾞｰﾄﾞからﾃﾞｯｷﾃﾞｰﾀを取り込む(&I)" with the deck text commands.
    void AddMenuItem(FileMenu& menu);

    // Asked before the deck is replaced; false keeps it.
    void SetReplaceGuard(std::function<bool()> guard) { replaceGuard_ = std::move(guard); }

    // The menu command: imports the clipboard's plain text.
    void ImportFromClipboard();

    // Imports text. When no line matched a card the deck is left as it was.
    void ImportText(const QString& text);

    // At most this many lines of each list are named in the message.
    static constexpr int kListedLines = 20;

    QAction* importItem;

signals:
    // The deck was replaced by the text's.
    void deckImported();

private:
    void Report(const DeckTextImport& result);

    DeckTextMatcher matcher_;
    DeckHistory& history_;
    QWidget* parentWidget_;
    std::function<bool()> replaceGuard_;
};

}  // namespace zemlo

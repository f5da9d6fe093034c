// The 編集 menu: undo and redo of the deck's history, with the desktop's keys.
#pragma once

class QMenu;
class QMenuBar;

namespace zemlo {

class DeckHistory;

// Adds "編集(&E)" (mnuEdit) with "元に戻す(&U)" (mnuUndo) and "やり直し(&R)" (mnuRedo) at the
// end of bar; each item is enabled while its step exists.
QMenu* AddDeckEditMenu(QMenuBar* bar, DeckHistory& history);

}  // namespace zemlo

// The Tools menu's windows: the statistics graphs, the draw test and the name search. The
// main window hands over what they read (cards, deck, catalogs) and what they call back
// (card information, card popup); it keeps none of their logic.
#pragma once

#include <QObject>
#include <QPointer>
#include <filesystem>
#include <functional>

#include "carddb/card_database.h"
#include "deck/deck.h"
#include "platform/settings_store.h"
#include "tools/frm_draw.h"
#include "tools/frm_seek.h"

class QDialog;
class QWidget;

namespace zemlo {

class ToolWindows : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        FrmDraw::ShowCard showCardInf;
        FrmDraw::CardPopup cardPopup;
        FrmSeek::ShownCatalog shownCatalog;
        // The settings store of ZEMLO.ini, where the draw odds window keeps its draw counts.
        SettingsStore* settings = nullptr;
    };

    // seekWindowOpen is the process-wide SeekWindowOpen; mainWindow parents every window.
    ToolWindows(const CardDatabase& db, const Deck& deck, bool& seekWindowOpen, Hooks hooks,
                QWidget* mainWindow);

    void mnuSeek_Click();
    // Graph 0..5 in a fresh dialog.
    void mnuGraph_Click(int index);
    void mnuDraw_Click();
    void mnuOdds_Click();

    // The main window was minimised or restored: the open search window follows it.
    void FollowMainWindow(bool minimised);

    // The search window while it is loaded, else nullptr.
    FrmSeek* SeekWindow() const { return seek_; }

protected:
    // Shows a dialog modally; tests answer it without blocking.
    virtual void RunModal(QDialog& dialog);

private:
    const CardDatabase& db_;
    const Deck& deck_;
    bool& seekWindowOpen_;
    Hooks hooks_;
    QWidget* mainWindow_;
    QPointer<FrmSeek> seek_;
};

}  // namespace zemlo

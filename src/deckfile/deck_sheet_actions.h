// The file menu's deck sheet commands: print with a preview, save as PDF, save as images.
// Each asks for the names the sheet carries first; the player's name is kept in the
// settings file for next time.
#pragma once

#include <QObject>
#include <QString>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "carddb/card_fields.h"
#include "deckfile/deck_sheet.h"
#include "deckfile/print_output.h"
#include "settings/settings_store.h"

class QAction;
class QDialog;
class QPrinter;
class QWidget;

namespace zemlo {

class DeckDocument;
class FileMenu;

class DeckSheetActions : public QObject {
    Q_OBJECT
public:
    // The sheet shows document's deck; the deck's name offered, and the folder the save
    // dialogs start in, follow the deck file it belongs to.
    DeckSheetActions(SettingsStore& settings, std::filesystem::path programDir,
                     const DeckDocument& document, QWidget* parent);

    // Puts the three commands into menu's sheet section.
    void AddMenuItems(FileMenu& menu);

    void Print();
    void SaveAsPdf();
    void SaveAsImage();

    // The sheet of the current deck after the names dialog; nothing when it was cancelled.
    std::optional<DeckSheet> AskSheet();

    // Prints the sheet on printer. Printing to a PDF file writes that file like a save does,
    // whole and at once, on the paper the print dialog chose.
    bool PrintSheetOn(QPrinter& printer, const DeckSheet& sheet);

    // Write the sheet to path (".pdf" or ".png" added where it does not end so). False, after
    // telling the player, when a file could not be written; an existing file then stays. The
    // images replace each page by itself: when one fails, the player is told which pages are
    // new and which are still those of before. The further pages of an earlier, longer sheet
    // of that name are named in the question before and removed only when the player agrees.
    bool SaveSheetPdf(const DeckSheet& sheet, const QString& path);
    bool SaveSheetImages(const DeckSheet& sheet, const QString& path);

    QAction* printSheetItem = nullptr;
    QAction* sheetPdfItem = nullptr;
    QAction* sheetImageItem = nullptr;

protected:
    // Shows a dialog modally and returns its result; tests answer it without blocking.
    virtual int RunModal(QDialog& dialog);

private:
    void DeckFileChanged(const QString& path);
    // The deck's folder and name with extension, as the save dialogs and "print to file"
    // offer them.
    QString OfferedPath(const QString& extension) const;
    // The save dialog's answer with the extension, or "" when cancelled.
    QString AskSheetFile(const QString& title, const QString& filter, const QString& extension);

    SettingsStore& settings_;
    std::filesystem::path programDir_;
    const DeckDocument& document_;
    QWidget* parentWidget_;
    // The deck name last given, offered again until another deck file is saved or opened.
    std::u16string deckName_;
    PrintOutput output_;
};

}  // namespace zemlo

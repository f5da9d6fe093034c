// The file menu's proxy commands: "ﾌﾟﾛｷｼを印刷..." shows the proxy sheet of the deck in the
// print preview the deck sheet uses, "ﾌﾟﾛｷｼをPDFで保存..." saves it as an A4 PDF through the
// same file layer. The images of the deck's cards are decoded on the loader's thread first,
// while the window keeps answering; a progress window with a cancel button shows when that
// takes a moment.
#pragma once

#include <QObject>
#include <QString>
#include <filesystem>
#include <optional>

#include "carddb/card_database.h"
#include "deck/deck.h"
#include "deckfile/print_output.h"
#include "images/proxy_pages.h"

class QAction;
class QDialog;
class QWidget;

namespace zemlo {

class FileMenu;
class ImageFolder;
class ImageLoader;

class ProxySheetActions : public QObject {
    Q_OBJECT
public:
    ProxySheetActions(const CardDatabase& db, const Deck& deck, ImageFolder& folder,
                      ImageLoader& loader, std::filesystem::path programDir, QWidget* parent);

    // Puts the two commands into menu's proxy section, a group of their own after the sheet.
    void AddMenuItems(FileMenu& menu);

    void Print();
    void SaveAsPdf();

    // The deck's proxies with the images of its cards; nothing when the deck is empty (the
    // player is told) or the player cancelled. Images that cannot be read are told once and
    // give way to the card's drawn face.
    std::optional<ProxyPages> MakeSheet();

    // Writes the sheet to path (".pdf" added where it does not end so). False, after telling
    // the player, when the file could not be written.
    bool SaveSheetPdf(const ProxyPages& sheet, const QString& path);

    QAction* printItem = nullptr;
    QAction* pdfItem = nullptr;

protected:
    // Shows a dialog modally and returns its result; tests answer it without blocking.
    virtual int RunModal(QDialog& dialog);

private:
    const CardDatabase& db_;
    const Deck& deck_;
    ImageFolder& folder_;
    ImageLoader& loader_;
    std::filesystem::path programDir_;
    QWidget* parentWidget_;
    PrintOutput output_;
    bool making_ = false;
};

}  // namespace zemlo

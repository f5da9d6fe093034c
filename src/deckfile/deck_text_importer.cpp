#include "deckfile/deck_text_importer.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QStringList>

#include "deck/deck_history.h"
#include "deckfile/file_menu.h"
#include "platform/busy_cursor.h"
#include "platform/dialog_service.h"

namespace zemlo {
namespace {

void AppendList(QString& text, const QString& heading, const std::vector<std::u16string>& items) {
    if (items.empty()) return;
    text += QStringLiteral("\n\n") + heading;
    const int count = static_cast<int>(items.size());
    for (int i = 0; i < count && i < DeckTextImporter::kListedLines; ++i) {
        text += QLatin1Char('\n') + QString::fromStdU16String(items[static_cast<size_t>(i)]);
    }
    if (count > DeckTextImporter::kListedLines) {
        text += QStringLiteral("\nほか%1行").arg(count - DeckTextImporter::kListedLines);
    }
}

}  // namespace

DeckTextImporter::DeckTextImporter(const CardDatabase& db, DeckHistory& history, QWidget* parent)
    : QObject(parent), matcher_(db), history_(history), parentWidget_(parent) {
    importItem = new QAction(QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞからﾃﾞｯｷﾃﾞｰﾀを取り込む(&I)"), this);
    importItem->setObjectName("mnuImport");
    connect(importItem, &QAction::triggered, this, &DeckTextImporter::ImportFromClipboard);
}

void DeckTextImporter::AddMenuItem(FileMenu& menu) {
    menu.Add(FileMenuSection::DeckText, importItem);
}

void DeckTextImporter::ImportFromClipboard() {
    ImportText(QGuiApplication::clipboard()->text());
}

void DeckTextImporter::ImportText(const QString& text) {
    DeckTextImport result;
    {
        BusyCursor busy;
        result = matcher_.Match(text.toStdU16String());
    }
    if (result.matchedLines == 0) {
        Report(result);
        return;
    }
    if (replaceGuard_ && !replaceGuard_()) return;
    {
        BusyCursor busy;
        history_.ApplyDeckEdit(ReplaceDeckEdit(history_.CurrentDeck(), result.deck));
    }
    emit deckImported();
    Report(result);
}

void DeckTextImporter::Report(const DeckTextImport& result) {
    QString text;
    QMessageBox::Icon icon = QMessageBox::Information;
    if (result.matchedLines == 0) {
        icon = QMessageBox::Warning;
        text = QStringLiteral(
            "ｸﾘｯﾌﾟﾎﾞｰﾄﾞにｶｰﾄﾞと一致する行がありませんでした。ﾃﾞｯｷは変更していません。");
    } else {
        text = QStringLiteral("ﾃﾞｯｷﾃﾞｰﾀを取り込みました。");
        const std::u16string leftOut = LeftOutText(result.leftOut);
        if (!leftOut.empty()) text += QLatin1Char('\n') + QString::fromStdU16String(leftOut);
    }
    AppendList(text, QStringLiteral("どのｶｰﾄﾞとも一致しなかった行:"), result.unmatchedLines);
    AppendList(text, QStringLiteral("複数のｶｰﾄﾞに一致した名称（表の最初のｶｰﾄﾞを取り込みました）:"),
               result.ambiguousNames);
    Dialogs().Message(parentWidget_, icon, ApplicationTitle(), text, QMessageBox::Ok);
}

}  // namespace zemlo

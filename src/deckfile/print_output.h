// The print preview and the files of a printout, shared by every command that prints: the
// preview with the desktop's print dialog behind its printer button, the save dialog that
// offers a name, the question before a file the dialog did not ask about is replaced, and
// the atomic write through the file layer that tells the player when it failed.
#pragma once

#include <QString>
#include <functional>
#include <vector>

class QByteArray;
class QDialog;
class QPrinter;
class QWidget;

namespace zemlo {

class PrintedPages;
struct FileStatus;

class PrintOutput {
public:
    // Shows a dialog modally and returns its result; tests answer it without blocking.
    using RunModal = std::function<int(QDialog&)>;

    // what names the printout in messages ("ﾃﾞｯｷｼｰﾄ").
    PrintOutput(QWidget* parent, QString what, RunModal runModal);

    // Shows pages in a print preview window (objectName name) with title, on A4 paper; its
    // printer button prints them (PrintOn). offeredFile, where given, is the file the print
    // dialog's "print to file" offers; a printer of the desktop stays the one chosen first.
    void Preview(const PrintedPages& pages, const char* name, const QString& title,
                 const QString& offeredFile = QString());

    // Prints pages on printer. Printing to a PDF file writes that file like a save does,
    // whole and at once, on the paper the print dialog chose. False, after telling the
    // player, when the file could not be written.
    bool PrintOn(QPrinter& printer, const PrintedPages& pages);

    // The save dialog's answer, blanks trimmed, or "" when cancelled; offered is the folder
    // and file name it starts with, extension (".pdf") what a name typed without one gets.
    QString AskFile(const QString& title, const QString& filter, const QString& extension,
                    const QString& offered);

    // Asks before files the save dialog did not ask about are replaced; true when none of
    // paths exists or the player agreed.
    bool MayReplace(const QString& chosen, const std::vector<QString>& paths);

    // Writes bytes to path through the file layer; false, after telling the player, when it
    // could not be written (an existing file then stays as it was).
    bool Write(const QString& path, const QByteArray& bytes);

    // Saves the pages render makes, one file each at paths, after asking as MayReplace does.
    // leftOver are further pages of an earlier, longer printout of that name: the question
    // names them and they are removed only when the player agrees. Each page replaces its file
    // by itself; when one fails, the player is told which pages are new and which are still
    // those of before, and nothing is removed. False when cancelled or a page failed.
    bool SavePages(const QString& chosen, const std::vector<QString>& paths,
                   const std::vector<QString>& leftOver,
                   const std::function<std::vector<QByteArray>()>& render);

private:
    enum class LeftOverPages { Keep, Remove, Cancel };
    // MayReplace's question when an earlier printout's further pages would be left: saving or
    // not, and whether those go.
    LeftOverPages AskAboutLeftOverPages(const QString& chosen, const std::vector<QString>& paths,
                                        const std::vector<QString>& leftOver);
    // What a save of the pages at paths leaves when page failed could not be written: the
    // pages written, those still of an earlier printout, those missing; "" for one page.
    QString PagesNote(const std::vector<QString>& paths, std::size_t failed) const;
    // Tells that path could not be written and why, with note after the reason.
    void TellNotSaved(const QString& path, const FileStatus& status, const QString& note);

    QWidget* parent_;
    QString what_;
    RunModal runModal_;
};

}  // namespace zemlo

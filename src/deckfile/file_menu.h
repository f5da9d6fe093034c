// The ﾌｧｲﾙ menu, built in one place: each feature adds its items to a section, and the
// sections keep their order whoever adds first. A separator stands between two sections that
// hold items, so a section that is empty (the recent files before any deck file was opened)
// leaves the menu as it would be without it.
#pragma once

#include <QList>
#include <QObject>
#include <array>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace zemlo {

enum class FileMenuSection {
    DeckFile,     // open and save, the deck library
    OutputItems,  // the output-items dialog
    DeckText,     // the deck as text, to and from the clipboard
    Sheet,        // the printable deck sheet
    ProxySheet,   // the proxy sheet of the card images
    Recent,       // the deck files opened or saved last
    Exit,
};

class FileMenu : public QObject {
    Q_OBJECT
public:
    // Adds the menu "ﾌｧｲﾙ(&F)" (mnuFile) at the end of bar.
    explicit FileMenu(QMenuBar* bar);

    QMenu* Menu() const { return menu_; }

    // Puts item at the end of section.
    void Add(FileMenuSection section, QAction* item);
    // "終了(&X)" (mnuExit), the last item: closes window.
    void AddExitItem(QWidget* window);
    // Takes item out of the menu; it stays its owner's.
    void Remove(QAction* item);

private:
    static constexpr std::size_t kSections = static_cast<std::size_t>(FileMenuSection::Exit) + 1;

    // Lays the menu out again: every section's items in order, separators between them.
    void Arrange();

    QMenu* menu_;
    std::array<QList<QAction*>, kSections> items_;
    std::array<QAction*, kSections> separators_{};
};

}  // namespace zemlo

// What a screen reader gets from a combo box. Qt on Linux reports a combo box's current
// text as its name and leaves its label to a "labelled by" relation, so a range box reads
// as "0" and its given name ("ロール 下限") never reaches the reader. Ours reports the
// given name as the name and the current text as the value and as its text, which is
// where a Linux reader looks for the value of a box it has a name for.
#pragma once

#include <QAccessibleWidget>

class QComboBox;

namespace zemlo {

class ComboBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ComboBoxAccessible(QComboBox* box);

    void* interface_cast(QAccessible::InterfaceType type) override;
    // The given name, else the caption of the label whose buddy the box is, else the
    // title of its frame, else the current text, as Qt itself would report it.
    QString text(QAccessible::Text kind) const override;
    // The drop-down list, and for an editable box its line edit, as Qt's own has them.
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    // Opens or closes the list; the widget's own actions (taking the focus) stay.
    QStringList actionNames() const override;
    void doAction(const QString& action) override;

    // The current text, read-only.
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    QComboBox* Box() const;
    QString CurrentText() const;
};

// Makes every combo box of the program answer screen readers through ComboBoxAccessible.
// Call once the QApplication exists; calling again does nothing.
void InstallComboBoxAccessibility();

}  // namespace zemlo

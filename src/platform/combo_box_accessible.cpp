#include "platform/combo_box_accessible.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace zemlo {
namespace {

// A label's caption as spoken: without the "&" that marks its shortcut ("&&" is an "&").
QString Spoken(const QString& caption) {
    QString spoken;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') ++i;
        if (i < caption.size()) spoken += caption[i];
    }
    return spoken;
}

// The caption that labels box: a label beside it whose buddy it is, else its frame's title.
QString LabelOf(const QComboBox* box) {
    const QWidget* parent = box->parentWidget();
    if (parent == nullptr) return {};
    for (const QObject* sibling : parent->children()) {
        const auto* label = qobject_cast<const QLabel*>(sibling);
        if (label != nullptr && label->buddy() == box) return Spoken(label->text());
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(parent)) return Spoken(frame->title());
    return {};
}

QAccessibleInterface* ComboBoxFactory(const QString& className, QObject* object) {
    // Asked for each class of an object in turn, most derived first: a subclass without an
    // interface of its own (the file dialog's folder box) gets this one too.
    if (className == QLatin1String("QComboBox") && object != nullptr && object->isWidgetType()) {
        if (auto* box = qobject_cast<QComboBox*>(object)) return new ComboBoxAccessible(box);
    }
    return nullptr;
}

}  // namespace

ComboBoxAccessible::ComboBoxAccessible(QComboBox* box)
    : QAccessibleWidget(box, QAccessible::ComboBox) {}

QComboBox* ComboBoxAccessible::Box() const {
    return static_cast<QComboBox*>(widget());
}

QString ComboBoxAccessible::CurrentText() const {
    QComboBox* box = Box();
    if (box->isEditable() && box->lineEdit() != nullptr) return box->lineEdit()->text();
    return box->currentText();
}

void* ComboBoxAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString ComboBoxAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Value) return CurrentText();
    if (kind == QAccessible::Name) {
        QString name = QAccessibleWidget::text(QAccessible::Name);
        if (name.isEmpty()) name = LabelOf(Box());
        return name.isEmpty() ? CurrentText() : name;
    }
    return QAccessibleWidget::text(kind);
}

int ComboBoxAccessible::childCount() const {
    return Box()->isEditable() ? 2 : 1;
}

QAccessibleInterface* ComboBoxAccessible::child(int index) const {
    if (index == 0) return QAccessible::queryAccessibleInterface(Box()->view());
    if (index == 1 && Box()->isEditable()) {
        return QAccessible::queryAccessibleInterface(Box()->lineEdit());
    }
    return nullptr;
}

int ComboBoxAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (child == nullptr) return -1;
    if (child->object() == Box()->view()) return 0;
    if (Box()->isEditable() && child->object() == Box()->lineEdit()) return 1;
    return -1;
}

QStringList ComboBoxAccessible::actionNames() const {
    // Opening the list, and the widget's own (taking the focus, which a reader asks for).
    return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
}

void ComboBoxAccessible::doAction(const QString& action) {
    if (action != showMenuAction() && action != pressAction()) {
        QAccessibleWidget::doAction(action);
    } else if (Box()->view()->isVisible()) {
        Box()->hidePopup();
    } else {
        Box()->showPopup();
    }
}

QString ComboBoxAccessible::text(int startOffset, int endOffset) const {
    const QString current = CurrentText();
    startOffset = qBound(0, startOffset, static_cast<int>(current.size()));
    endOffset = endOffset < 0 ? static_cast<int>(current.size())
                              : qBound(startOffset, endOffset, static_cast<int>(current.size()));
    return current.mid(startOffset, endOffset - startOffset);
}

int ComboBoxAccessible::characterCount() const {
    return static_cast<int>(CurrentText().size());
}

int ComboBoxAccessible::cursorPosition() const {
    return 0;
}

void ComboBoxAccessible::setCursorPosition(int) {}

void ComboBoxAccessible::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}

int ComboBoxAccessible::selectionCount() const {
    return 0;
}

void ComboBoxAccessible::addSelection(int, int) {}
void ComboBoxAccessible::removeSelection(int) {}
void ComboBoxAccessible::setSelection(int, int, int) {}

QRect ComboBoxAccessible::characterRect(int) const {
    return {};
}

int ComboBoxAccessible::offsetAtPoint(const QPoint&) const {
    return -1;
}

void ComboBoxAccessible::scrollToSubstring(int, int) {}

QString ComboBoxAccessible::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void InstallComboBoxAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(ComboBoxFactory);
}

}  // namespace zemlo

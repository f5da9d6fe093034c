// What a screen reader gets from a combo box once the program's interface answers for it:
// the name a player can tell the box by, and the current text as its value.
#include "platform/combo_box_accessible.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace zemlo {
namespace {

QString Heard(QWidget* widget, QAccessible::Text kind) {
    return QAccessible::queryAccessibleInterface(widget)->text(kind);
}

QString TextOf(QWidget* widget) {
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(widget)->textInterface();
    return text ? text->text(0, text->characterCount()) : QStringLiteral("(no text)");
}

TEST(ComboBoxAccessible, NamedByItsNameItsLabelOrItsFrameWithTheCurrentTextAsValue) {
    InstallComboBoxAccessibility();
    QGroupBox frame(QStringLiteral("ロール"));
    auto* named = new QComboBox(&frame);
    named->addItems({QStringLiteral(" 0"), QStringLiteral(" 9")});
    named->setAccessibleName(QStringLiteral("ロール 下限"));
    auto* unnamed = new QComboBox(&frame);
    unnamed->addItem(QStringLiteral("(指定なし)"));
    QWidget dialog;
    auto* caption = new QLabel(QStringLiteral("探す場所(&L):"), &dialog);
    auto* labelled = new QComboBox(&dialog);
    labelled->addItem(QStringLiteral("/home"));
    caption->setBuddy(labelled);
    QComboBox alone;
    alone.addItem(QStringLiteral("PDF (*.pdf)"));

    EXPECT_EQ(Heard(named, QAccessible::Name), QStringLiteral("ロール 下限"));
    EXPECT_EQ(Heard(unnamed, QAccessible::Name), QStringLiteral("ロール"));
    EXPECT_EQ(Heard(labelled, QAccessible::Name), QStringLiteral("探す場所(L):"));
    // With nothing to go by, the box is heard as Qt itself would have it.
    EXPECT_EQ(Heard(&alone, QAccessible::Name), QStringLiteral("PDF (*.pdf)"));

    named->setCurrentIndex(1);
    EXPECT_EQ(Heard(named, QAccessible::Value), QStringLiteral(" 9"));
    EXPECT_EQ(TextOf(named), QStringLiteral(" 9"));
    EXPECT_EQ(TextOf(unnamed), QStringLiteral("(指定なし)"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(named)->role(), QAccessible::ComboBox);

    // A reader moves the focus to the box through the widget's own action.
    frame.show();
    QAccessibleActionInterface* actions =
        QAccessible::queryAccessibleInterface(unnamed)->actionInterface();
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::setFocusAction()));
    actions->doAction(QAccessibleActionInterface::setFocusAction());
    EXPECT_EQ(frame.focusWidget(), unnamed);
}

TEST(ComboBoxAccessible, AnEditableBoxIsHeardWithWhatIsTypedAndKeepsItsParts) {
    InstallComboBoxAccessibility();
    QComboBox zoom;
    zoom.setEditable(true);
    zoom.addItems({QStringLiteral("100%"), QStringLiteral("200%")});
    zoom.setAccessibleName(QStringLiteral("倍率"));
    zoom.lineEdit()->setText(QStringLiteral("72.3%"));
    EXPECT_EQ(Heard(&zoom, QAccessible::Name), QStringLiteral("倍率"));
    EXPECT_EQ(TextOf(&zoom), QStringLiteral("72.3%"));
    // The drop-down list and the line edit, for a reader that opens the box.
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(&zoom);
    ASSERT_EQ(box->childCount(), 2);
    EXPECT_EQ(box->child(0)->object(), zoom.view());
    EXPECT_EQ(box->indexOfChild(box->child(1)), 1);
    EXPECT_EQ(box->child(1)->object(), zoom.lineEdit());
}

}  // namespace
}  // namespace zemlo

// The question before a changed deck would be lost (closing the program, opening another
// deck): save it, drop it, or stay. An unchanged deck passes without a question.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace zemlo {

class UnsavedDeckGuard {
public:
    // isChanged tells whether the deck differs from the one last saved or opened; save runs
    // the save command and tells whether the deck file was written.
    UnsavedDeckGuard(std::function<bool()> isChanged, std::function<bool()> save, QWidget* parent);

    static QString Question() { return QStringLiteral("ﾃﾞｯｷが変更されています。保存しますか？"); }

    // True when the deck may be replaced or dropped: it is unchanged, the player chose
    // いいえ, or chose はい and the save succeeded. ｷｬﾝｾﾙ, a cancelled save and a failed save
    // give false.
    bool MayDiscardDeck() const;

private:
    std::function<bool()> isChanged_;
    std::function<bool()> save_;
    QWidget* parent_;
};

}  // namespace zemlo

#include "deckfile/unsaved_deck_guard.h"

#include "platform/dialog_service.h"

namespace zemlo {

UnsavedDeckGuard::UnsavedDeckGuard(std::function<bool()> isChanged, std::function<bool()> save,
                                   QWidget* parent)
    : isChanged_(std::move(isChanged)), save_(std::move(save)), parent_(parent) {}

bool UnsavedDeckGuard::MayDiscardDeck() const {
    if (!isChanged_()) return true;
    switch (Dialogs().AskYesNoCancel(parent_, ApplicationTitle(), Question())) {
        case QMessageBox::Yes:
            return save_();
        case QMessageBox::No:
            return true;
        default:
            return false;
    }
}

}  // namespace zemlo

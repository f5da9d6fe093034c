#include "deck/deck_document.h"

namespace zemlo {

DeckDocument::DeckDocument(QObject* parent) : QObject(parent), history_(deck_) {}

void DeckDocument::MarkSaved(const QString& path) {
    history_.MarkSaved();
    fileName_ = path;
    emit fileChanged(path);
}

}  // namespace zemlo

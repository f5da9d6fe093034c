#include "deck/deck_document.h"

#include "platform/path_text.h"
#include "platform/qt_paths.h"

namespace zemlo {

DeckDocument::DeckDocument(QObject* parent) : QObject(parent), history_(deck_) {}

void DeckDocument::MarkSaved(const QString& path) {
    history_.MarkSaved();
    // A relative name would move with the working folder.
    fileName_ = path.isEmpty() ? QString() : PathQString(AbsolutePath(PathOf(path)));
    emit fileChanged(path);
}

void DeckDocument::ForgetFile() {
    if (fileName_.isEmpty()) return;
    fileName_.clear();
    emit fileChanged(QString());
}

}  // namespace zemlo

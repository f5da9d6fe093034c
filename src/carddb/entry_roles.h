// What a card list's model hands a view of an entry beyond the text it shows: a view's
// helpers (pictures, marks) ask for the card by role instead of reading the text back.
#pragma once

#include <QModelIndex>
#include <QString>
#include <Qt>
#include <string>

namespace zemlo {

// The entry's whole card number, as a QString.
inline constexpr int kCardNoRole = Qt::UserRole + 1;

// The whole card number of the entry at index; "" where the model has no entries.
inline std::u16string CardNoAt(const QModelIndex& index) {
    return index.data(kCardNoRole).toString().toStdU16String();
}

}  // namespace zemlo

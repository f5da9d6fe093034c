// Cell texts of the deck file come from card data made by others (ORVEL.dat among them), so
// every cell is escaped: no card text can add markup or script to a page the player opens
// in a browser, and no card number can hide the end of its cell from the reader.
#pragma once

#include <string>
#include <string_view>

namespace zemlo {

// "&", "<", ">" and '"' as "&amp;", "&lt;", "&gt;" and "&quot;".
std::u16string EscapeHtml(std::u16string_view text);

// The four escapes above back into their characters; any other "&" text stays as it is.
std::u16string UnescapeHtml(std::u16string_view text);

}  // namespace zemlo

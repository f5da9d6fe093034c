// Compatibility normalisation (NFKC) through Qt, for the name search's folding.
#pragma once

#include <string>
#include <string_view>

namespace zemlo {

std::u16string NfkcThroughQt(std::u16string_view text);

}  // namespace zemlo

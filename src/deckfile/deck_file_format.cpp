#include "deckfile/deck_file_format.h"

namespace zemlo {
namespace {

bool EndsWithNoCase(std::u16string_view text, std::u16string_view upperSuffix) {
    if (text.size() < upperSuffix.size()) return false;
    text = text.substr(text.size() - upperSuffix.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c >= u'a' && c <= u'z') c = c - u'a' + u'A';
        if (c != upperSuffix[i]) return false;
    }
    return true;
}

}  // namespace

DeckFileType DeckFileTypeOf(std::u16string_view path) {
    if (EndsWithNoCase(path, u"HTM") || EndsWithNoCase(path, u"HTML")) return DeckFileType::Html;
    if (EndsWithNoCase(path, u"CSV")) return DeckFileType::Csv;
    return DeckFileType::None;
}

DeckSaveTarget DeckSaveTargetOf(std::u16string_view path) {
    DeckSaveTarget target;
    target.path = std::u16string(path);
    target.type = DeckFileTypeOf(path);
    if (target.type != DeckFileType::None || IsBlankPath(path)) return target;
    // The file name is what follows the last separator; a dot that starts it names a hidden
    // file rather than an extension.
    const size_t separator = path.find_last_of(u"/\\");
    const size_t nameStart = separator == std::u16string_view::npos ? 0 : separator + 1;
    const std::u16string_view name = path.substr(nameStart);
    if (!name.empty() && name.find(u'.', 1) == std::u16string_view::npos) {
        target.path += u".htm";
        target.type = DeckFileType::Html;
        target.extensionAdded = true;
        return target;
    }
    target.refused = true;
    return target;
}

std::u16string OfferedDeckFileName(int month, int day) {
    auto twoDigits = [](int n) {
        std::u16string s;
        s += static_cast<char16_t>(u'0' + (n / 10) % 10);
        s += static_cast<char16_t>(u'0' + n % 10);
        return s;
    };
    return u"ZM" + twoDigits(month) + twoDigits(day);
}

bool IsBlankPath(std::u16string_view text) {
    return text.find_first_not_of(u' ') == std::u16string_view::npos;
}

}  // namespace zemlo

#include "deckfile/html_escape.h"

namespace zemlo {
namespace {

struct Escape {
    char16_t plain;
    std::u16string_view escaped;
};

constexpr Escape kEscapes[] = {
    {u'&', u"&amp;"}, {u'<', u"&lt;"}, {u'>', u"&gt;"}, {u'"', u"&quot;"}};

}  // namespace

std::u16string EscapeHtml(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char16_t c : text) {
        bool replaced = false;
        for (const Escape& e : kEscapes) {
            if (c == e.plain) {
                out += e.escaped;
                replaced = true;
                break;
            }
        }
        if (!replaced) out += c;
    }
    return out;
}

std::u16string UnescapeHtml(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        bool replaced = false;
        if (text[i] == u'&') {
            for (const Escape& e : kEscapes) {
                if (text.substr(i, e.escaped.size()) == e.escaped) {
                    out += e.plain;
                    i += e.escaped.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced) out += text[i++];
    }
    return out;
}

}  // namespace zemlo

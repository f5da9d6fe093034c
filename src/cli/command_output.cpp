#include "cli/command_output.h"

#include "platform/code_page.h"

namespace zemlo {

void CommandOutput::Tell(std::u16string_view message) {
    err += "zemlo-deck: ";
    err += ToUtf8(message);
    err += '\n';
}

void CommandOutput::TellAbout(const std::filesystem::path& path, std::u16string_view message) {
    err += "zemlo-deck: ";
    // A name with a line break must not break the message in two, as ls -q shows it.
    for (char c : path.native()) {
        err += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
    }
    err += ": ";
    err += ToUtf8(message);
    err += '\n';
}

std::u16string CauseText(const FileStatus& status) {
    return u"（" + FileErrorText(status) + u"）";
}

}  // namespace zemlo

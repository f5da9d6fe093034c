// What a command hands back to the shell: the bytes for the output and the error output, in
// UTF-8 whatever the locale, and the exit status. Commands build it whole; the program's
// start writes it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/file_io.h"

namespace zemlo {

// Every deck OK; a deck breaks a rule or names cards the card data lacks; the command line
// was wrong or a file could not be read or written.
inline constexpr int kStatusOk = 0;
inline constexpr int kStatusDeckNotOk = 1;
inline constexpr int kStatusTrouble = 2;

struct CommandOutput {
    std::string out;
    std::string err;
    int status = kStatusOk;

    // Keeps the gravest status.
    void Raise(int to) {
        if (to > status) status = to;
    }
    // One line on the error output: "zemlo-deck: " and the message.
    void Tell(std::u16string_view message);
    // The same about a file: "zemlo-deck: PATH: message", the path's bytes as they are but
    // for control characters, each shown as "?".
    void TellAbout(const std::filesystem::path& path, std::u16string_view message);
};

// Why a file operation failed, in parentheses: "（ファイルがありません）".
std::u16string CauseText(const FileStatus& status);

}  // namespace zemlo

// Paths are bytes, as the file system gives them: a folder unpacked from a Windows machine's
// archive may be named in CP932, which is no UTF-8. Every path from outside (a dialog, the
// command line, a drop, the library, the settings file) stays a std::filesystem::path of
// those bytes; where text must carry one (a Qt string, a signal, a menu), PathText carries it
// without loss and PathOfText gives the same bytes back. Nothing here throws for any bytes.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zemlo {

// The path as UTF-16 text without loss: valid UTF-8 decoded, and each byte of a sequence that
// is no UTF-8 as the lone surrogate U+DC00 + byte, which no valid UTF-8 can give.
std::u16string PathText(const std::filesystem::path& path);

// The bytes PathText was made from; for text from elsewhere, its UTF-8 (a lone surrogate of
// another kind as the three bytes UTF-8 would give it).
std::filesystem::path PathOfText(std::u16string_view text);

// The path for the player to read: each name that is UTF-8 as it is; a name that is not but
// reads as CP932 decoded as CP932; any other byte that is no UTF-8 as "\xNN". Control
// characters are shown as "\xNN" too, so a name can neither break a line nor steer a
// terminal.
std::u16string ShownPath(const std::filesystem::path& path);

// Whether the bytes are UTF-8.
bool IsUtf8(std::string_view bytes);

// The path made absolute against the working folder, "." and ".." taken out by its names
// alone (no link is followed), or the path as it is where there is no working folder.
std::filesystem::path AbsolutePath(const std::filesystem::path& path);

}  // namespace zemlo

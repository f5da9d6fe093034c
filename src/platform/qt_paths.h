// Paths in Qt strings. Qt reads every file name as UTF-8 and puts U+FFFD for a byte it cannot
// read, so a path through QString, QFileInfo or QUrl::toLocalFile loses a name in CP932 for
// good. Here a path rides in a QString as PathText does it, without loss, and only these
// functions turn one into the other; Qt's own file classes never see such a string.
#pragma once

#include <QString>
#include <filesystem>

class QUrl;

namespace zemlo {

// The path in a QString without loss, and back.
QString PathQString(const std::filesystem::path& path);
std::filesystem::path PathOf(const QString& text);

// The path for the player to read (ShownPath): in messages, menus, lists and tool tips.
QString ShownPathText(const std::filesystem::path& path);
// The same for a path carried in a QString.
QString ShownPathText(const QString& path);

// The local file a URL names (a drop), with the bytes its percent escapes carry; empty when
// the URL names no local file.
std::filesystem::path LocalFileOf(const QUrl& url);

// Path as Qt's own classes may be given it: the path where every name is UTF-8, otherwise
// the deepest folder above it whose names all are (for a dialog to start in), or "".
QString QtReadablePath(const std::filesystem::path& path);

}  // namespace zemlo

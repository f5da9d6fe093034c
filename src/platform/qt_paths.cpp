#include "platform/qt_paths.h"

#include <QByteArray>
#include <QFile>
#include <QUrl>

#include "platform/path_text.h"

namespace zemlo {

QString PathQString(const std::filesystem::path& path) {
    return QString::fromStdU16String(PathText(path));
}

std::filesystem::path PathOf(const QString& text) {
    return PathOfText(text.toStdU16String());
}

QString ShownPathText(const std::filesystem::path& path) {
    return QString::fromStdU16String(ShownPath(path));
}

QString ShownPathText(const QString& path) {
    return ShownPathText(PathOf(path));
}

std::filesystem::path LocalFileOf(const QUrl& url) {
    if (!url.isLocalFile()) return {};
    // The encoded form keeps every byte of the name as a percent escape.
    return std::filesystem::path(
        QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString());
}

QString QtReadablePath(const std::filesystem::path& path) {
    std::filesystem::path readable = path;
    while (!readable.empty() && !IsUtf8(readable.native())) {
        const std::filesystem::path parent = readable.parent_path();
        if (parent == readable) return {};
        readable = parent;
    }
    return QFile::decodeName(QByteArray::fromStdString(readable.native()));
}

}  // namespace zemlo

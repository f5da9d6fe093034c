#include "platform/qt_paths.h"

#include <QByteArray>
#include <QFile>
#include <QUrl>

#include "platform/file_io.h"
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

std::filesystem::path PathFromQt(const QString& qtPath) {
    const std::filesystem::path given(QFile::encodeName(qtPath).toStdString());
    if (!qtPath.contains(QChar(0xFFFD))) return given;
    std::filesystem::path found;
    for (const std::filesystem::path& part : given) {
        const QString name = QFile::decodeName(QByteArray::fromStdString(part.native()));
        if (!name.contains(QChar(0xFFFD))) {
            found /= part;
            continue;
        }
        std::vector<std::string> entries;
        ListFolder(found.empty() ? std::filesystem::path(".") : found, entries);
        const std::string* match = nullptr;
        int matches = 0;
        for (const std::string& entry : entries) {
            if (QFile::decodeName(QByteArray::fromStdString(entry)) == name) {
                match = &entry;
                ++matches;
            }
        }
        found /= matches == 1 ? std::filesystem::path(*match) : part;
    }
    return found;
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

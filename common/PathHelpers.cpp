#include "PathHelpers.h"

#include "RuntimeError.h"
#include "VisibleText.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <sys/stat.h>

bool IsFilePresent(const QString &path)
{
    struct stat info;
    return !path.isEmpty() && ::stat(FileNameBytes(path).constData(), &info) == 0;
}

bool IsFolderPresent(const QString &path)
{
    struct stat info;
    return !path.isEmpty() && ::stat(FileNameBytes(path).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

QString FileNameFromPath(const QString &path, QChar separator)
{
    // lastIndexOf answers -1 when there is no separator, which yields the whole text.
    return path.mid(path.lastIndexOf(separator) + 1);
}

namespace {

// One left-to-right pass without overlap: each pair of adjacent separators
// becomes one, so a run of n becomes n - n/2.
QString CollapsePairs(QStringView text, QChar separator)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        result += text[i];
        if (text[i] == separator && i + 1 < text.size() && text[i + 1] == separator)
            ++i;
    }
    return result;
}

} // namespace

QString CollapseBackslashes(const QString &path, QChar separator)
{
    if (!path.startsWith(separator))
        return CollapsePairs(path, separator);
    qsizetype first = 1;
    while (first < path.size() && path[first] == separator)
        ++first;
    // A leading "\\" opens a network path and is kept as a pair. Native paths
    // have no such prefix: there a leading run is just the root, and a doubled
    // root would make the same file look like two different rows.
    const qsizetype prefix = separator == NativeSeparator ? 1 : 2;
    return QString(prefix, separator) + CollapsePairs(QStringView(path).mid(first), separator);
}

namespace {

constexpr int DesktopFolder = 0;
constexpr qsizetype SpecialFolderBuffer = 512;

// The XDG desktop folder where it exists; a desktop without one (servers,
// minimal sessions) has the home folder play that part.
QString DesktopFolderPath()
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!desktop.isEmpty() && IsFolderPresent(desktop))
        return desktop;
    const QString home = QDir::homePath();
    if (!home.isEmpty() && IsFolderPresent(home))
        return home;
    return QString();
}

} // namespace

QString GetSpecialFolderPath(int folder)
{
    if (folder != DesktopFolder)
        return QString();
    QString path = DesktopFolderPath();
    if (path.isEmpty())
        return QString();
    // Callers cut at the NUL; the blank padding mirrors the fixed buffer they expect.
    path += QChar(u'\0');
    if (path.size() < SpecialFolderBuffer)
        path += QString(SpecialFolderBuffer - path.size(), QChar(u' '));
    return path;
}

QString GetDesktopFolder()
{
    const QString buffer = GetSpecialFolderPath(DesktopFolder);
    const qsizetype end = buffer.lastIndexOf(QChar(u'\0'));
    if (end < 0)
        throw RuntimeError(ErrorNumber::InvalidArgument);
    QString folder = buffer.left(end);
    // The root is its own trailing separator.
    if (!folder.endsWith(NativeSeparator))
        folder += NativeSeparator;
    return folder;
}

QString FileNameFromBytes(QByteArrayView bytes)
{
    const std::string_view text(bytes.data(), std::size_t(bytes.size()));
    if (IsValidUtf8(text))
        return QString::fromUtf8(bytes);
    QString name;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1;
        while (length <= 4 && !IsValidUtf8(text.substr(i, length)))
            ++length;
        if (length > 4 || i + length > text.size()) {
            name += QChar(char16_t(0xDC00 + static_cast<unsigned char>(text[i])));
            ++i;
            continue;
        }
        name += QString::fromUtf8(text.data() + i, qsizetype(length));
        i += length;
    }
    return name;
}

QByteArray FileNameBytes(const QString &name)
{
    QByteArray bytes;
    qsizetype from = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t unit = name.at(i).unicode();
        const bool paired = i > 0 && name.at(i - 1).isHighSurrogate();
        if (unit < 0xDC80 || unit > 0xDCFF || paired)
            continue;
        bytes += QStringView(name).mid(from, i - from).toUtf8();
        bytes += char(unit - 0xDC00);
        from = i + 1;
    }
    bytes += QStringView(name).mid(from).toUtf8();
    return bytes;
}

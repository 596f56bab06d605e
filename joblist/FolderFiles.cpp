#include "AddFolder.h"

#include "PathHelpers.h"
#include "Wildcard.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool matchFrom(const QList<uint> &name, const QList<uint> &pattern)
{
    return WildcardMatches(name, pattern,
                           [](uint a, uint b) { return QChar::toCaseFolded(a) == QChar::toCaseFolded(b); });
}

bool listingOrder(const QString &a, const QString &b)
{
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

} // namespace

bool WildcardMatch(const QString &name, const QString &pattern)
{
    if (pattern.isEmpty())
        return true;
    const QList<uint> codes = name.toUcs4();
    if (matchFrom(codes, pattern.toUcs4()))
        return true;
    // A trailing ".*" also matches a name without any dot, so "*.*" is every name.
    return pattern.endsWith(QLatin1String(".*")) && matchFrom(codes, pattern.chopped(2).toUcs4());
}

QStringList GetFilesInFolder(const QString &folder, const QString &pattern)
{
    return GetFilesInFolder(folder, QStringList{pattern}, {});
}

QStringList GetFilesInFolder(const QString &folder, const QStringList &patterns, const std::function<void()> &pump,
                             const std::function<bool()> &stop)
{
    const QString prefix = folder.endsWith(NativeSeparator) ? folder : folder + NativeSeparator;
    QStringList names;
    DIR *dir = ::opendir(FileNameBytes(prefix).constData());
    if (!dir)
        return names;
    while (const dirent *entry = ::readdir(dir)) {
        // A folder of a hundred thousand files takes a second or more to
        // list and check; the window is served in the middle of it.
        if (pump)
            pump();
        if (stop && stop())
            break;
        if (entry->d_type == DT_DIR)
            continue;
        // A name that is not UTF-8 is carried byte for byte (see FileNameBytes).
        const QString name = FileNameFromBytes(QByteArrayView(entry->d_name, qsizetype(std::strlen(entry->d_name))));
        if (std::none_of(patterns.begin(), patterns.end(),
                         [&name](const QString &pattern) { return WildcardMatch(name, pattern); }))
            continue;
        if (IsOpenableFile(prefix + name))
            names << name;
    }
    ::closedir(dir);
    // Sorting a hundred thousand names takes most of a tenth of a second;
    // the window is served every thousand comparisons or so.
    if (pump) {
        unsigned comparisons = 0;
        std::sort(names.begin(), names.end(), [&pump, &comparisons](const QString &a, const QString &b) {
            if ((++comparisons & 1023u) == 0)
                pump();
            return listingOrder(a, b);
        });
    } else {
        std::sort(names.begin(), names.end(), listingOrder);
    }
    return names;
}

bool IsOpenableFile(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QByteArray encoded = FileNameBytes(path);
    // Look before opening: opening a device or a FIFO can have side effects.
    struct stat info;
    if (::stat(encoded.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    const int fd = ::open(encoded.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    return regular;
}

bool HasBadNameChars(const QString &name)
{
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar ch = name.at(i);
        const char16_t c = ch.unicode();
        if (c < 32 || (c >= 127 && c <= 159) || c == u'?')
            return true;
        // U+FFFD is what the system's decoding leaves where a name's bytes
        // were not valid UTF-8; such a name cannot be handed back intact.
        if (c == 0xFFFD)
            return true;
        if (ch.isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (ch.isSurrogate())
            return true;
    }
    return false;
}

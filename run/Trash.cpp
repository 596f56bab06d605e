#include "Trash.h"

#include "AfterExtract.h"
#include "SetMove.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QUrl>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString HomeTrash()
{
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty() || !data.startsWith(QLatin1Char('/')))
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return data + QStringLiteral("/Trash");
}

// A folder of the trash, made (only for its owner) when missing.
HeldFolder TrashFolder(const QString &path)
{
    QDir().mkpath(path);
    return HeldFolder::open(QFile::encodeName(path).toStdString());
}

QByteArray InfoText(const std::string &originalPath)
{
    return "[Trash Info]\nPath=" + QUrl::toPercentEncoding(QByteArray::fromStdString(originalPath), "/")
        + "\nDeletionDate=" + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd'T'hh:mm:ss")).toLatin1()
        + "\n";
}

// The records for `names`, each made new (never one that exists): all of
// them, or none and an error (EEXIST when a name is taken).
int WriteRecords(const HeldFolder &info, const std::vector<std::string> &names, const QStringList &paths,
                 std::vector<std::string> &written)
{
    for (size_t i = 0; i < names.size(); ++i) {
        const std::string record = names[i] + ".trashinfo";
        const int fd = ::openat(info.fd(), record.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
        if (fd < 0)
            return errno;
        written.push_back(record);
        std::string name;
        const HeldFolder folder = FolderOf(paths[int(i)], name);
        const QByteArray text = InfoText(folder.currentPath() + "/" + name);
        const bool whole = ::write(fd, text.constData(), size_t(text.size())) == text.size() && ::fsync(fd) == 0;
        const int error = whole ? 0 : (errno ? errno : EIO);
        ::close(fd);
        if (error)
            return error;
    }
    return 0;
}

void RemoveRecords(const HeldFolder &info, std::vector<std::string> &written)
{
    for (const std::string &record : written)
        ::unlinkat(info.fd(), record.c_str(), 0);
    written.clear();
}

} // namespace

QString MoveToTrash(const QStringList &paths)
{
    const QString trash = HomeTrash();
    const HeldFolder files = TrashFolder(trash + QStringLiteral("/files"));
    const HeldFolder info = TrashFolder(trash + QStringLiteral("/info"));
    const auto notMoved = [](const QString &part, int error) {
        return QCoreApplication::translate("AfterExtract", "extracted, but \"%1\" could not be moved to the trash: %2")
            .arg(part, FileErrorWords(error));
    };
    if (!files.held() || !info.held())
        return notMoved(paths.front(), errno);
    SetMove move;
    QString failed;
    if (const int error = move.open(paths, failed))
        return notMoved(failed, error);
    if (const int error = move.prepare(files))
        return notMoved(paths.front(), error);
    // A record is made first, under a name no other record has, and the file
    // then takes the same name in files/.
    int error = EEXIST;
    std::vector<std::string> written;
    for (int n = 1; error == EEXIST && n <= kMostNumberedNames; ++n) {
        const std::vector<std::string> names = NumberedNames(paths, n);
        error = WriteRecords(info, names, paths, written);
        if (!error)
            error = move.place(names);
        if (!error)
            error = move.finish();
        if (error && !move.placed())
            RemoveRecords(info, written);
    }
    return error ? notMoved(paths.front(), error) : QString();
}

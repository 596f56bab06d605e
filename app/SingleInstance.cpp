#include "SingleInstance.h"

#include "HeldFolder.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QLocalSocket>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The reply that tells a later start its paths were taken.
constexpr char Taken = '1';

HeldFolder OpenPrivateFolder(const QString &path)
{
    if (!path.startsWith(QLatin1Char('/')))
        return {};
    HeldFolder folder = HeldFolder::adopt(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    return folder.held() && IsPrivateFolder(folder.fd()) ? std::move(folder) : HeldFolder{};
}

HeldFolder FindMeetingFolder()
{
    if (HeldFolder runtime = OpenPrivateFolder(qEnvironmentVariable("XDG_RUNTIME_DIR")); runtime.held())
        return runtime;
    const QString own = QDir::tempPath() + QStringLiteral("/marrowlyn-%1").arg(getuid());
    // One that is there already is checked like any other.
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    return OpenPrivateFolder(own);
}

// The user on the other end of a connected socket: for a later start the
// one who listens, for the first instance the one who connected.
bool PeerIsThisUser(const QLocalSocket &socket)
{
    ucred peer{};
    socklen_t size = sizeof peer;
    const auto fd = int(socket.socketDescriptor());
    return fd >= 0 && ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && size == sizeof peer
        && peer.uid == getuid();
}

} // namespace

bool IsPrivateFolder(int fd)
{
    struct stat info {};
    return ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid() && (info.st_mode & 077) == 0;
}

QString SingleInstanceName()
{
    static HeldFolder meeting;
    meeting = FindMeetingFolder();
    if (!meeting.held())
        return {};
    return QString::fromStdString(DescriptorPath(meeting.fd())) + QStringLiteral("/marrowlyn.socket");
}

namespace {

QString lockPath(const QString &name)
{
    return QDir::isAbsolutePath(name) ? name + QStringLiteral(".lock")
                                      : QDir::tempPath() + QLatin1Char('/') + name + QStringLiteral(".lock");
}

} // namespace

StartupLock::StartupLock(const QString &name) : m_lock(lockPath(name))
{
    // A start holds it for well under a second; one that does not come back
    // within ten has hung, and starting alone beats not starting.
    m_lock.setStaleLockTime(10000);
    m_lock.tryLock(10000);
}

bool HandOverToRunningInstance(const QString &name, const QStringList &paths, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(timeoutMs) || !PeerIsThisUser(socket))
        return false;
    QDataStream stream(&socket);
    stream << paths;
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    char reply = 0;
    return socket.waitForReadyRead(timeoutMs) && socket.getChar(&reply) && reply == Taken;
}

bool SingleInstanceServer::listen(const QString &name)
{
    QObject::connect(&m_server, &QLocalServer::newConnection, this, &SingleInstanceServer::accept,
                     Qt::UniqueConnection);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (m_server.listen(name))
        return true;
    // Kept to the user, the socket is put in place by a rename that already
    // replaces one a crashed instance left; a name still in use here is
    // stale all the same, since nobody answered on it (the caller tried).
    if (m_server.serverError() != QAbstractSocket::AddressInUseError || !QLocalServer::removeServer(name))
        return false;
    return m_server.listen(name);
}

void SingleInstanceServer::accept()
{
    while (QLocalSocket *socket = m_server.nextPendingConnection()) {
        if (!PeerIsThisUser(*socket)) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            // The list may come in pieces: wait until it is whole.
            QDataStream stream(socket);
            stream.startTransaction();
            QStringList paths;
            stream >> paths;
            if (!stream.commitTransaction())
                return;
            socket->putChar(Taken);
            socket->flush();
            // A relative path would be taken from this window's current
            // folder, not the start's; a start sends only absolute ones.
            paths.removeIf([](const QString &path) { return !path.startsWith(QLatin1Char('/')); });
            m_received(paths);
        });
    }
}

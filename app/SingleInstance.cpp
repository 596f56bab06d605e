#include "SingleInstance.h"

#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>

#include <unistd.h>

namespace {

// The reply that tells a later start its paths were taken.
constexpr char Taken = '1';

}

QString SingleInstanceName()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime + QStringLiteral("/marrowlyn.socket");
    return QStringLiteral("marrowlyn-%1").arg(getuid());
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
    if (!socket.waitForConnected(timeoutMs))
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
            m_received(paths);
        });
    }
}

#include "SingleInstance.h"

#include <QDataStream>
#include <QLocalSocket>

#include <unistd.h>

namespace {

// The reply that tells a later start its paths were taken.
constexpr char Taken = '1';

}

QString SingleInstanceName()
{
    return QStringLiteral("marrowlyn-%1").arg(getuid());
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

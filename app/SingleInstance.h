// One window per user: a later start hands its paths to the window already
// open, which adds them as if they had been dropped on its list.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QString>
#include <QStringList>

#include <functional>

// Where a user's instances meet: a socket in a folder only the user can
// enter, XDG_RUNTIME_DIR when it is one, else marrowlyn-<uid> in the
// temporary folder, made so when missing. Another user could have made that
// one first to catch the paths; a folder that is not the user's own, is open
// to others or is a link is refused, and the name is empty: the start then
// opens a window of its own. The folder checked stays held for the rest of
// the process and the name reaches it through its descriptor, so the socket
// and the start lock are made in that very folder, whatever is renamed since.
QString SingleInstanceName();

// True for a real folder (not a link) owned by this user with no access for
// group or others; checked on the descriptor.
bool IsPrivateFolder(int fd);

// Held by a start from its look for a running instance until it listens
// itself (or has handed over), so two starts at the same moment cannot both
// open windows: the second waits, then finds the first. A lock left by a
// crashed start is taken over.
class StartupLock {
public:
    explicit StartupLock(const QString &name);
    void release() { m_lock.unlock(); }

private:
    QLockFile m_lock;
};

// Gives `paths` to the instance listening under `name`; true once it has
// confirmed them. False when none listens (none runs, or one crashed), the
// one listening is another user's, or it does not answer within
// `timeoutMs`. Blocks; needs no event loop.
bool HandOverToRunningInstance(const QString &name, const QStringList &paths, int timeoutMs = 5000);

// The first instance's side: `received` is called, in the event loop, with
// each later start's absolute paths. Only starts of the same user are heard;
// another user's connection is dropped unanswered.
class SingleInstanceServer : public QObject {
public:
    using Received = std::function<void(const QStringList &)>;
    explicit SingleInstanceServer(Received received) : m_received(std::move(received)) {}
    // Listens under `name`, taking it over from a crashed instance; false
    // when it cannot.
    bool listen(const QString &name);

private:
    void accept();

    QLocalServer m_server;
    Received m_received;
};

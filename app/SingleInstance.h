// One window per user: a later start hands its paths to the window already
// open, which adds them as if they had been dropped on its list.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QString>
#include <QStringList>

#include <functional>

// Where a user's instances meet: a socket in the user's own runtime folder
// (XDG_RUNTIME_DIR), or marrowlyn-<uid> in the temporary folder without one.
QString SingleInstanceName();

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
// confirmed them. False when none listens (none runs, or one crashed) or it
// does not answer within `timeoutMs`. Blocks; needs no event loop.
bool HandOverToRunningInstance(const QString &name, const QStringList &paths, int timeoutMs = 5000);

// The first instance's side: `received` is called, in the event loop, with
// each later start's paths.
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

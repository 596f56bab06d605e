#include "SingleInstance.h"

#include "AsOtherUser.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <future>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

QCoreApplication &App()
{
    static int argc = 1;
    static char name[] = "app_tests";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

QString UniqueName()
{
    static int count = 0;
    return QStringLiteral("marrowlyn-test-%1-%2").arg(getpid()).arg(++count);
}

// The later start runs on a thread of its own: it blocks, and the first
// instance answers from this thread's event loop.
bool HandOverWhileServing(const QString &name, const QStringList &paths)
{
    auto sent = std::async(std::launch::async, [&] { return HandOverToRunningInstance(name, paths, 3000); });
    QElapsedTimer clock;
    clock.start();
    while (sent.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready && clock.elapsed() < 10000)
        App().processEvents();
    return sent.get();
}

// TMPDIR and XDG_RUNTIME_DIR as a test sets them, put back afterwards.
class MeetingPlaceEnvironment {
public:
    MeetingPlaceEnvironment() : m_tmp(qgetenv("TMPDIR")), m_runtime(qgetenv("XDG_RUNTIME_DIR")) {}
    ~MeetingPlaceEnvironment()
    {
        set("TMPDIR", m_tmp);
        set("XDG_RUNTIME_DIR", m_runtime);
    }
    static void set(const char *name, const QByteArray &value)
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }

private:
    QByteArray m_tmp, m_runtime;
};

// The folder a name from SingleInstanceName() reaches, as the kernel sees it.
QString FolderOf(const QString &name)
{
    return name.isEmpty() ? QString() : QDir(QFileInfo(name).path()).canonicalPath();
}

// A Python script run as another user ("nobody"); empty with `why` set
// where this machine cannot do that. The system's python3: the one found
// first on the PATH may sit where that user cannot reach.
QStringList AsAnotherUser(const QStringList &script, std::string &why)
{
    const auto prefix = UnprivilegedCommandPrefix();
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"), {"/usr/bin", "/bin"});
    if (!prefix || prefix->empty() || python.isEmpty()) {
        why = "needs root, setpriv and /usr/bin/python3 to act as another user";
        return {};
    }
    return QString::fromStdString(*prefix).split(QLatin1Char(' '), Qt::SkipEmptyParts) + QStringList{python, "-c"}
    + script;
}

// Another user's listener at `path` (a socket there, or, for "folder", a
// folder open to all with the socket inside); it prints "ready", then
// whether the first connection sent it anything.
constexpr char ImpostorServer[] = R"(
import os, socket, sys
path = sys.argv[1]
if sys.argv[2] == 'folder':
    os.mkdir(path); os.chmod(path, 0o777); path += '/marrowlyn.socket'
s = socket.socket(socket.AF_UNIX); s.bind(path); os.chmod(path, 0o777); s.listen(4)
print('ready', flush=True)
s.settimeout(5)
try:
    c, _ = s.accept(); c.settimeout(2); got = c.recv(1 << 16); c.sendall(b'1')
    print('took' if got else 'nothing', flush=True)
except OSError:
    print('nothing', flush=True)
)";

// Another user's start: sends the bytes given (hex) and says whether it was
// answered.
constexpr char ImpostorClient[] = R"(
import socket, sys
c = socket.socket(socket.AF_UNIX); c.connect(sys.argv[1]); c.sendall(bytes.fromhex(sys.argv[2])); c.settimeout(3)
try:
    print('answered' if c.recv(1) else 'refused')
except OSError:
    print('refused')
)";

QString RunToTheEnd(QProcess &process, const QStringList &command)
{
    process.start(command.front(), command.mid(1));
    QElapsedTimer clock;
    clock.start();
    while (!process.waitForFinished(10) && process.state() != QProcess::NotRunning && clock.elapsed() < 10000)
        App().processEvents();
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

} // namespace

TEST(SingleInstance, ALaterStartsPathsReachTheFirstWhole)
{
    App();
    const QString name = UniqueName();
    QList<QStringList> received;
    SingleInstanceServer server([&](const QStringList &paths) { received << paths; });
    ASSERT_TRUE(server.listen(name));
    const QStringList cases[] = {
        {},
        {"/tmp/a.zip"},
        {"/home/ü ber/Fotos 2020.zip", "/tmp/a folder", "/tmp/line\nbreak.zip", "/" + QString(5000, QChar('x'))},
    };
    for (const QStringList &paths : cases) {
        received.clear();
        EXPECT_TRUE(HandOverWhileServing(name, paths));
        ASSERT_EQ(received.size(), 1);
        EXPECT_EQ(received.front(), paths);
    }
    // A start sends absolute paths only; anything else would be read from
    // the window's own current folder (or, as ":x", from Qt's resources).
    received.clear();
    EXPECT_TRUE(HandOverWhileServing(name, {"relative.zip", ":/x.zip", "/tmp/c.zip", ""}));
    ASSERT_EQ(received.size(), 1);
    EXPECT_EQ(received.front(), QStringList{"/tmp/c.zip"});
}

TEST(SingleInstance, NoneListeningOrAStaleNameLeftByACrash)
{
    App();
    const QString name = UniqueName();
    EXPECT_FALSE(HandOverToRunningInstance(name, {"/tmp/a.zip"}, 500));

    // What a crashed instance leaves: a socket file nobody listens on.
    const QByteArray path = QFile::encodeName(QDir::tempPath() + QLatin1Char('/') + name);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(std::size_t(path.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    ::close(fd);
    EXPECT_FALSE(HandOverToRunningInstance(name, {"/tmp/a.zip"}, 500));

    QStringList received;
    SingleInstanceServer server([&](const QStringList &paths) { received = paths; });
    ASSERT_TRUE(server.listen(name));
    EXPECT_TRUE(HandOverWhileServing(name, {"/tmp/b.zip"}));
    EXPECT_EQ(received, QStringList{"/tmp/b.zip"});
}

TEST(SingleInstance, OnlyAFolderOfTheUsersOwnClosedToOthersIsUsed)
{
    MeetingPlaceEnvironment restore;
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString root = QDir(scratch.path()).canonicalPath();
    const QString tmp = root + "/tmp", runtime = root + "/runtime";
    ASSERT_TRUE(QDir().mkpath(tmp) && QDir().mkpath(runtime));
    ::chmod(QFile::encodeName(runtime).constData(), 0700);
    const QString link = root + "/link";
    ASSERT_TRUE(QFile::link(runtime, link));
    const QString fallback = tmp + QStringLiteral("/marrowlyn-%1").arg(getuid());
    qputenv("TMPDIR", QFile::encodeName(tmp));

    struct Case {
        const char *what;
        QByteArray runtime;
        mode_t mode;
        QString expected;
    } cases[] = {
        {"the runtime folder", QFile::encodeName(runtime), 0700, runtime},
        {"a runtime folder others may enter", QFile::encodeName(runtime), 0755, fallback},
        {"a link to the runtime folder", QFile::encodeName(link), 0700, fallback},
        {"a relative runtime folder", "runtime", 0700, fallback},
        {"no runtime folder", QByteArray(), 0700, fallback},
    };
    for (const Case &c : cases) {
        ::chmod(QFile::encodeName(runtime).constData(), c.mode);
        MeetingPlaceEnvironment::set("XDG_RUNTIME_DIR", c.runtime);
        EXPECT_EQ(FolderOf(SingleInstanceName()).toStdString(), c.expected.toStdString()) << c.what;
    }
    struct stat made {};
    ASSERT_EQ(::stat(QFile::encodeName(fallback).constData(), &made), 0);
    EXPECT_EQ(made.st_mode & 0777, 0700u);

    // A fallback of our own that others may write in could hold anything.
    ::chmod(QFile::encodeName(fallback).constData(), 0777);
    EXPECT_EQ(SingleInstanceName().toStdString(), "");
}

TEST(SingleInstance, AnotherUsersSocketOrFolderGetsNoPaths)
{
    MeetingPlaceEnvironment restore;
    std::string why;
    if (AsAnotherUser({}, why).isEmpty())
        GTEST_SKIP() << why;
    App();
    for (const char *layout : {"socket", "folder"}) {
        QTemporaryDir tmp;
        ASSERT_TRUE(tmp.isValid());
        ::chmod(QFile::encodeName(tmp.path()).constData(), 01777);
        qputenv("TMPDIR", QFile::encodeName(tmp.path()));
        qunsetenv("XDG_RUNTIME_DIR");
        // Made before the user's first start, where that start would look.
        const QString taken = tmp.filePath(QStringLiteral("marrowlyn-%1").arg(getuid()));
        QProcess impostor;
        const QStringList command = AsAnotherUser({ImpostorServer, taken, layout}, why);
        impostor.start(command.front(), command.mid(1));
        ASSERT_TRUE(impostor.waitForReadyRead(5000)) << layout;
        ASSERT_EQ(impostor.readLine().trimmed(), "ready");

        EXPECT_EQ(SingleInstanceName().toStdString(), "") << layout;
        const QString socket = taken + (layout == std::string("folder") ? "/marrowlyn.socket" : "");
        EXPECT_FALSE(HandOverToRunningInstance(socket, {"/home/me/secret.zip"}, 1000)) << layout;
        ASSERT_TRUE(impostor.waitForFinished(8000));
        EXPECT_EQ(impostor.readAllStandardOutput().trimmed().toStdString(), "nothing") << layout;
    }
}

TEST(SingleInstance, TheWindowHearsOnlyItsOwnUser)
{
    std::string why;
    if (AsAnotherUser({}, why).isEmpty())
        GTEST_SKIP() << why;
    App();
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    ::chmod(QFile::encodeName(scratch.path()).constData(), 0711);
    const QString name = scratch.filePath("marrowlyn.socket");
    QStringList received;
    SingleInstanceServer server([&](const QStringList &paths) { received << paths; });
    ASSERT_TRUE(server.listen(name));
    // Past the socket's own mode, as a careless folder would let it be.
    ::chmod(QFile::encodeName(name).constData(), 0777);
    QByteArray sent;
    QDataStream out(&sent, QIODevice::WriteOnly);
    out << QStringList{"/home/other/planted.zip"};
    QProcess client;
    EXPECT_EQ(RunToTheEnd(client, AsAnotherUser({ImpostorClient, name, QString::fromLatin1(sent.toHex())}, why))
                  .toStdString(),
              "refused");
    EXPECT_TRUE(received.isEmpty());
}

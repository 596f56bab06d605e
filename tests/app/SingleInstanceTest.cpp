#include "SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <gtest/gtest.h>

#include <cstring>
#include <future>
#include <sys/socket.h>
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
        {"/home/ü ber/Fotos 2020.zip", "/tmp/a folder", "/tmp/line\nbreak.zip", QString(5000, QChar('x'))},
    };
    for (const QStringList &paths : cases) {
        received.clear();
        EXPECT_TRUE(HandOverWhileServing(name, paths));
        ASSERT_EQ(received.size(), 1);
        EXPECT_EQ(received.front(), paths);
    }
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

// The window program itself, started the way a desktop starts it: two starts
// at the same moment leave one window, and a later start with a path hands it
// over and ends.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<QProcess> StartWindow(const QTemporaryDir &home, const QStringList &arguments)
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    process->setProcessEnvironment(env);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(QStringLiteral(MARROWLYN_PATH), arguments);
    return process;
}

TEST(WindowStart, TwoStartsAtOnceLeaveOneWindowAndALaterOneHandsItsPathOver)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    auto first = StartWindow(home, {});
    auto second = StartWindow(home, {});
    ASSERT_TRUE(first->waitForStarted() && second->waitForStarted());

    // One of the two hands over to the other and ends; the other stays.
    QProcess *ended = nullptr;
    for (int i = 0; i < 100 && !ended; ++i) {
        for (QProcess *p : {first.get(), second.get()}) {
            if (p->waitForFinished(50))
                ended = p;
        }
    }
    ASSERT_NE(ended, nullptr) << "both starts opened windows";
    EXPECT_EQ(ended->exitCode(), 0);
    QProcess *window = ended == first.get() ? second.get() : first.get();
    EXPECT_EQ(window->state(), QProcess::Running);

    auto later = StartWindow(home, {home.filePath(QStringLiteral("some archive.zip"))});
    EXPECT_TRUE(later->waitForFinished(10000)) << "the later start did not hand over";
    EXPECT_EQ(later->exitCode(), 0);
    EXPECT_EQ(window->state(), QProcess::Running);

    window->kill();
    window->waitForFinished();
}

} // namespace

namespace {

// Answered without a display: the help, the version, and a mistyped option,
// which is neither opened as a path nor handed to a running window.
TEST(WindowStart, OwnOptionsAreAnsweredWithoutADisplay)
{
    const struct {
        QStringList arguments;
        int status;
        const char *out;
        const char *err;
    } cases[] = {
        {{"--help"}, 0, "Usage: marrowlyn", ""},
        {{"-platform", "offscreen", "-h"}, 0, "Usage: marrowlyn", ""},
        {{"--version"}, 0, "marrowlyn " MARROWLYN_VERSION "\n", ""},
        {{"some.zip", "--bogus"}, 2, "", "unknown option '--bogus'"},
        {{"-stylo", "fusion"}, 2, "", "unknown option '-stylo'"},
    };
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    for (const auto &c : cases) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(QLatin1String(name));
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(MARROWLYN_PATH), c.arguments);
        ASSERT_TRUE(process.waitForFinished(10000)) << c.arguments.join(' ').toStdString();
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        const QString err = QString::fromUtf8(process.readAllStandardError());
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(process.exitCode(), c.status) << c.arguments.join(' ').toStdString() << err.toStdString();
        EXPECT_TRUE(out.contains(QLatin1String(c.out))) << out.toStdString();
        EXPECT_TRUE(err.contains(QLatin1String(c.err))) << err.toStdString();
    }
}

} // namespace

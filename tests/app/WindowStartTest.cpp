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

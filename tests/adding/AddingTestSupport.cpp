#include "AddingTestSupport.h"

#include "Settings.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

QString Q(const std::filesystem::path &path) { return QString::fromStdString(path.string()); }

AddingFixture::AddingFixture()
    : context{list,
              prompts,
              QStringLiteral("Marrowlyn"),
              Q(dir.path()),
              [this](bool on) { scanning.push_back(on); },
              [this] { ++pumps; },
              NativeSeparator,
              QString(),
              {}}
{
    SetSettingsFolder(Q(dir / "config"));
}

QStringList Sorted(QStringList list)
{
    list.sort();
    return list;
}

QStringList RunAsNobody(const std::function<QStringList()> &work, std::string &skipReason)
{
    if (geteuid() != 0)
        return work();
    int channel[2];
    if (pipe(channel) != 0) {
        skipReason = "no pipe to a child process";
        return {};
    }
    const pid_t child = fork();
    if (child < 0) {
        skipReason = "cannot start a child process";
        return {};
    }
    if (child == 0) {
        close(channel[0]);
        constexpr uid_t Nobody = 65534;
        if (setgroups(0, nullptr) != 0 || setresgid(Nobody, Nobody, Nobody) != 0
            || setresuid(Nobody, Nobody, Nobody) != 0)
            _exit(3);
        const QByteArray out = work().join(QChar('\n')).toUtf8();
        const bool written = write(channel[1], out.constData(), size_t(out.size())) == out.size();
        _exit(written ? 0 : 4);
    }
    close(channel[1]);
    QByteArray out;
    char buffer[4096];
    ssize_t got;
    while ((got = read(channel[0], buffer, sizeof buffer)) > 0)
        out.append(buffer, got);
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        skipReason = "could not give up root in a child process";
        return {};
    }
    return out.isEmpty() ? QStringList() : QString::fromUtf8(out).split(QChar('\n'));
}

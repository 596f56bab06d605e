#include "PasswordInput.h"
#include "UserText.h"

#include <cerrno>
#include <csignal>
#include <iterator>
#include <termios.h>
#include <unistd.h>

namespace {

// What the signal handlers restore: one prompt at a time in a process.
int echoFd = -1;
struct termios echoSaved {};

const int InterruptingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

extern "C" void RestoreEchoAndDie(int signal)
{
    tcsetattr(echoFd, TCSANOW, &echoSaved);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Turns the terminal's echo off for its lifetime; Ctrl-C meanwhile must not
// leave the user's shell without echo.
class EchoOff {
public:
    explicit EchoOff(int fd) : m_fd(fd)
    {
        if (tcgetattr(fd, &m_saved) != 0)
            return;
        echoFd = fd;
        echoSaved = m_saved;
        struct sigaction action {};
        action.sa_handler = RestoreEchoAndDie;
        sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < std::size(InterruptingSignals); ++i)
            sigaction(InterruptingSignals[i], &action, &m_previous[i]);
        struct termios quiet = m_saved;
        quiet.c_lflag &= tcflag_t(~(ECHO | ECHONL));
        tcsetattr(fd, TCSAFLUSH, &quiet);
    }
    ~EchoOff()
    {
        if (echoFd != m_fd)
            return;
        tcsetattr(m_fd, TCSANOW, &m_saved);
        for (std::size_t i = 0; i < std::size(InterruptingSignals); ++i)
            sigaction(InterruptingSignals[i], &m_previous[i], nullptr);
        echoFd = -1;
    }

private:
    int m_fd;
    struct termios m_saved {};
    struct sigaction m_previous[std::size(InterruptingSignals)]{};
};

} // namespace

std::optional<std::string> ReadPasswordLine(int fd, std::FILE *prompt, std::size_t limit, const std::string &question)
{
    std::optional<EchoOff> echoOff;
    if (isatty(fd) == 1) {
        echoOff.emplace(fd);
        std::fputs(question.empty() ? Translated("PasswordInput", "Password: ").c_str() : question.c_str(), prompt);
        std::fflush(prompt);
    }
    std::string line;
    bool any = false;
    while (line.size() <= limit) {
        char c;
        const ssize_t n = ::read(fd, &c, 1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        any = true;
        if (c == '\n')
            break;
        line += c;
    }
    if (echoOff) {
        // The Enter the user typed was not shown either.
        std::fputc('\n', prompt);
        std::fflush(prompt);
    }
    return any ? std::optional(line) : std::nullopt;
}

// A pseudo-terminal for tests of what the command does on a terminal: the
// program side writes to (or reads from) `slave`, the test plays the user at
// `master`, and everything that reaches the screen is collected.
#pragma once

#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <mutex>
#include <string>
#include <thread>

struct Pty {
    int master = -1, slave = -1;
    std::FILE *out = nullptr; // the slave, for the code under test to write to

    // `raw`: no line discipline on output, so "\n" stays "\n".
    explicit Pty(unsigned short columns, bool raw = true)
    {
        struct winsize size {};
        size.ws_row = 24;
        size.ws_col = columns;
        if (openpty(&master, &slave, nullptr, nullptr, &size) != 0)
            return;
        if (raw) {
            struct termios mode {};
            tcgetattr(slave, &mode);
            cfmakeraw(&mode);
            tcsetattr(slave, TCSANOW, &mode);
        }
        out = fdopen(dup(slave), "w");
    }
    ~Pty()
    {
        if (out)
            std::fclose(out);
        stopReading();
        if (master >= 0)
            ::close(master);
    }
    bool ok() const { return out != nullptr; }

    // Collects the screen's bytes on a thread of its own, so a writer never
    // blocks on a full buffer.
    void startReading()
    {
        m_reader = std::thread([this] {
            char buffer[4096];
            for (ssize_t n; (n = ::read(master, buffer, sizeof buffer)) > 0;) {
                std::lock_guard lock(m_mutex);
                m_screen.append(buffer, std::size_t(n));
            }
        });
    }
    // Closes the program's side and answers all that reached the screen.
    std::string screen()
    {
        if (out) {
            std::fclose(out);
            out = nullptr;
        }
        stopReading();
        std::lock_guard lock(m_mutex);
        return m_screen;
    }
    std::string seenSoFar()
    {
        std::lock_guard lock(m_mutex);
        return m_screen;
    }

private:
    void stopReading()
    {
        if (slave >= 0) {
            ::close(slave); // the reader's read ends with EIO once no slave is open
            slave = -1;
        }
        if (m_reader.joinable())
            m_reader.join();
    }

    std::thread m_reader;
    std::mutex m_mutex;
    std::string m_screen;
};

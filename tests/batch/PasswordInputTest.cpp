#include "PasswordInput.h"
#include "Pty.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

// On a terminal the user is asked, and what they type is not shown; the
// terminal is as it was afterwards.
TEST(PasswordInput, ATerminalIsAskedWithTheEchoOff)
{
    Pty pty(80, false);
    ASSERT_TRUE(pty.ok());
    pty.startReading();
    auto line = std::async(std::launch::async, [&] { return ReadPasswordLine(pty.slave, pty.out, 100); });
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (pty.seenSoFar().find("Password: ") == std::string::npos && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    struct termios during {};
    tcgetattr(pty.slave, &during);
    EXPECT_EQ(during.c_lflag & ECHO, 0u);
    ASSERT_EQ(::write(pty.master, "open sesame\n", 12), 12);
    EXPECT_EQ(line.get(), std::optional<std::string>("open sesame"));
    struct termios after {};
    tcgetattr(pty.slave, &after);
    EXPECT_NE(after.c_lflag & ECHO, 0u);
    const std::string screen = pty.screen();
    EXPECT_EQ(screen.rfind("Password: ", 0), 0u) << screen;
    EXPECT_EQ(screen.find("sesame"), std::string::npos) << screen;
}

// From a pipe the line is read as it comes, and nobody is asked.
TEST(PasswordInput, APipeIsReadWithoutAPrompt)
{
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    ASSERT_EQ(::write(fds[1], "from a pipe\nrest", 16), 16);
    ::close(fds[1]);
    char *buffer = nullptr;
    std::size_t size = 0;
    std::FILE *prompt = open_memstream(&buffer, &size);
    EXPECT_EQ(ReadPasswordLine(fds[0], prompt, 100), std::optional<std::string>("from a pipe"));
    EXPECT_EQ(ReadPasswordLine(fds[0], prompt, 100), std::optional<std::string>("rest"));
    EXPECT_EQ(ReadPasswordLine(fds[0], prompt, 100), std::nullopt);
    std::fclose(prompt);
    EXPECT_EQ(std::string(buffer, size), "");
    free(buffer);
    ::close(fds[0]);
}

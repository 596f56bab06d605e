// What marrowlyn-batch tells the person at the terminal while it works: a bar
// redrawn in place when standard error is a terminal, plain lines otherwise,
// nothing when quiet. Safe to call from several threads.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <mutex>
#include <string>

class ProgressPrinter {
public:
    enum class Style { Bar, Lines, Quiet };

    ProgressPrinter(Style style, std::size_t archives, std::uint64_t totalBytes, std::FILE *out = stderr,
                    std::function<std::chrono::steady_clock::time_point()> now = {});

    void started(const std::string &name);
    void finished(const std::string &name, std::uint64_t bytes, bool ok, const std::string &reason);
    // Ends the bar's line so later output starts on a fresh one.
    void close();

    // "1.5 GiB", "320 KiB", "12 B"
    static std::string sizeText(std::uint64_t bytes);
    // "0:07", "12:30", "1:02:03"
    static std::string durationText(std::chrono::seconds duration);
    // The bar's line for the given state, without control characters.
    std::string barLine() const;

private:
    void drawBar();

    Style m_style;
    std::size_t m_archives;
    std::uint64_t m_totalBytes;
    std::FILE *m_out;
    std::function<std::chrono::steady_clock::time_point()> m_now;
    std::chrono::steady_clock::time_point m_start;
    std::chrono::steady_clock::time_point m_lastDraw{};
    std::size_t m_done = 0;
    std::uint64_t m_doneBytes = 0;
    bool m_barShown = false;
    mutable std::mutex m_mutex;
};

// What marrowlyn-batch tells the person at the terminal while it works: a bar
// redrawn in place when standard error is a terminal that can do it, plain
// lines otherwise, nothing when quiet. Safe to call from several threads.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <mutex>
#include <string>

class ProgressPrinter {
public:
    enum class Style { Bar, Lines, Quiet };
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    // A bar when `out` is a terminal whose TERM can redraw a line; plain
    // lines for a pipe, a file, or TERM unset or "dumb".
    static Style StyleFor(bool quiet, std::FILE *out, const char *term);

    // `columns` answers the terminal's width; by default it is asked of `out`
    // (TIOCGWINSZ) at every redraw, so a resized window is followed.
    ProgressPrinter(Style style, std::size_t archives, std::uint64_t totalBytes, std::FILE *out = stderr,
                    Clock now = {}, std::function<int()> columns = {});

    void started(std::size_t archive);
    // The bytes of archive number `archive` done so far.
    void advanced(std::size_t archive, std::uint64_t bytes);
    void finished(std::size_t archive, const std::string &name, std::uint64_t bytes, bool ok,
                  const std::string &reason);
    // An archive stopped on request: not done, so neither counted nor its
    // bytes added beyond those it got through; the bar stays where it was.
    void stopped(std::size_t archive, const std::string &name, const std::string &reason);
    // Redraws when it is time, so the rate and the time left stay fresh
    // while an archive takes long; called a few times a second.
    void tick();
    // Ends the bar's line so later output starts on a fresh one.
    void close();
    // Runs `work` (a question at the terminal) with the bar's line cleared
    // and nothing else printed meanwhile: the other threads wait at their
    // next report. The bar is drawn again afterwards.
    void aside(const std::function<void()> &work);

    // "1.5 GiB", "320 KiB", "12 B"
    static std::string sizeText(std::uint64_t bytes);
    // "0:07", "12:30", "1:02:03"
    static std::string durationText(std::chrono::seconds duration);
    // The bar's line for a terminal `columns` wide, without control
    // characters, and narrower than the terminal so it never wraps.
    std::string barLine(int columns) const;

    static constexpr std::chrono::milliseconds BarInterval{100};
    static constexpr std::chrono::seconds LineInterval{5};

private:
    struct Figures;
    Figures figures() const;
    static std::string fitted(const Figures &f, int columns);
    void show(bool force);
    void sayNotExtracted(const std::string &name, const std::string &reason);
    int terminalColumns() const;

    Style m_style;
    std::size_t m_archives;
    std::uint64_t m_totalBytes;
    std::FILE *m_out;
    Clock m_now;
    std::function<int()> m_columns;
    std::chrono::steady_clock::time_point m_start;
    std::chrono::steady_clock::time_point m_lastShown{};
    std::size_t m_done = 0;
    std::uint64_t m_doneBytes = 0;
    std::map<std::size_t, std::uint64_t> m_inWork; // archive -> bytes done of it
    bool m_barShown = false;
    mutable std::mutex m_mutex;
};

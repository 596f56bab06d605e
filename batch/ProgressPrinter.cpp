#include "ProgressPrinter.h"

#include "VisibleText.h"
#include "UserText.h"

#include <algorithm>
#include <cinttypes>
#include <cstring>
#include <initializer_list>
#include <sys/ioctl.h>
#include <unistd.h>

using namespace std::chrono;

struct ProgressPrinter::Figures {
    double share = 0;
    std::string percent, count, bytes, rate, left; // rate and left empty while unknown
};

namespace {

std::string Join(std::initializer_list<const std::string *> parts)
{
    std::string text;
    for (const std::string *part : parts) {
        if (part->empty())
            continue;
        if (!text.empty())
            text += ", ";
        text += *part;
    }
    return text;
}

} // namespace

ProgressPrinter::Style ProgressPrinter::StyleFor(bool quiet, std::FILE *out, const char *term)
{
    if (quiet)
        return Style::Quiet;
    const int fd = out ? fileno(out) : -1;
    const bool canRedraw = term && *term && std::strcmp(term, "dumb") != 0;
    return fd >= 0 && isatty(fd) == 1 && canRedraw ? Style::Bar : Style::Lines;
}

ProgressPrinter::ProgressPrinter(Style style, std::size_t archives, std::uint64_t totalBytes, std::FILE *out, Clock now,
                                 std::function<int()> columns)
    : m_style(style), m_archives(archives), m_totalBytes(totalBytes), m_out(out),
      m_now(now ? std::move(now) : [] { return steady_clock::now(); }), m_columns(std::move(columns)), m_start(m_now()),
      m_lastShown(m_start)
{}

std::string ProgressPrinter::sizeText(std::uint64_t bytes)
{
    static const char *units[] = {"B", "KiB", "MiB", "GiB", "TiB"};
    double value = double(bytes);
    int unit = 0;
    while (value >= 1024 && unit < 4) {
        value /= 1024;
        ++unit;
    }
    char text[32];
    if (unit == 0)
        std::snprintf(text, sizeof text, "%" PRIu64 " B", bytes);
    else
        std::snprintf(text, sizeof text, value < 10 ? "%.1f %s" : "%.0f %s", value, units[unit]);
    return text;
}

std::string ProgressPrinter::durationText(seconds duration)
{
    const long long s = duration.count() < 0 ? 0 : duration.count();
    char text[32];
    if (s >= 3600)
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
    else
        std::snprintf(text, sizeof text, "%lld:%02lld", s / 60, s % 60);
    return text;
}

ProgressPrinter::Figures ProgressPrinter::figures() const
{
    std::uint64_t done = m_doneBytes;
    for (const auto &[archive, bytes] : m_inWork)
        done += bytes;
    Figures f;
    f.share = m_totalBytes ? std::min(1.0, double(done) / double(m_totalBytes))
                           : (m_archives ? double(m_done) / double(m_archives) : 1.0);
    f.percent = std::to_string(int(f.share * 100)) + "%";
    f.count
        = FillIn(Translated("ProgressPrinter", "%1/%2 archives"), {std::to_string(m_done), std::to_string(m_archives)});
    f.bytes = FillIn(Translated("ProgressPrinter", "%1 of %2"), {sizeText(done), sizeText(m_totalBytes)});
    const double elapsed = duration<double>(m_now() - m_start).count();
    if (elapsed > 0.5 && done > 0) {
        const double rate = double(done) / elapsed;
        f.rate = sizeText(std::uint64_t(rate)) + "/s";
        if (done < m_totalBytes)
            f.left = FillIn(Translated("ProgressPrinter", "%1 left"),
                            {durationText(seconds(std::int64_t(double(m_totalBytes - done) / rate)))});
    }
    return f;
}

std::string ProgressPrinter::barLine(int columns) const
{
    std::lock_guard lock(m_mutex);
    return fitted(figures(), columns);
}

std::string ProgressPrinter::fitted(const Figures &f, int columns)
{
    // One column to spare: a line that fills the last one wraps on many terminals.
    const int width = std::max(columns - 1, 1);
    // The richest text that fits beside a bar, else without one.
    const std::string texts[] = {Join({&f.count, &f.bytes, &f.rate, &f.left}), Join({&f.count, &f.bytes, &f.left}),
                                 Join({&f.bytes, &f.left}), f.bytes, f.percent};
    constexpr int widest = 24, narrowest = 10;
    for (const std::string &text : texts) {
        const int room = width - int(text.size()) - 3;
        if (room < narrowest)
            continue;
        const int inner = std::min(widest, room);
        const int filled = int(f.share * inner + 0.5);
        return "[" + std::string(filled, '#') + std::string(inner - filled, ' ') + "] " + text;
    }
    for (const std::string &text : texts) {
        if (int(text.size()) <= width)
            return text;
    }
    return f.percent.substr(0, std::size_t(width));
}

int ProgressPrinter::terminalColumns() const
{
    if (m_columns)
        return m_columns();
    struct winsize size {};
    const int fd = fileno(m_out);
    if (fd >= 0 && ioctl(fd, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return 80;
}

void ProgressPrinter::show(bool force)
{
    const auto now = m_now();
    switch (m_style) {
    case Style::Quiet: return;
    case Style::Bar: {
        // Redrawing more often than ten times a second only costs time.
        if (!force && m_barShown && now - m_lastShown < BarInterval)
            return;
        m_lastShown = now;
        std::fprintf(m_out, "\r\033[K%s", fitted(figures(), terminalColumns()).c_str());
        std::fflush(m_out);
        m_barShown = true;
        return;
    }
    case Style::Lines: {
        // A log gets a line now and then while nothing else is said.
        if (now - m_lastShown < LineInterval || m_done == m_archives)
            return;
        m_lastShown = now;
        const Figures f = figures();
        std::fprintf(m_out, "progress: %s\n", Join({&f.percent, &f.count, &f.bytes, &f.rate, &f.left}).c_str());
        std::fflush(m_out);
        return;
    }
    }
}

void ProgressPrinter::started(std::size_t archive)
{
    std::lock_guard lock(m_mutex);
    m_inWork[archive] = 0;
    show(false);
}

void ProgressPrinter::advanced(std::size_t archive, std::uint64_t bytes)
{
    std::lock_guard lock(m_mutex);
    m_inWork[archive] = bytes;
    show(false);
}

void ProgressPrinter::tick()
{
    std::lock_guard lock(m_mutex);
    show(false);
}

void ProgressPrinter::finished(std::size_t archive, const std::string &path, std::uint64_t bytes, bool ok,
                               const std::string &why)
{
    const std::string name = VisibleText(path), reason = VisibleText(why);
    std::lock_guard lock(m_mutex);
    m_inWork.erase(archive);
    ++m_done;
    m_doneBytes += bytes;
    switch (m_style) {
    case Style::Quiet: break;
    case Style::Lines:
        if (ok)
            std::fprintf(m_out, "extracted: %s\n", name.c_str());
        else
            sayNotExtracted(name, reason);
        m_lastShown = m_now();
        break;
    case Style::Bar:
        if (!ok)
            sayNotExtracted(name, reason);
        show(m_done == m_archives);
        break;
    }
}

void ProgressPrinter::stopped(std::size_t archive, const std::string &path, const std::string &why)
{
    const std::string name = VisibleText(path), reason = VisibleText(why);
    std::lock_guard lock(m_mutex);
    const auto inWork = m_inWork.find(archive);
    if (inWork != m_inWork.end()) {
        m_doneBytes += inWork->second;
        m_inWork.erase(inWork);
    }
    if (m_style == Style::Quiet)
        return;
    sayNotExtracted(name, reason);
    if (m_style == Style::Bar)
        show(true);
    else
        m_lastShown = m_now();
}

void ProgressPrinter::sayNotExtracted(const std::string &name, const std::string &reason)
{
    std::fprintf(m_out, "%snot extracted: %s: %s\n", m_style == Style::Bar ? "\r\033[K" : "", name.c_str(),
                 reason.c_str());
    m_barShown = false;
}

void ProgressPrinter::aside(const std::function<void()> &work)
{
    std::lock_guard lock(m_mutex);
    if (m_style == Style::Bar && m_barShown) {
        std::fputs("\r\033[K", m_out);
        std::fflush(m_out);
        m_barShown = false;
    }
    work();
    if (m_style == Style::Bar)
        show(true);
}

void ProgressPrinter::close()
{
    std::lock_guard lock(m_mutex);
    if (m_style == Style::Bar && m_barShown) {
        std::fputc('\n', m_out);
        m_barShown = false;
    }
}

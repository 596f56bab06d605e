#include "ProgressPrinter.h"

#include "common/VisibleText.h"

#include <cinttypes>

using namespace std::chrono;

ProgressPrinter::ProgressPrinter(Style style, std::size_t archives, std::uint64_t totalBytes, std::FILE *out,
                                 std::function<steady_clock::time_point()> now)
    : m_style(style), m_archives(archives), m_totalBytes(totalBytes), m_out(out),
      m_now(now ? std::move(now) : [] { return steady_clock::now(); }), m_start(m_now())
{
}

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

std::string ProgressPrinter::barLine() const
{
    const double share = m_totalBytes ? double(m_doneBytes) / double(m_totalBytes)
                                      : (m_archives ? double(m_done) / double(m_archives) : 1.0);
    constexpr int width = 24;
    const int filled = int(share * width + 0.5);
    std::string line = "[" + std::string(filled, '#') + std::string(width - filled, ' ') + "] ";
    line += std::to_string(m_done) + "/" + std::to_string(m_archives) + " archives, ";
    line += sizeText(m_doneBytes) + " of " + sizeText(m_totalBytes);
    const double elapsed = duration<double>(m_now() - m_start).count();
    if (elapsed > 0.5 && m_doneBytes > 0) {
        const double rate = double(m_doneBytes) / elapsed;
        line += ", " + sizeText(std::uint64_t(rate)) + "/s";
        if (m_doneBytes < m_totalBytes)
            line += ", " + durationText(seconds(std::int64_t(double(m_totalBytes - m_doneBytes) / rate))) + " left";
    }
    return line;
}

void ProgressPrinter::drawBar()
{
    // Redrawing more often than ten times a second only costs time.
    const auto now = m_now();
    if (m_barShown && m_done < m_archives && now - m_lastDraw < milliseconds(100))
        return;
    m_lastDraw = now;
    std::fprintf(m_out, "\r\033[K%s", barLine().c_str());
    std::fflush(m_out);
    m_barShown = true;
}

void ProgressPrinter::started(const std::string &name)
{
    std::lock_guard lock(m_mutex);
    if (m_style == Style::Bar)
        drawBar();
    (void)name;
}

void ProgressPrinter::finished(const std::string &path, std::uint64_t bytes, bool ok, const std::string &why)
{
    const std::string name = VisibleText(path), reason = VisibleText(why);
    std::lock_guard lock(m_mutex);
    ++m_done;
    m_doneBytes += bytes;
    switch (m_style) {
    case Style::Quiet:
        break;
    case Style::Lines:
        if (ok)
            std::fprintf(m_out, "extracted: %s\n", name.c_str());
        else
            std::fprintf(m_out, "not extracted: %s: %s\n", name.c_str(), reason.c_str());
        break;
    case Style::Bar:
        if (!ok) {
            std::fprintf(m_out, "\r\033[Knot extracted: %s: %s\n", name.c_str(), reason.c_str());
            m_barShown = false;
        }
        drawBar();
        break;
    }
}

void ProgressPrinter::close()
{
    std::lock_guard lock(m_mutex);
    if (m_style == Style::Bar && m_barShown) {
        std::fputc('\n', m_out);
        m_barShown = false;
    }
}

#include "ProgressPrinter.h"
#include "Pty.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <vector>

using namespace std::chrono;

namespace {

// What a printer wrote to a memory stream.
struct Captured {
    char *buffer = nullptr;
    std::size_t size = 0;
    std::FILE *file = open_memstream(&buffer, &size);
    std::string text()
    {
        std::fclose(file);
        std::string result(buffer, size);
        free(buffer);
        return result;
    }
};

// The lines a terminal shows one after another: what lies between carriage
// returns and newlines, with the erase-line sequence taken out.
std::vector<std::string> Redraws(const std::string &screen)
{
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < screen.size(); ++i) {
        if (screen.compare(i, 3, "\033[K") == 0) {
            i += 2;
        } else if (screen[i] == '\r' || screen[i] == '\n') {
            if (!line.empty())
                lines.push_back(line);
            line.clear();
        } else {
            line += screen[i];
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

} // namespace

TEST(ProgressPrinter, FormatsSizesAndDurations)
{
    EXPECT_EQ(ProgressPrinter::sizeText(12), "12 B");
    EXPECT_EQ(ProgressPrinter::sizeText(1536), "1.5 KiB");
    EXPECT_EQ(ProgressPrinter::sizeText(300ull << 20), "300 MiB");
    EXPECT_EQ(ProgressPrinter::durationText(seconds(7)), "0:07");
    EXPECT_EQ(ProgressPrinter::durationText(seconds(750)), "12:30");
    EXPECT_EQ(ProgressPrinter::durationText(seconds(3723)), "1:02:03");
}

// The richest line that fits: the bar narrows, then the rate, the count and
// the time left go, and the line never reaches the terminal's last column.
TEST(ProgressPrinter, TheBarLineFitsTheTerminalsWidth)
{
    auto t = steady_clock::time_point{};
    Captured out;
    ProgressPrinter p(
        ProgressPrinter::Style::Bar, 4, 4u << 20, out.file, [&] { return t; }, [] { return 80; });
    t += seconds(2);
    p.finished(0, "a.zip", 1u << 20, true, "");
    p.advanced(1, 512u << 10);
    const struct {
        int columns;
        const char *line;
    } cases[] = {
        {120, "[#########               ] 1/4 archives, 1.5 MiB of 4.0 MiB, 768 KiB/s, 0:03 left"},
        {80, "[########              ] 1/4 archives, 1.5 MiB of 4.0 MiB, 768 KiB/s, 0:03 left"},
        {60, "[#####        ] 1/4 archives, 1.5 MiB of 4.0 MiB, 0:03 left"},
        {40, "[#######           ] 1.5 MiB of 4.0 MiB"},
        {30, "[#########              ] 37%"},
        {20, "[#####        ] 37%"},
        {5, "37%"},
    };
    for (const auto &c : cases) {
        const std::string line = p.barLine(c.columns);
        EXPECT_EQ(line, c.line) << c.columns;
        EXPECT_LT(int(line.size()), c.columns) << c.columns;
    }
    p.finished(1, "b.zip", 1u << 20, false, "wrong password");
    p.close();
    const std::string text = out.text();
    EXPECT_NE(text.find("not extracted: b.zip: wrong password\n"), std::string::npos);
    EXPECT_EQ(text.back(), '\n');
}

// Standard error decides: a terminal that can redraw gets the bar, sized from
// the terminal itself and moving within an archive; anything else plain lines.
TEST(ProgressPrinter, ABarOnlyOnATerminalThatCanRedrawItMovingWithinAnArchive)
{
    using Style = ProgressPrinter::Style;
    Pty pty(50);
    ASSERT_TRUE(pty.ok());
    Captured file;
    EXPECT_EQ(ProgressPrinter::StyleFor(false, pty.out, "xterm-256color"), Style::Bar);
    EXPECT_EQ(ProgressPrinter::StyleFor(false, pty.out, "dumb"), Style::Lines);
    EXPECT_EQ(ProgressPrinter::StyleFor(false, pty.out, nullptr), Style::Lines);
    EXPECT_EQ(ProgressPrinter::StyleFor(false, file.file, "xterm"), Style::Lines);
    EXPECT_EQ(ProgressPrinter::StyleFor(true, pty.out, "xterm"), Style::Quiet);
    file.text();

    pty.startReading();
    auto t = steady_clock::time_point{};
    ProgressPrinter p(Style::Bar, 1, 4u << 20, pty.out, [&] { return t; });
    p.started(0);
    for (std::uint64_t mib = 1; mib <= 3; ++mib) {
        t += milliseconds(250);
        p.advanced(0, mib << 20);
    }
    p.finished(0, "big.zip", 4u << 20, true, "");
    p.close();
    const std::vector<std::string> lines = Redraws(pty.screen());
    const char *const shown[] = {"0 B of", "1.0 MiB of", "2.0 MiB of", "3.0 MiB of", "4.0 MiB of"};
    ASSERT_EQ(lines.size(), std::size(shown));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_LT(lines[i].size(), 50u) << lines[i];
        EXPECT_NE(lines[i].find(shown[i]), std::string::npos) << lines[i];
    }
}

TEST(ProgressPrinter, PlainLinesSayProgressNowAndThenAndNothingWhenQuiet)
{
    for (auto style : {ProgressPrinter::Style::Lines, ProgressPrinter::Style::Quiet}) {
        auto t = steady_clock::time_point{};
        Captured out;
        ProgressPrinter p(style, 2, 10, out.file, [&] { return t; });
        p.started(0);
        t += seconds(4);
        p.advanced(0, 2); // too soon for a line
        t += seconds(2);
        p.advanced(0, 4);
        p.finished(0, "a.zip", 5, true, "");
        p.finished(1, "b.zip", 5, false, "not a ZIP archive");
        p.tick();
        p.close();
        const std::string text = out.text();
        if (style == ProgressPrinter::Style::Quiet)
            EXPECT_EQ(text, "");
        else
            EXPECT_EQ(text,
                      "progress: 40%, 0/2 archives, 4 B of 10 B, 0 B/s, 0:09 left\n"
                      "extracted: a.zip\nnot extracted: b.zip: not a ZIP archive\n");
    }
}

// After Ctrl-C the archive in work stops where it was: it is not counted
// done, its bytes are not all added, and no time left of nothing is claimed.
TEST(ProgressPrinter, AStoppedArchiveIsNotCountedDone)
{
    for (const auto style : {ProgressPrinter::Style::Bar, ProgressPrinter::Style::Lines}) {
        Captured file;
        auto t = steady_clock::time_point{};
        ProgressPrinter p(
            style, 3, 300u << 20, file.file, [&] { return t; }, [] { return 120; });
        p.started(0);
        t += seconds(6);
        p.advanced(0, 50u << 20);
        p.stopped(0, "big.zip", "stopped on request");
        t += seconds(6);
        p.tick();
        p.close();
        const std::vector<std::string> lines = Redraws(file.text());
        ASSERT_GE(lines.size(), 2u);
        EXPECT_NE(std::find(lines.begin(), lines.end(), "not extracted: big.zip: stopped on request"), lines.end());
        EXPECT_NE(lines.back().find("0/3 archives, 50 MiB of 300 MiB"), std::string::npos) << lines.back();
    }
}

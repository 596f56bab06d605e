#include "ProgressPrinter.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace std::chrono;

TEST(ProgressPrinter, FormatsSizesAndDurations)
{
    EXPECT_EQ(ProgressPrinter::sizeText(12), "12 B");
    EXPECT_EQ(ProgressPrinter::sizeText(1536), "1.5 KiB");
    EXPECT_EQ(ProgressPrinter::sizeText(300ull << 20), "300 MiB");
    EXPECT_EQ(ProgressPrinter::durationText(seconds(7)), "0:07");
    EXPECT_EQ(ProgressPrinter::durationText(seconds(750)), "12:30");
    EXPECT_EQ(ProgressPrinter::durationText(seconds(3723)), "1:02:03");
}

TEST(ProgressPrinter, BarShowsCountBytesRateAndTimeLeft)
{
    auto t = steady_clock::time_point{};
    char *buffer = nullptr;
    std::size_t size = 0;
    std::FILE *out = open_memstream(&buffer, &size);
    ProgressPrinter p(ProgressPrinter::Style::Bar, 4, 4u << 20, out, [&] { return t; });
    t += seconds(2);
    p.finished("a.zip", 1u << 20, true, "");
    EXPECT_EQ(p.barLine(), "[######                  ] 1/4 archives, 1.0 MiB of 4.0 MiB, 512 KiB/s, 0:06 left");
    p.finished("b.zip", 1u << 20, false, "wrong password");
    p.close();
    std::fclose(out);
    std::string text(buffer, size);
    free(buffer);
    EXPECT_NE(text.find("not extracted: b.zip: wrong password\n"), std::string::npos);
    EXPECT_EQ(text.back(), '\n');
}

TEST(ProgressPrinter, PlainLinesWhenNotATerminalAndNothingWhenQuiet)
{
    for (auto style : {ProgressPrinter::Style::Lines, ProgressPrinter::Style::Quiet}) {
        char *buffer = nullptr;
        std::size_t size = 0;
        std::FILE *out = open_memstream(&buffer, &size);
        ProgressPrinter p(style, 2, 10, out);
        p.started("a.zip");
        p.finished("a.zip", 5, true, "");
        p.finished("b.zip", 5, false, "not a ZIP archive");
        p.close();
        std::fclose(out);
        std::string text(buffer, size);
        free(buffer);
        if (style == ProgressPrinter::Style::Quiet)
            EXPECT_EQ(text, "");
        else
            EXPECT_EQ(text, "extracted: a.zip\nnot extracted: b.zip: not a ZIP archive\n");
    }
}

#include "BatchOptions.h"

#include <gtest/gtest.h>

namespace {

ParsedCommandLine parse(QStringList args)
{
    args.prepend(QStringLiteral("marrowlyn-batch"));
    return ParseBatchCommandLine(args);
}

} // namespace

TEST(BatchOptions, TakesEveryOption)
{
    auto p = parse({"-o", "/out", "--mode", "one-folder", "--extension", "*", "--password-file", "/pw", "-j", "3",
                    "--quiet", "a.zip", "/in"});
    ASSERT_EQ(p.action, ParsedCommandLine::Action::Run) << p.error.toStdString();
    EXPECT_EQ(p.options.output, "/out");
    EXPECT_EQ(p.options.mode, BatchOptions::Mode::OneFolder);
    EXPECT_EQ(p.options.extension, "*");
    EXPECT_EQ(p.options.passwordFile, "/pw");
    EXPECT_EQ(p.options.jobs, 3);
    EXPECT_TRUE(p.options.quiet);
    EXPECT_EQ(p.options.paths, QStringList({"a.zip", "/in"}));

    auto defaults = parse({"a.zip"});
    ASSERT_EQ(defaults.action, ParsedCommandLine::Action::Run);
    EXPECT_TRUE(defaults.options.output.isEmpty());
    EXPECT_FALSE(defaults.options.mode.has_value());
    EXPECT_EQ(defaults.options.extension, "") << "the kinds the run opens";
    EXPECT_EQ(defaults.options.jobs, 0);
    EXPECT_EQ(parse({"--mode", "subfolders", "x"}).options.mode, BatchOptions::Mode::Subfolders);
    EXPECT_EQ(defaults.options.nameCodePage, 0);
    for (const auto &[name, codePage] : std::initializer_list<std::pair<const char *, int>>{{"auto", 0},
                                                                                            {"Shift_JIS", 932},
                                                                                            {"cp866", 866},
                                                                                            {"windows-1251", 1251},
                                                                                            {"IBM852", 852},
                                                                                            {"gbk", 936},
                                                                                            {"big5", 950},
                                                                                            {"UTF-8", 65001},
                                                                                            {"437", 437}})
        EXPECT_EQ(parse({"--name-encoding", name, "a.zip"}).options.nameCodePage, codePage) << name;
}

TEST(BatchOptions, RefusesBadArgumentsInPlainWords)
{
    struct Case {
        QStringList args;
        const char *mentions;
    } cases[] = {
        {{}, "No archive"},
        {{"--bogus", "a.zip"}, "bogus"},
        {{"--mode", "flat", "a.zip"}, "flat"},
        {{"-j", "0", "a.zip"}, "jobs"},
        {{"-j", "many", "a.zip"}, "many"},
        {{"--password-file", "f", "--password-stdin", "a.zip"}, "not both"},
        {{"-o"}, "-o"},
        {{"--extension", "", "a.zip"}, "extension"},
        {{"--name-encoding", "koi8-r", "a.zip"}, "koi8-r"},
        {{"--name-encoding", "cp1255", "a.zip"}, "cp1255"},
        {{"--subfolder-name", "last-dot", "a.zip"}, "last-dot"},
        {{"--on-conflict", "ask", "a.zip"}, "ask"},
        {{"--after", "move:", "a.zip"}, "move:DIR"},
        {{"--after", "delete", "a.zip"}, "delete"},
        {{"--report", "", "a.zip"}, "report"},
        {{"--kinds", "rar", "a.zip"}, "rar"},
    };
    for (const auto &c : cases) {
        auto p = parse(c.args);
        EXPECT_EQ(p.action, ParsedCommandLine::Action::UsageError) << c.args.join(' ').toStdString();
        EXPECT_TRUE(p.error.contains(QLatin1String(c.mentions))) << p.error.toStdString();
        EXPECT_TRUE(p.error.contains(QLatin1String("--help")));
    }
}

// The file managers' action puts "--" before the names it is given: a file
// called "--report=important.zip" is an archive, never an option.
TEST(BatchOptions, EverythingAfterADoubleDashIsAPath)
{
    auto p = parse({"-q", "--output=-out", "--", "--report=important.zip", "-o", "--help", "--"});
    ASSERT_EQ(p.action, ParsedCommandLine::Action::Run) << p.error.toStdString();
    EXPECT_EQ(p.options.paths, QStringList({"--report=important.zip", "-o", "--help", "--"}));
    EXPECT_TRUE(p.options.run.reportFile.isEmpty());
    EXPECT_EQ(p.options.output, "-out");
    EXPECT_TRUE(p.options.quiet);
}

TEST(BatchOptions, HelpAndVersionWin)
{
    EXPECT_EQ(parse({"--help"}).action, ParsedCommandLine::Action::Help);
    EXPECT_EQ(parse({"--version"}).action, ParsedCommandLine::Action::Version);
    EXPECT_TRUE(parse({"--help"}).helpText.contains("--password-stdin"));
}

// --test and --list: the archives are read, nothing is written.
#include "BatchCommand.h"

#include "CapturedRun.h"
#include "TempDir.h"
#include "ZipBuilder.h"
#include "common/Settings.h"
#include "engine/EngineLibrary.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace fs = std::filesystem;

namespace {

using Ran = CapturedRun;

Ran RunCommand(const QStringList &args)
{
    BatchIo io;
    io.processors = 1;
    return RunCapturingOutput(args, io);
}

QString Q(const fs::path &path) { return QString::fromStdString(path.string()); }

} // namespace

TEST(TestAndList, TestingChecksEveryArchiveAndWritesNothing)
{
    TempDir dir;
    SetEngineLibraryPath(ENGINE_PATH);
    SetSettingsFolder(Q(dir / "config"));
    MakeZip(dir / "good.zip", {{"a/g.txt", "good"}});
    MakeZip(dir / "locked.zip", {{.name = "a/s.txt", .data = "secret", .encrypted = true}}, "right");
    MakeZip(dir / "damaged.zip", {{.name = "a/d.txt", .data = "a text to spoil", .method = ZipMethod::Store}});
    std::string bytes = dir.read("damaged.zip");
    bytes[bytes.find("to spoil")] = 'T';
    dir.write("damaged.zip", bytes);
    dir.write("right", "right\n");
    dir.write("wrong", "wrong\n");
    const struct {
        const char *archive, *passwordFile;
        int status;
        const char *said;
    } cases[] = {
        {"good.zip", nullptr, AllExtracted, "Done."},
        {"locked.zip", "right", AllExtracted, "Done."},
        {"locked.zip", "wrong", SomeNotExtracted, "wrong password"},
        {"locked.zip", nullptr, SomeNotExtracted, "locked.zip"},
        {"damaged.zip", nullptr, SomeNotExtracted, "damaged.zip"},
    };
    for (const auto &c : cases) {
        fs::create_directories(dir / "out");
        QStringList args{"--test", "-o", Q(dir / "out"), "--after", "trash", Q(dir / c.archive)};
        if (c.passwordFile)
            args << "--password-file" << Q(dir / c.passwordFile);
        const Ran ran = RunCommand(args);
        EXPECT_EQ(ran.status, c.status) << c.archive << ran.err;
        EXPECT_NE((ran.out + ran.err).find(c.said), std::string::npos) << c.archive << ran.out << ran.err;
        EXPECT_TRUE(fs::is_empty(dir / "out")) << c.archive;
        EXPECT_TRUE(fs::exists(dir / c.archive)) << c.archive << " is kept whatever --after says";
    }
    SetSettingsFolder(QString());
}

TEST(TestAndList, ListingPrintsOneEscapedLinePerEntry)
{
    TempDir dir;
    SetEngineLibraryPath(ENGINE_PATH);
    const std::time_t when = LocalTime(2021, 8, 31, 14, 5);
    MakeZip(dir / "l.zip",
            {{.name = "docs/r.txt", .data = "read me", .method = ZipMethod::Store, .mtime = when},
             {.name = "tab\there\nforged\tline", .data = "x", .mtime = when, .encrypted = true}},
            "pw");
    const std::string archive = (dir / "l.zip").string();
    Ran ran = RunCommand({"--list", Q(dir / "l.zip")});
    EXPECT_EQ(ran.status, AllExtracted) << ran.err;
    EXPECT_EQ(ran.out,
              archive + "\tdocs/r.txt\t7\t7\tStored\t2021-08-31 14:05:00\t-\n" + archive
                  + "\ttab\\there\\nforged\\tline\t1\t31\tDeflate\t2021-08-31 14:05:00\tencrypted\n");
    EXPECT_FALSE(fs::exists(dir / "l")) << "nothing is extracted";

    dir.write("not.zip", "not an archive");
    ran = RunCommand({"--list", Q(dir / "not.zip")});
    EXPECT_EQ(ran.status, SomeNotExtracted);
    EXPECT_NE(ran.err.find("not.zip"), std::string::npos);
    EXPECT_EQ(RunCommand({"--list", "--test", Q(dir / "l.zip")}).status, UsageError);
}

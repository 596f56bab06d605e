// Archives inside archives, built to do harm: an archive inside is found only
// where this run wrote it, and what it unpacks to counts against the archive
// that brought it.
#include "ArchiveJob.h"
#include "TempDir.h"
#include "ZipBuilder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

QString q(const fs::path &path) { return QString::fromStdString(path.string()); }

std::string zipBytes(const fs::path &scratch, const std::vector<ZipEntry> &entries)
{
    MakeZip(scratch, entries);
    return ReadWholeFile(scratch);
}

ArchiveResult extract(const fs::path &archive, const fs::path &destination, bool remove)
{
    RunOptions options;
    options.nested = true;
    options.removeNested = remove;
    const UnzipFunction unzip = [](const std::string &a, const std::string &d, bool overwrite,
                                   const UnzipHooks &hooks) { return UnzipArchive(a, d, overwrite, hooks); };
    return RunArchiveJob(q(archive), q(destination), unzip, {}, options);
}

} // namespace

TEST(NestedArchives, AreTakenOnlyFromWhereTheyWereWrittenAndRemovedOnlyThere)
{
    TempDir dir;
    // The user's own archives beside the output folder, which the entries' names point at.
    fs::create_directories(dir / "victim");
    MakeZip(dir / "victim/precious.zip", {{"mine.txt", "mine"}});
    MakeZip(dir / "victim/second.zip", {{"mine2.txt", "mine"}});
    const std::string inner = zipBytes(dir / "scratch.zip", {{"theirs.txt", "theirs"}});
    const std::string dots = zipBytes(dir / "scratch.zip", {{"dots.txt", "d"}});
    MakeZip(dir / "evil.zip",
            {{"../../victim/precious.zip", inner}, {(dir / "victim/second.zip").string(), inner}, {"...zip", dots}});

    for (const bool remove : {false, true}) {
        const fs::path out = dir / (remove ? "work/out2" : "work/out");
        const ArchiveResult result = extract(dir / "evil.zip", out, remove);
        ASSERT_FALSE(result.problem) << result.problem->reason.toStdString();
        EXPECT_EQ(result.notes.value(0).toStdString(),
                  remove ? "3 archives inside extracted and removed" : "3 archives inside extracted");
        EXPECT_EQ(ReadWholeFile(out / "victim/precious/theirs.txt"), "theirs");
        EXPECT_TRUE(fs::exists(out / fs::path(dir / "victim/second").relative_path() / "theirs.txt"));
        EXPECT_TRUE(fs::exists(out / "_/dots.txt")) << "a name of dots is no way up";
        EXPECT_FALSE(fs::exists(out.parent_path() / "dots.txt"));
        EXPECT_EQ(fs::exists(out / "victim/precious.zip"), !remove);
        // The user's archives are neither extracted nor removed.
        EXPECT_TRUE(fs::exists(dir / "victim/precious.zip"));
        EXPECT_TRUE(fs::exists(dir / "victim/second.zip"));
        EXPECT_FALSE(fs::exists(dir / "victim/precious"));
        EXPECT_FALSE(fs::exists(dir / "victim/second"));
    }
}

TEST(NestedArchives, WhatTheyUnpackToCountsAgainstTheArchiveThatHoldsThem)
{
    TempDir dir;
    // Zeros deflate about a thousandfold at each level: 4 x 2 MiB from an
    // archive of a few hundred bytes.
    const std::string zeros = zipBytes(dir / "scratch.zip", {{"zeros", std::string(2 << 20, '\0')}});
    MakeZip(dir / "fan.zip", {{"a.zip", zeros}, {"b.zip", zeros}, {"c.zip", zeros}, {"d.zip", zeros}});
    const ArchiveResult result = extract(dir / "fan.zip", dir / "out", false);
    ASSERT_TRUE(result.problem);
    EXPECT_NE(result.problem->reason.toStdString().find("more than 1032 times the size of the archive"),
              std::string::npos)
        << result.problem->reason.toStdString();
    for (const char *folder : {"a", "b", "c", "d"})
        EXPECT_FALSE(fs::exists(dir / "out" / folder / "zeros")) << folder;

    // An honest archive inside is well within the bound.
    MakeZip(dir / "honest.zip", {{"inner.zip", zipBytes(dir / "scratch.zip", {{"text.txt", std::string(5000, 'x')}})}});
    EXPECT_FALSE(extract(dir / "honest.zip", dir / "out2", false).problem);
    EXPECT_TRUE(fs::exists(dir / "out2/inner/text.txt"));
}

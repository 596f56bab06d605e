// The choices of "More Options..." in a run: subfolder names, what becomes of
// clean archives, the report, the notes and "Open Output Folder".
#include "BatchRun.h"
#include "FakeSurface.h"
#include "ScriptedPrompts.h"
#include "SevenZip.h"
#include "Settings.h"
#include "SubfolderNames.h"
#include "TempDir.h"
#include "ZipBuilder.h"
#include "mUnzip.h"

#include <gtest/gtest.h>

#include <QFile>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

QString q(const fs::path &path) { return QString::fromStdString(path.string()); }

} // namespace

TEST(SubfolderNamer, EachRuleAndTheArchivesOfOneRunKeptApart)
{
    using R = RunOptions::SubfolderName;
    const auto tops = [](const QString &archive) -> std::optional<QString> {
        if (archive.contains(QLatin1String("one-top")))
            return QStringLiteral("project");
        return std::nullopt;
    };
    const struct Case {
        R rule;
        QStringList archives;
        QStringList destinations;
    } cases[] = {
        // A name from its first dot on is the output folder itself, never a folder above it.
        {R::FirstDot,
         {"/in/a.v1.zip", "/in/a.v2.zip", "/in/...zip", "/in/photos.tar.gz"},
         {"/out/a", "/out/a", "/out/", "/out/photos"}},
        // The whole suffix of a kind, whatever its letter case; another extension goes alone.
        {R::Full,
         {"/in/p.v1.tar.gz", "/in/q.TGZ", "/in/r.7z.001", "/in/s.part01.rar", "/in/t.part2.rar", "/in/u.txt.gz",
          "/in/v.tar.Z", "/in/.tar.gz"},
         {"/out/p.v1", "/out/q", "/out/r", "/out/s", "/out/t.part2", "/out/u.txt", "/out/v", "/out/.tar"}},
        {R::Full,
         {"/in/a.v1.zip", "/in/a.v2.zip", "/in/b.ZIP", "/in/set.zip.001", "/sub/a.v1.zip", "/in/...zip", "/in/..zip"},
         {"/out/a.v1", "/out/a.v2", "/out/b", "/out/set", "/out/a.v1 (2)", "/out/_", "/out/_ (2)"}},
        {R::Smart,
         {"/in/one-top.zip", "/in/loose.zip", "/in/x/one-top.zip", "/in/project.zip", "/in/...zip"},
         {"/out", "/out/loose", "/out/one-top", "/out/project (2)", "/out/_"}},
    };
    for (const Case &c : cases) {
        SubfolderNamer namer(c.rule, tops);
        QStringList got;
        for (const QString &archive : c.archives)
            got << namer.destinationFor(archive, QStringLiteral("/out"), UnzipMode::OwnSubfolder, QLatin1Char('/'));
        EXPECT_EQ(got, c.destinations) << int(c.rule);
        EXPECT_EQ(namer.destinationFor("/in/a.zip", "/out", UnzipMode::OneFolder, QLatin1Char('/')), "/out");
    }
}

class RunOptionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetSettingsFolder(q(dir / "config"));
        qputenv("XDG_DATA_HOME", QFile::encodeName(q(dir / "data")));
        fs::create_directories(dir / "data");
        surface.outputText = q(out);
        fs::create_directories(out);
        fs::create_directories(dir / "in");
        SetCurrentPassword("");
    }
    void TearDown() override { qunsetenv("XDG_DATA_HOME"); }

    // A good archive, a split set of three parts and a damaged one.
    void listArchives()
    {
        MakeZip(dir / "in/good.zip", {{"top/a.txt", "A"}});
        MakeZip(dir / "whole.zip", {{"s.txt", std::string(900, 's')}});
        const std::string whole = dir.read("whole.zip");
        const size_t piece = whole.size() / 3 + 1;
        for (size_t at = 0, n = 1; at < whole.size(); at += piece, ++n)
            dir.write("in/set.zip.00" + std::to_string(n), whole.substr(at, piece));
        dir.write("in/bad.zip", "PK but nothing more");
        for (const char *name : {"good.zip", "set.zip.001", "bad.zip"})
            surface.list.Add(q(dir / "in" / name));
    }

    TempDir dir;
    fs::path out = dir / "out";
    ScriptedPrompts prompts;
    FakeSurface surface{prompts};
};

// Archives inside are extracted once, beside themselves; one that fails
// keeps the outer archive from counting as clean (so it is not moved).
TEST_F(RunOptionsTest, ArchivesInsideAreExtractedOnceBesideThemselves)
{
    MakeZip(dir / "deepest.zip", {{"never.txt", "not opened: only one level"}});
    MakeZip(dir / "inner.zip", {{"i.txt", "inside"}, {"deepest.zip", dir.read("deepest.zip")}});
    MakeZip(dir / "in/outer.zip", {{"docs/inner.zip", dir.read("inner.zip")}, {"o.txt", "outer"}});
    MakeZip(dir / "in/broken.zip", {{"bad.zip", "PK not really"}});
    for (const char *name : {"outer.zip", "broken.zip"})
        surface.list.Add(q(dir / "in" / name));
    fs::create_directories(dir / "done");
    BatchRun run(surface);
    RunOptions options;
    options.nested = options.removeNested = true;
    options.after = RunOptions::After::Move;
    options.afterFolder = q(dir / "done");
    run.runOptions = [&] { return options; };
    prompts.expectMessage();
    run.Start();

    EXPECT_EQ(dir.read("out/outer/docs/inner/i.txt"), "inside");
    EXPECT_TRUE(fs::exists(out / "outer/docs/inner/deepest.zip"));
    EXPECT_FALSE(fs::exists(out / "outer/docs/inner/deepest"));
    EXPECT_FALSE(fs::exists(out / "outer/docs/inner.zip")) << "removed once extracted";
    EXPECT_TRUE(fs::exists(dir / "done/outer.zip"));
    EXPECT_TRUE(fs::exists(out / "broken/bad.zip")) << "one that failed is kept";
    EXPECT_TRUE(fs::exists(dir / "in/broken.zip"));
    const QString box = prompts.last().text;
    EXPECT_TRUE(box.contains(q(dir / "in/broken.zip") + ": extracted, but not every archive inside: bad.zip: "))
        << box.toStdString();
    EXPECT_TRUE(box.contains("1 archive inside extracted and removed")) << box.toStdString();
}

// Only clean archives move, a set with all its parts; the report has a line
// for each archive, and the box offers to open the output folder.
TEST_F(RunOptionsTest, CleanArchivesMoveOrGoToTheTrashAndTheRunIsReported)
{
    listArchives();
    fs::create_directories(dir / "done");
    dir.write("done/good.zip", "an older file of that name stays");
    BatchRun run(surface);
    RunOptions options;
    options.subfolderName = RunOptions::SubfolderName::Smart;
    options.after = RunOptions::After::Move;
    options.afterFolder = q(dir / "done");
    options.report = true;
    run.runOptions = [&] { return options; };
    run.clock = [] { return QDateTime(QDate(2026, 12, 9), QTime(10, 30, 0)); };
    prompts.expectMessage(Prompts::Answer::OpenFolder).expectOpenWithShell();
    run.Start();

    EXPECT_EQ(dir.read("out/top/a.txt"), "A") << "one top folder: no folder of its own";
    EXPECT_EQ(dir.read("out/set/s.txt"), std::string(900, 's'));
    for (const char *moved : {"done/good (2).zip", "done/set.zip.001", "done/set.zip.002", "done/set.zip.003"})
        EXPECT_TRUE(fs::exists(dir / moved)) << moved;
    EXPECT_EQ(dir.read("done/good.zip"), "an older file of that name stays");
    EXPECT_TRUE(fs::exists(dir / "in/bad.zip")) << "an archive that failed is never touched";
    const auto &box = prompts.calls().front();
    EXPECT_EQ(box.buttons, Prompts::Buttons::OkOpenFolder);
    EXPECT_TRUE(box.text.contains(q(dir / "in/good.zip") + ": moved to \"" + q(dir / "done") + "\""))
        << box.text.toStdString();
    EXPECT_EQ(prompts.last().text, surface.outputText);

    const std::string report = dir.read("out/Marrowlyn report 2026-12-09 10-30-00.csv");
    EXPECT_TRUE(report.starts_with("archive,destination,result,reason,files,bytes,seconds\r\n")) << report;
    const std::string setLine = dir.str() + "/in/set.zip.001," + dir.str() + "/out/set,extracted,";
    ASSERT_NE(report.find(setLine), std::string::npos) << report;
    EXPECT_NE(report.find(",1,900,", report.find(setLine)), std::string::npos) << report;
    EXPECT_NE(report.find(dir.str() + "/in/bad.zip," + dir.str() + "/out/bad,failed,"), std::string::npos) << report;

    // The trash takes a set whole too.
    surface.list.Clear();
    listArchives();
    options = RunOptions{};
    options.after = RunOptions::After::Trash;
    prompts.expectMessage();
    run.Start();
    for (const char *name : {"good.zip", "set.zip.001", "set.zip.002", "set.zip.003"}) {
        EXPECT_FALSE(fs::exists(dir / "in" / name)) << name;
        EXPECT_TRUE(fs::exists(dir / "data/Trash/files" / name)) << name;
    }
    EXPECT_TRUE(fs::exists(dir / "in/bad.zip"));
}

// A 7z and a tar.gz in the window's list: opened with every kind, refused
// at "ZIP only" with the way to open them; a ZIP is extracted either way.
TEST_F(RunOptionsTest, ArchiveKindsDecideWhetherOtherKindsAreOpened)
{
    if (!Have7zz())
        GTEST_SKIP() << "7zz (Debian package 7zip) is needed";
    dir.write("src/t.txt", "t");
    ASSERT_TRUE(ShellIn(dir.path(), "tar czf in/b.tar.gz -C src t.txt && 7zz a in/c.7z ./src/t.txt"));
    MakeZip(dir / "in/a.zip", {{"a.txt", "a"}});
    const struct Case {
        RunOptions::Kinds kinds;
        const char *folder;
        const char *expected; // a.txt, then b's and c's t.txt
    } cases[] = {{RunOptions::Kinds::All, "all", "att"}, {RunOptions::Kinds::Zip, "zip", "a"}};
    for (const Case &c : cases) {
        surface.list.Clear();
        for (const char *name : {"a.zip", "b.tar.gz", "c.7z"})
            surface.list.Add(q(dir / "in" / name));
        surface.outputText = q(out / c.folder);
        fs::create_directories(out / c.folder);
        BatchRun run(surface);
        RunOptions options;
        options.kinds = c.kinds;
        run.runOptions = [&] { return options; };
        prompts.expectMessage();
        run.Start();
        const std::string folder = std::string("out/") + c.folder;
        EXPECT_EQ(dir.read(folder + "/a/a.txt") + dir.read(folder + "/b/t.txt") + dir.read(folder + "/c/t.txt"),
                  c.expected);
        const QString box = prompts.last().text;
        EXPECT_EQ(box.contains(q(dir / "in/c.7z")
                               + ": not a ZIP archive: choose \"Every kind Marrowlyn reads\" in "
                                 "More Options to open it"),
                  c.kinds == RunOptions::Kinds::Zip)
            << box.toStdString();
    }
}

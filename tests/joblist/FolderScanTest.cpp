#include "AddFolder.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"

#include <QCoreApplication>
#include "AsOtherUser.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

QString q(const fs::path &path) { return QString::fromStdString(path.string()); }

// The folder as the list holds it: with its trailing separator.
QString entry(const TempDir &dir, const char *relative = "")
{
    const QString path = q(dir.path() / relative);
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

QStringList scan(const QString &start, bool recurse = true, const ScanHooks &hooks = {})
{
    FolderList folders{start};
    GetSubDirectories2016(folders, recurse, hooks);
    return folders;
}

void makeFolders(const TempDir &dir, std::initializer_list<const char *> relatives)
{
    for (const char *relative : relatives)
        fs::create_directories(dir / relative);
}

} // namespace

TEST(BrowseForFolder, AnswersThePickedFolderWithoutTrailingSeparator)
{
    ScriptedPrompts prompts;
    prompts.expectPickFolder(QString())
        .expectPickFolder(QStringLiteral("/srv/in/"))
        .expectPickFolder(QStringLiteral("/"));
    EXPECT_EQ(BrowseForFolder(prompts, QStringLiteral("Please select folder:"), QStringLiteral("/srv")), QString());
    EXPECT_EQ(prompts.last().text, QStringLiteral("Please select folder:"));
    EXPECT_EQ(prompts.last().preset, QStringLiteral("/srv"));
    EXPECT_EQ(BrowseForFolder(prompts, QStringLiteral("Please select folder:"), QString()), QStringLiteral("/srv/in"));
    EXPECT_EQ(BrowseForFolder(prompts, QStringLiteral("Please select folder:"), QString()), QStringLiteral("/"));
}

TEST(FolderScan, LevelByLevelEachGroupInListingOrder)
{
    TempDir dir;
    makeFolders(dir, {"b/x/deep", "b/Y", "A/z", "c"});
    dir.write("b/file.zip", ""); // files are not folders
    const QStringList expected = {entry(dir),        entry(dir, "A"),   entry(dir, "b"),   entry(dir, "c"),
                                  entry(dir, "A/z"), entry(dir, "b/x"), entry(dir, "b/Y"), entry(dir, "b/x/deep")};
    EXPECT_EQ(scan(entry(dir)), expected);
    // Without recursion: the start folder and its own sub-folders only.
    EXPECT_EQ(scan(entry(dir), false), expected.mid(0, 4));
    // Several starting folders: each level holds the sub-folders of every folder of the level above.
    FolderList two{entry(dir, "b"), entry(dir, "A")};
    GetSubDirectories2016(two, true);
    EXPECT_EQ(two,
              (QStringList{entry(dir, "b"), entry(dir, "A"), entry(dir, "b/x"), entry(dir, "b/Y"), entry(dir, "A/z"),
                           entry(dir, "b/x/deep")}));
}

TEST(FolderScan, SymbolicLinksAreNeitherListedNorFollowed)
{
    TempDir dir;
    makeFolders(dir, {"tree/a/b"});
    fs::create_directory_symlink("..", dir / "tree/a/b/up");          // a loop back to a
    fs::create_directory_symlink(dir / "tree", dir / "tree/a/again"); // a loop back to the top
    fs::create_directory_symlink(dir / "tree/a", dir / "start");
    const QStringList result = scan(entry(dir, "tree"));
    EXPECT_EQ(result, (QStringList{entry(dir, "tree"), entry(dir, "tree/a"), entry(dir, "tree/a/b")}));

    // A start folder that is itself a link is still read.
    EXPECT_EQ(scan(entry(dir, "start")), (QStringList{entry(dir, "start"), entry(dir, "start/b")}));
}

TEST(FolderScan, NamesTheSystemCannotTakeBackAreLeftOut)
{
    TempDir dir;
    makeFolders(dir, {"Backup 2020/inner", "tab\there/inner", "what?/inner", "\xc3\xa9t\xc3\xa9"});
    ASSERT_EQ(::mkdir((dir.str() + "/latin1-\xe9").c_str(), 0755), 0);
    ASSERT_EQ(::mkdir((dir.str() + "/latin1-\xe9/inner").c_str(), 0755), 0);
    EXPECT_EQ(scan(entry(dir)),
              (QStringList{entry(dir), entry(dir, "Backup 2020"), entry(dir, "\xc3\xa9t\xc3\xa9"),
                           entry(dir, "Backup 2020/inner")}));
}

TEST(FolderScan, EntriesThatAreNotFoldersStayUnread)
{
    TempDir dir;
    makeFolders(dir, {"a/b"});
    const QString file = q(dir.write("file", ""));
    const QString missing = entry(dir, "missing");
    FolderList folders{missing, file + QLatin1Char('/'), entry(dir, "a"), entry(dir, "a")};
    GetSubDirectories2016(folders, true);
    // Duplicates are read twice, and what is not a folder is simply passed by.
    EXPECT_EQ(folders,
              (QStringList{missing, file + QLatin1Char('/'), entry(dir, "a"), entry(dir, "a"), entry(dir, "a/b"),
                           entry(dir, "a/b")}));
}

TEST(FolderScan, PumpsEventsAndReportsItsOwnFailuresThenGoesOn)
{
    TempDir dir;
    makeFolders(dir, {"a/b", "c"});
    int pumps = 0;
    ScriptedPrompts prompts;
    prompts.expectMessage();
    ScanHooks hooks;
    hooks.prompts = &prompts;
    hooks.pumpEvents = [&] {
        if (++pumps == 2)
            throw std::runtime_error("window went away");
    };
    EXPECT_EQ(scan(entry(dir), true, hooks),
              (QStringList{entry(dir), entry(dir, "a"), entry(dir, "c"), entry(dir, "a/b")}));
    // Once per folder read, per sub-folder found, and per folder added.
    EXPECT_GE(pumps, 4 + 3 + 3);
    EXPECT_EQ(prompts.last().title, QStringLiteral("Application Error"));
    EXPECT_TRUE(prompts.last().text.startsWith(
        QStringLiteral("window went away\r\nin BrenvikTitle2021/08/31.AddFolder.GetSubDirectories2016 at line ")))
        << prompts.last().text.toStdString();
}

TEST(FolderScan, UnreadableFoldersAreDroppedWithEverythingBelow)
{
    TempDir dir;
    makeFolders(dir, {"one/a/b/c", "two/a/b/c", "three/a", "four/a", "four/b", "four/c/d"});
    for (const auto &item : fs::recursive_directory_iterator(dir.path()))
        fs::permissions(item.path(), fs::perms(0755));
    fs::permissions(dir.path(), fs::perms(0755));
    fs::permissions(dir / "one/a/b", fs::perms(0700));
    fs::permissions(dir / "two/a/b/c", fs::perms(0700));
    fs::permissions(dir / "three", fs::perms(0700));
    fs::permissions(dir / "four/a", fs::perms(0700));
    fs::permissions(dir / "four/b", fs::perms(0700));

    // Root reads everything, so the scan runs as an ordinary user.
    QString command = QStringLiteral(SCAN_HELPER);
    const auto asNobody = UnprivilegedCommandPrefix();
    if (!asNobody)
        GTEST_SKIP() << "running as root without setpriv: no folder is unreadable to root";
    command = QString::fromStdString(*asNobody) + command;
    if (::geteuid() != 0) {
        for (const char *folder : {"one/a/b", "two/a/b/c", "three", "four/a", "four/b"})
            fs::permissions(dir / folder, fs::perms(0));
    }
    auto run = [&](const char *start) {
        const QString line = command + QLatin1Char(' ') + entry(dir, start);
        QStringList lines;
        if (FILE *pipe = ::popen(line.toLocal8Bit().constData(), "r")) {
            char buffer[4096];
            while (std::fgets(buffer, sizeof buffer, pipe))
                lines << QString::fromLocal8Bit(buffer).trimmed();
            ::pclose(pipe);
        }
        return lines;
    };
    EXPECT_EQ(run("one/a"), (QStringList{entry(dir, "one/a")}));
    EXPECT_EQ(run("two/a"), (QStringList{entry(dir, "two/a"), entry(dir, "two/a/b")}));
    // Two unreadable neighbours: each is dropped, and the folder after them still read.
    EXPECT_EQ(run("four"), (QStringList{entry(dir, "four"), entry(dir, "four/c"), entry(dir, "four/c/d")}));
    // An unreadable start folder leaves the list empty.
    EXPECT_EQ(run("three"), QStringList());
}

TEST(FolderScan, LargeTreeScansWithTheEventLoopPumped)
{
    TempDir dir;
    // 20 x 20 x 30 = 12,000 folders, plus the two levels above them.
    for (int i = 0; i < 20; ++i)
        for (int j = 0; j < 20; ++j)
            for (int k = 0; k < 30; ++k)
                fs::create_directories(dir.path() / std::to_string(i) / std::to_string(j) / std::to_string(k));
    ScanHooks hooks;
    hooks.pumpEvents = [] { QCoreApplication::processEvents(); };
    // How fast is bench/load-window's to say (a timed test fails on a busy machine).
    const QStringList folders = scan(entry(dir), true, hooks);
    EXPECT_EQ(folders.size(), 1 + 20 + 400 + 12000);
}

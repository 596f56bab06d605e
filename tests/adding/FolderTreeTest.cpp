#include "AddingTestSupport.h"

#include "AddFolder.h"
#include "ArchiveScan.h"
#include "Settings.h"

#include <QDir>
#include <QElapsedTimer>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

const QString Prompt = QStringLiteral(
    "Enter file extension to load:\r\r(* for all files, txt for all txt files, doc for all doc files, etc.)");

QString Stored(const QString &key)
{
    return GetSetting(SettingsApplication, SettingsSection, key, QStringLiteral("<absent>"));
}

// tree/ a.zip B.ZIP notes.txt ~temp.zip .hidden.zip two..zip
//       sub/ c.zip  sub/deeper/ d.zip  .dotdir/ e.zip
void MakeTree(const TempDir &dir)
{
    for (const char *name : {"tree/a.zip", "tree/B.ZIP", "tree/notes.txt", "tree/~temp.zip", "tree/.hidden.zip",
                             "tree/two..zip", "tree/sub/c.zip", "tree/sub/deeper/d.zip", "tree/.dotdir/e.zip"})
        dir.write(name, "PK");
}

} // namespace

TEST(AddAllInFolder, ExtensionAsTypedPicksTheFilesOfTheWholeTree)
{
    AddingFixture f;
    MakeTree(f.dir);
    const QString tree = Q(f.dir / "tree");

    f.prompts.expectInput(QStringLiteral("zip")).expectPickFolder(tree);
    PushButton4_Click(f.context);
    const auto &ask = f.prompts.calls().at(0);
    EXPECT_EQ(ask.text, Prompt);
    EXPECT_EQ(ask.title, QStringLiteral("Marrowlyn"));
    EXPECT_EQ(ask.preset, QStringLiteral("zip")) << "the stored extension defaults to zip";
    EXPECT_EQ(f.prompts.calls().at(1).text, QStringLiteral("Please select folder:"));
    EXPECT_EQ(f.prompts.calls().at(1).preset, QDir::homePath()) << "no last folder yet";
    // The first level comes before the deeper ones; within a folder the file
    // system's order holds.
    ASSERT_EQ(f.list.Count(), 6);
    EXPECT_EQ(Sorted(f.list.rows().mid(0, 3)), Sorted({tree + "/a.zip", tree + "/B.ZIP", tree + "/two..zip"}));
    EXPECT_EQ(Sorted(f.list.rows().mid(3, 2)), Sorted({tree + "/.dotdir/e.zip", tree + "/sub/c.zip"}))
        << "a dot-folder is read like any other; only dot-files are left out";
    EXPECT_EQ(f.list.Text(6), tree + "/sub/deeper/d.zip");
    EXPECT_EQ(f.scanning, (std::vector<bool>{true, false})) << "busy while the tree is read";
    EXPECT_EQ(Stored(SettingKey::Extension), QStringLiteral("zip"));
    EXPECT_EQ(Stored(SettingKey::LastFolder), tree);
    EXPECT_EQ(f.context.lastFolder, tree);

    f.list.Clear();
    f.prompts.expectInput(QStringLiteral("*")).expectPickFolder(tree);
    PushButton4_Click(f.context);
    EXPECT_EQ(f.prompts.calls().at(3).preset, tree) << "the picker opens at the last folder";
    EXPECT_EQ(Sorted(f.list.rows()),
              Sorted({tree + "/a.zip", tree + "/B.ZIP", tree + "/notes.txt", tree + "/two..zip",
                      tree + "/.dotdir/e.zip", tree + "/sub/c.zip", tree + "/sub/deeper/d.zip"}))
        << "every file but ~ names and dot-files";
}

TEST(AddAllInFolder, CancellingKeepsWhatWasAlreadyAnswered)
{
    AddingFixture f;
    MakeTree(f.dir);
    SaveSetting(SettingsApplication, SettingsSection, SettingKey::LastFolder, QStringLiteral("/somewhere"));

    f.prompts.expectInput(QString());
    PushButton4_Click(f.context);
    EXPECT_EQ(Stored(SettingKey::Extension), QStringLiteral("<absent>")) << "a cancelled prompt stores nothing";
    EXPECT_EQ(f.prompts.calls().size(), 1u) << "and asks for no folder";

    f.prompts.expectInput(QStringLiteral("txt")).expectPickFolder(QString());
    PushButton4_Click(f.context);
    EXPECT_EQ(f.prompts.last().preset, QDir::homePath()) << "the last folder is gone";
    EXPECT_EQ(Stored(SettingKey::Extension), QStringLiteral("txt")) << "the new extension is kept";
    EXPECT_EQ(Stored(SettingKey::LastFolder), QStringLiteral("/somewhere"));
    EXPECT_EQ(f.list.Count(), 0);
    EXPECT_TRUE(f.scanning.empty());
}

TEST(AddAllInFolder, UnreadableFoldersAreLeftOutQuietly)
{
    TempDir dir;
    dir.write("top/a.zip", "PK");
    dir.write("top/locked/b.zip", "PK");
    dir.write("top/locked/inner/c.zip", "PK");
    dir.write("top/open/d.zip", "PK");
    dir.write("shut/e.zip", "PK");
    fs::permissions(dir.path(), fs::perms(0755));
    fs::permissions(dir / "top/locked", fs::perms::none);
    fs::permissions(dir / "shut", fs::perms::none);
    const QString top = Q(dir / "top");
    const QString shut = Q(dir / "shut");

    std::string skip;
    const QStringList lines = RunAsNobody(
        [&] {
            const ScanHooks hooks;
            QStringList out = CollectArchives(top, QStringLiteral("zip"), hooks);
            const QStringList unreadable = CollectArchives(shut, QStringLiteral("zip"), hooks);
            out << QStringLiteral("shut: %1").arg(unreadable.size());
            return out;
        },
        skip);
    if (!skip.empty())
        GTEST_SKIP() << skip;
    EXPECT_EQ(Sorted(lines), Sorted({top + "/a.zip", top + "/open/d.zip", QStringLiteral("shut: 0")}));
}

TEST(AddAllInFolder, LargeTreeIsReadWithTheWindowKeptAlive)
{
    TempDir dir;
    constexpr int Branches = 100;
    constexpr int Leaves = 200; // 20,100 folders in all
    for (int b = 0; b < Branches; ++b) {
        const fs::path branch = dir / ("tree/b" + std::to_string(b));
        fs::create_directories(branch);
        for (int l = 0; l < Leaves; ++l)
            fs::create_directory(branch / ("l" + std::to_string(l)));
        dir.write("tree/b" + std::to_string(b) + "/l7/found.zip", "PK");
    }
    int pumps = 0;
    ScanHooks hooks;
    hooks.pumpEvents = ThrottledPump([&pumps] { ++pumps; }, 5);
    QElapsedTimer clock;
    clock.start();
    const QStringList rows = CollectArchives(Q(dir / "tree"), QStringLiteral("zip"), hooks);
    const qint64 elapsed = clock.elapsed();
    EXPECT_EQ(rows.size(), Branches);
    RecordProperty("scan_ms", int(elapsed));
    EXPECT_GE(pumps, 1) << "events were pumped during the scan";
    EXPECT_LE(pumps, elapsed / 5 + 2) << "pumping is throttled, not once per folder";
}

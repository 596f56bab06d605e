#include "AddingTestSupport.h"

#include "DropData.h"

#include <QMimeData>
#include <QUrl>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(DropOnList, FoldersAreScannedForEveryFileAndFilesAddedAsTheyAre)
{
    AddingFixture f;
    f.dir.write("one/x.txt", "x");
    f.dir.write("one/~lock.zip", "x");
    f.dir.write("one/.keep", "x");
    f.dir.write("one/deep/y.zip", "x");
    f.dir.write("two/z.rar", "x");
    const fs::path loose = f.dir.write("~loose.doc", "x");
    const QString one = Q(f.dir / "one");
    const QString two = Q(f.dir / "two");
    const QString gone = Q(f.dir / "vanished.zip");

    ListView1_OLEDragDrop(f.context, {one, Q(loose), two, gone});
    EXPECT_EQ(f.list.rows(), (QStringList{one + "/x.txt", one + "/deep/y.zip", Q(loose), two + "/z.rar", gone}))
        << "in the order dropped; ~ names and dot-files only left out of folders; a vanished file still listed";
    EXPECT_EQ(f.scanning, (std::vector<bool>{true, false, true, false})) << "busy while each dropped folder is scanned";
    EXPECT_TRUE(f.prompts.calls().empty());

    ListView1_OLEDragDrop(f.context, {one + "/"});
    EXPECT_EQ(f.list.Text(6), one + "/x.txt") << "a trailing separator on a dropped folder is not doubled";
}

TEST(DropOnList, TheDroppedPartsOfASetBecomeOneRow)
{
    AddingFixture f;
    QStringList dropped;
    for (const char *name : {"a.zip.001", "a.zip.002", "a.zip.003", "b.z01", "b.z02", "b.zip", "c.zip.002"})
        dropped << Q(f.dir.write(name, "x"));
    f.dir.write("c.zip.001", "x");
    ListView1_OLEDragDrop(f.context, dropped);
    EXPECT_EQ(f.list.rows(), (QStringList{Q(f.dir / "a.zip.001"), Q(f.dir / "b.zip"), Q(f.dir / "c.zip.001")}))
        << "a later part dropped alone is listed by its set's first part";
}

TEST(DropOnList, EntriesThatCannotBeExaminedAreReportedAndTheRestAdded)
{
    AddingFixture f;
    f.dir.write("fine.zip", "x");
    f.dir.write("shut/inside.zip", "x");
    f.dir.write("closed/hidden.zip", "x");
    fs::permissions(f.dir.path(), fs::perms(0755));
    fs::permissions(f.dir / "shut", fs::perms::none);
    fs::permissions(f.dir / "closed", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const QString shut = Q(f.dir / "shut");
    const QString behind = Q(f.dir / "closed/hidden.zip");
    const QString fine = Q(f.dir / "fine.zip");

    std::string skip;
    const QStringList lines = RunAsNobody(
        [&] {
            ScriptedPrompts prompts;
            prompts.expectMessage();
            MemoryJobList list;
            AddingContext context{list, prompts, QStringLiteral("Marrowlyn"), {}, {}, {}, NativeSeparator, {}, {}};
            ListView1_OLEDragDrop(context, {shut, behind, fine});
            QStringList out = list.rows();
            out << prompts.last().text << prompts.last().detail.split(QChar('\n'));
            return out;
        },
        skip);
    if (!skip.empty())
        GTEST_SKIP() << skip;
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines.at(0), fine);
    EXPECT_EQ(lines.at(1), QStringLiteral("2 dropped items could not be examined and were not added."));
    EXPECT_TRUE(lines.at(2).startsWith(shut + ": ")) << lines.at(2).toStdString();
    EXPECT_TRUE(lines.at(3).startsWith(behind + ": ")) << lines.at(3).toStdString();
}

TEST(DropOnList, OnlyLocalFileListsAreAccepted)
{
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile("/a/b.zip"), QUrl::fromLocalFile("/c d/")});
    ASSERT_TRUE(DroppedFileList(&files).has_value());
    EXPECT_EQ(*DroppedFileList(&files), (QStringList{"/a/b.zip", "/c d/"}));

    QMimeData text;
    text.setText(QStringLiteral("/a/b.zip"));
    EXPECT_FALSE(DroppedFileList(&text).has_value());

    QMimeData mixed;
    mixed.setUrls({QUrl::fromLocalFile("/a/b.zip"), QUrl(QStringLiteral("https://example.org/c.zip"))});
    EXPECT_FALSE(DroppedFileList(&mixed).has_value());
    EXPECT_FALSE(DroppedFileList(nullptr).has_value());
}

// "Archive kinds: Every kind Marrowlyn reads" widens what the adding commands
// offer and collect; at "ZIP only" they stay exactly as they were. The later
// parts of 7z and RAR sets give way to their first in scans and drops alike.
#include "AddingTestSupport.h"

#include <gtest/gtest.h>

namespace {

void MakeKinds(const TempDir &dir)
{
    for (const char *name : {"a.zip", "b.7z", "c.tar.gz", "s.7z.001", "s.7z.002", "r.part1.rar", "r.part2.rar",
                             "old.rar", "old.r00", "notes.txt", "setup.exe"})
        dir.write(std::string("kinds/") + name, "x");
}

} // namespace

TEST(EveryKind, WidensTheDialogAndTheFolderScanAndNothingAtZipOnly)
{
    const struct Case {
        bool everyKind;
        const char *filterStart;
        const char *promptStart;
        QStringList scanned; // for "zip 7z rar"
    } cases[] = {
        {false, "Zip Files (*.zip)|*.zip|Split Zip Files (*.zip.001)|*.zip.001", "Enter file extension to load:", {}},
        {true,
         "Archives (*.zip *.7z *.rar *.tar *.tgz *.tar.gz ",
         "Enter the file extensions to load",
         {"a.zip", "b.7z", "old.rar", "r.part1.rar", "s.7z.001"}},
    };
    for (const Case &c : cases) {
        AddingFixture f;
        MakeKinds(f.dir);
        f.context.everyKind = c.everyKind;
        f.prompts.expectOpenFiles(QString());
        PushButton1_Click(f.context);
        EXPECT_TRUE(f.prompts.last().filter.startsWith(QLatin1String(c.filterStart)))
            << f.prompts.last().filter.toStdString();
        EXPECT_EQ(f.prompts.last().filter.endsWith(
                      QLatin1String("*.001;*.exe|Zip Files (*.zip)|*.zip|Split Zip Files (*.zip.001)|*.zip.001")),
                  c.everyKind);

        f.prompts.expectInput(QStringLiteral("zip 7z .rar")).expectPickFolder(Q(f.dir / "kinds"));
        PushButton4_Click(f.context);
        EXPECT_TRUE(f.prompts.calls().at(1).text.startsWith(QLatin1String(c.promptStart)));
        QStringList names;
        for (const QString &row : f.list.rows())
            names << row.section(QLatin1Char('/'), -1);
        EXPECT_EQ(Sorted(names), c.scanned) << c.everyKind;
    }
}

TEST(EveryKind, TheLaterPartsOfSetsGiveWayToTheFirstWhenDropped)
{
    AddingFixture f;
    MakeKinds(f.dir);
    const QString kinds = Q(f.dir / "kinds");
    ListView1_OLEDragDrop(f.context,
                          {kinds + "/s.7z.002", kinds + "/old.r00", kinds + "/r.part2.rar", kinds + "/old.rar"});
    EXPECT_EQ(f.list.rows(), (QStringList{kinds + "/s.7z.001", kinds + "/old.rar", kinds + "/r.part1.rar"}));
    f.list.Clear();
    ListView1_OLEDragDrop(f.context, {kinds});
    QStringList names;
    for (const QString &row : f.list.rows())
        names << row.section(QLatin1Char('/'), -1);
    EXPECT_EQ(Sorted(names),
              Sorted({"a.zip", "b.7z", "c.tar.gz", "notes.txt", "old.rar", "r.part1.rar", "s.7z.001", "setup.exe"}));
}

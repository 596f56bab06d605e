#include "ArchiveScan.h"
#include "PartSets.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

QString q(const std::filesystem::path &path) { return QString::fromStdString(path.string()); }

QStringList PathsIn(const std::filesystem::path &folder, const Names &names)
{
    QStringList paths;
    for (const std::string &name : names)
        paths << q(folder / name);
    return paths;
}

} // namespace

TEST(PartSets, ALaterPartGivesWayToThePathItsSetIsExtractedFrom)
{
    const struct Case {
        Names files;   // beside each other in one folder
        Names given;   // in this order
        Names rows;
        const char *why;
    } cases[] = {
        {{"a.zip.001", "a.zip.002", "a.zip.003"}, {"a.zip.001", "a.zip.002", "a.zip.003"}, {"a.zip.001"},
         "a split set by its first part"},
        {{"a.zip.001", "a.zip.002", "a.zip.003"}, {"a.zip.003", "a.zip.002", "a.zip.001"}, {"a.zip.001"},
         "later parts first: the first part in the place of the first of them, once"},
        {{"b.z01", "b.z02", "b.zip"}, {"b.z01", "b.z02", "b.zip"}, {"b.zip"}, "a spanned set by its last part"},
        {{"A.ZIP.001", "A.ZIP.002", "B.Z01", "B.ZIP"}, {"A.ZIP.002", "B.Z01"}, {"A.ZIP.001", "B.ZIP"},
         "upper case"},
        {{"c.Zip.001", "c.zip.002", "d.z01", "d.Zip"}, {"c.zip.002", "d.z01"}, {"c.Zip.001", "d.Zip"},
         "a first part whose extension has another letter case"},
        {{"e.zip.002", "f.z01", "f.z02"}, {"e.zip.002", "f.z01", "f.z02"}, {"e.zip.002", "f.z01", "f.z02"},
         "no first part beside them: left for the run to report"},
        {{"g.zip.001", "g.zip.1000", "h.z100", "h.zip"}, {"g.zip.1000", "h.z100"}, {"g.zip.001", "h.zip"},
         "more digits"},
        {{"movie.mkv.001", "movie.mkv.002", "x.001", "x.002"}, {"movie.mkv.002", "x.002"}, {"movie.mkv.002", "x.002"},
         "other split files are not archives in parts"},
        {{"p.zip", "p.zip.001", "p.zip.002"}, {"p.zip", "p.zip.002", "p.zip", "p.zip.001"},
         {"p.zip", "p.zip.001", "p.zip"}, "a path given twice stays twice; only the rule's own repeats go"},
    };
    for (const Case &c : cases) {
        TempDir dir;
        for (const std::string &name : c.files)
            dir.write(name, "x");
        PartSetFilter sets;
        QStringList rows;
        for (const QString &path : PathsIn(dir.path(), c.given)) {
            if (const QString row = sets.admit(path); !row.isEmpty())
                rows << row;
        }
        EXPECT_EQ(rows, PathsIn(dir.path(), c.rows)) << c.why;
    }
}

TEST(PartSets, AFolderScanListsOneRowPerSet)
{
    TempDir dir;
    for (const char *name : {"a.zip.001", "a.zip.002", "a.zip.003", "b.z01", "b.z02", "b.zip", "movie.mkv.001",
                             "movie.mkv.002", "plain.zip", "sub/C.ZIP.001", "sub/C.ZIP.002", "sub/d.Z01", "sub/d.ZIP"})
        dir.write(name, "x");
    const std::filesystem::path sub = dir / "sub";
    EXPECT_EQ(CollectArchives(q(dir.path()), QStringLiteral("zip")),
              PathsIn(dir.path(), {"a.zip.001", "b.zip", "plain.zip"}) + PathsIn(sub, {"C.ZIP.001", "d.ZIP"}));
    EXPECT_EQ(CollectArchives(q(dir.path()), QStringLiteral("*")),
              PathsIn(dir.path(), {"a.zip.001", "b.zip", "movie.mkv.001", "movie.mkv.002", "plain.zip"})
                  + PathsIn(sub, {"C.ZIP.001", "d.ZIP"}));
    EXPECT_EQ(CollectArchives(q(dir.path()), QStringLiteral("z01")), PathsIn(dir.path(), {"b.zip"}) + PathsIn(sub, {"d.ZIP"}))
        << "a scan for one later part finds the set";
    // What a run weighs each row by.
    EXPECT_EQ(PartsOfSet(q(dir / "a.zip.001")), PathsIn(dir.path(), {"a.zip.001", "a.zip.002", "a.zip.003"}));
    EXPECT_EQ(PartsOfSet(q(dir / "b.zip")), PathsIn(dir.path(), {"b.z01", "b.z02", "b.zip"}));
    EXPECT_EQ(PartsOfSet(q(sub / "d.ZIP")), PathsIn(sub, {"d.Z01", "d.ZIP"}));
    EXPECT_EQ(PartsOfSet(q(dir / "plain.zip")), PathsIn(dir.path(), {"plain.zip"}));
}

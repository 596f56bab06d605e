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
        Names files; // beside each other in one folder
        Names given; // in this order
        Names rows;
        const char *why;
    } cases[] = {
        {{"a.zip.001", "a.zip.002", "a.zip.003"},
         {"a.zip.001", "a.zip.002", "a.zip.003"},
         {"a.zip.001"},
         "a split set by its first part"},
        {{"a.zip.001", "a.zip.002", "a.zip.003"},
         {"a.zip.003", "a.zip.002", "a.zip.001"},
         {"a.zip.001"},
         "later parts first: the first part in the place of the first of them, once"},
        {{"b.z01", "b.z02", "b.zip"}, {"b.z01", "b.z02", "b.zip"}, {"b.zip"}, "a spanned set by its last part"},
        {{"A.ZIP.001", "A.ZIP.002", "B.Z01", "B.ZIP"}, {"A.ZIP.002", "B.Z01"}, {"A.ZIP.001", "B.ZIP"}, "upper case"},
        {{"c.Zip.001", "c.zip.002", "d.z01", "d.Zip"},
         {"c.zip.002", "d.z01"},
         {"c.Zip.001", "d.Zip"},
         "a first part whose extension has another letter case"},
        {{"e.zip.002", "f.z01", "f.z02"},
         {"e.zip.002", "f.z01", "f.z02"},
         {"e.zip.002", "f.z01", "f.z02"},
         "no first part beside them: left for the run to report"},
        {{"g.zip.001", "g.zip.1000", "h.z100", "h.zip"},
         {"g.zip.1000", "h.z100"},
         {"g.zip.001", "h.zip"},
         "more digits"},
        {{"movie.mkv.001", "movie.mkv.002", "x.001", "x.002"},
         {"movie.mkv.002", "x.002"},
         {"movie.mkv.002", "x.002"},
         "other split files are not archives in parts"},
        {{"p.zip", "p.zip.001", "p.zip.002"},
         {"p.zip", "p.zip.002", "p.zip", "p.zip.001"},
         {"p.zip", "p.zip.001", "p.zip"},
         "a path given twice stays twice; only the rule's own repeats go"},
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
    EXPECT_EQ(CollectArchives(q(dir.path()), QStringLiteral("z01")),
              PathsIn(dir.path(), {"b.zip"}) + PathsIn(sub, {"d.ZIP"}))
        << "a scan for one later part finds the set";
}

namespace {

std::string Little(uint64_t value, int bytes)
{
    std::string out;
    for (int i = 0; i < bytes; ++i)
        out += char(value >> (8 * i) & 0xFF);
    return out;
}

// The last bytes of a set's last part: its end record saying which part it
// is, with the Zip64 records in front when `zip64`.
std::string EndOfPart(uint32_t disk, bool zip64 = false)
{
    std::string end;
    if (zip64)
        end = Little(0x06064b50, 4) + Little(44, 8) + Little(45, 4) + Little(disk, 4) + std::string(36, '\0')
            + Little(0x07064b50, 4) + Little(0, 4) + Little(0, 8) + Little(disk + 1, 4);
    return end + Little(0x06054b50, 4) + Little(zip64 ? 0xFFFF : disk, 2) + std::string(16, '\0');
}

} // namespace

// What a run weighs an archive by, and moves or trashes after it: the files
// the engine reads for it, and no other file that merely has a part's name.
TEST(PartSets, TheFilesOfAnArchiveAreThoseTheEngineReads)
{
    const struct Case {
        std::vector<std::pair<std::string, std::string>> files;
        Names parts; // of the first file
    } cases[] = {
        {{{"report.zip", EndOfPart(0)}, {"report.z01", "an unrelated file"}}, {"report.zip"}},
        {{{"b.zip", EndOfPart(2)}, {"b.z01", "1"}, {"b.z02", "2"}, {"b.z03", "not of this set"}},
         {"b.z01", "b.z02", "b.zip"}},
        {{{"d.ZIP", EndOfPart(1)}, {"d.z01", "1"}}, {"d.z01", "d.ZIP"}},
        {{{"w.zip", EndOfPart(1, true)}, {"w.z01", "1"}}, {"w.z01", "w.zip"}},
        {{{"a.zip.001", "1"}, {"a.zip.002", "2"}, {"a.zip.003", "3"}, {"a.z01", "no"}},
         {"a.zip.001", "a.zip.002", "a.zip.003"}},
        {{{"plain.zip", "not an archive at all"}, {"plain.z01", "no"}}, {"plain.zip"}},
    };
    for (const Case &c : cases) {
        TempDir dir;
        for (const auto &[name, content] : c.files)
            dir.write(name, content);
        EXPECT_EQ(PartsOfSet(q(dir / c.files.front().first)), PathsIn(dir.path(), c.parts)) << c.files.front().first;
    }
}

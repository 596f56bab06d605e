// What becomes of a clean archive: a set moves whole or not at all, also
// across file systems onto a disk that fills; the trash records any name.
#include "AfterExtract.h"
#include "Mounts.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QUrl>
#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

QString q(const fs::path &path) { return QString::fromStdString(path.string()); }

std::vector<std::string> NamesIn(const fs::path &folder)
{
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(AfterExtract, AMoveOntoAFullDiskLeavesTheSetWholeWhereItWas)
{
    TempDir dir;
    TestMount small(dir / "small", "1m");
    if (!small.mounted())
        GTEST_SKIP() << small.whyNot();
    const std::string big(400 * 1024, 'b');
    const struct Case {
        std::vector<std::string> parts; // the first is the archive
        std::vector<std::string> after; // in the target afterwards
    } cases[] = {
        {{"set.zip.001", "set.zip.002", "set.zip.003"}, {}},
        {{"alone.zip"}, {}},
        {{"fits.zip.001", "fits.zip.002"}, {"fits (2).zip.001", "fits (2).zip.002", "fits.zip.001"}},
    };
    for (const Case &c : cases) {
        const size_t size = c.parts.size() == 1 ? 3 * big.size() : c.after.empty() ? big.size() : 1000;
        QStringList paths;
        for (const std::string &part : c.parts)
            paths << q(dir.write("in/" + part, std::string(size, part.back())));
        if (!c.after.empty())
            dir.write("small/" + c.parts.front(), "an older file of that name stays");
        const QString failed = DisposeOfArchive(paths.front(), RunOptions::After::Move, q(dir / "small"));
        EXPECT_EQ(NamesIn(dir / "small"), c.after) << c.parts.front();
        for (const std::string &part : c.parts) {
            EXPECT_EQ(fs::exists(dir / "in" / part), c.after.empty()) << part;
            EXPECT_TRUE(!c.after.empty() || dir.read("in/" + part) == std::string(size, part.back())) << part;
        }
        if (c.after.empty())
            EXPECT_TRUE(failed.endsWith(": the disk is full")) << failed.toStdString();
        else
            EXPECT_EQ(dir.read("small/fits (2).zip.002"), std::string(size, '2'));
        for (const std::string &name : c.after)
            fs::remove(dir / "small" / name);
    }
}

TEST(AfterExtract, TheTrashRecordsAnyNameSoThatItGoesBack)
{
    TempDir dir;
    qputenv("XDG_DATA_HOME", QFile::encodeName(q(dir / "data")));
    const std::string name = "line\nbreak 100%.zip";
    dir.write("in/" + name, "archive");
    dir.write("data/Trash/info/" + name + ".trashinfo", "taken by an earlier file of that name");
    const QString failed = DisposeOfArchive(q(dir / "in" / name), RunOptions::After::Trash, {});
    qunsetenv("XDG_DATA_HOME");
    EXPECT_TRUE(failed.isEmpty()) << failed.toStdString();

    const std::string trashed = "line\nbreak 100% (2).zip";
    EXPECT_EQ(dir.read("data/Trash/files/" + trashed), "archive");
    EXPECT_FALSE(fs::exists(dir / "in" / name));
    const QStringList lines = QString::fromStdString(dir.read("data/Trash/info/" + trashed + ".trashinfo"))
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << lines.join("|").toStdString();
    EXPECT_EQ(lines[0], "[Trash Info]");
    ASSERT_TRUE(lines[1].startsWith("Path=/"));
    EXPECT_EQ(QUrl::fromPercentEncoding(lines[1].mid(5).toLatin1()).toStdString(),
              fs::canonical(dir / "in").string() + "/" + name);
    EXPECT_TRUE(
        QRegularExpression("^DeletionDate=\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d$").match(lines[2]).hasMatch())
        << lines[2].toStdString();
}

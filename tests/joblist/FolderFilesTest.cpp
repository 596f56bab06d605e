#include "AddFolder.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

QString q(const fs::path &path) { return QString::fromStdString(path.string()); }

} // namespace

TEST(Wildcard, TheSystemsRules)
{
    const struct {
        const char *name;
        const char *pattern;
        bool matches;
    } table[] = {
        {"a.zip", "*.zip", true},
        {"A.ZIP", "*.zip", true},
        {"a.zipx", "*.zip", false},
        {"zip", "*.zip", false},
        {".zip", "*.zip", true},
        {"readme", "*.*", true},
        {".hidden", "*.*", true},
        {"a.b.c", "*.*", true},
        {"readme", "*", true},
        {"a.zip", "?.zip", true},
        {"ab.zip", "?.zip", false},
        {".zip", "?.zip", false},
        {"a.zip", "a.z?p", true},
        {"abc", "abc.*", true},
        {"abc.txt", "abc.*", true},
        {"abd", "abc.*", false},
        {"aXbYc", "a*b*c", true},
        {"ac", "a*b*c", false},
        {"abcbc", "a*bc", true},
        {"x", "", true},
        {"", "*", true},
        {"", "?", false},
        {"a.ZiP", "*.zIp", true},
        {"a.zip.bak", "*.zip", false},
        {"\xc3\x9c"
         "ber.ZIP",
         "\xc3\xbc*.zip", true},
        {"\xf0\x9f\x98\x80.zip", "?.zip", true},
    };
    for (const auto &row : table) {
        EXPECT_EQ(WildcardMatch(QString::fromUtf8(row.name), QString::fromUtf8(row.pattern)), row.matches)
            << '"' << row.name << "\" against \"" << row.pattern << '"';
    }
}

TEST(FolderFiles, OnlyOpenableFilesThatMatchInListingOrder)
{
    TempDir dir;
    for (const char *name : {"b.zip", "A.ZIP", ".hidden.zip", "c.txt", "noext", "a.zip"})
        dir.write(name, "PK");
    fs::create_directory(dir / "dir.zip");
    ASSERT_EQ(::mkfifo((dir / "pipe.zip").c_str(), 0644), 0);
    fs::create_symlink(dir / "b.zip", dir / "link.zip");
    fs::create_symlink(dir / "gone.zip", dir / "dangling.zip");

    const QStringList zips = {".hidden.zip", "A.ZIP", "a.zip", "b.zip", "link.zip"};
    EXPECT_EQ(GetFilesInFolder(q(dir.path()), QStringLiteral("*.zip")), zips);
    EXPECT_EQ(GetFilesInFolder(q(dir.path()) + QLatin1Char('/'), QStringLiteral("*.ZIP")), zips);
    EXPECT_EQ(GetFilesInFolder(q(dir.path()), QStringLiteral("*.*")),
              (QStringList{".hidden.zip", "A.ZIP", "a.zip", "b.zip", "c.txt", "link.zip", "noext"}));
    EXPECT_EQ(GetFilesInFolder(q(dir.path()), QStringLiteral("*.rar")), QStringList());
    EXPECT_EQ(GetFilesInFolder(q(dir / "missing"), QStringLiteral("*")), QStringList());
}

TEST(FolderFiles, ManyFilesAllReturned)
{
    TempDir dir;
    QStringList expected;
    for (int i = 0; i < 230; ++i) {
        const std::string name = "archive" + std::to_string(1000 + i) + ".zip";
        dir.write(name, "");
        expected << QString::fromStdString(name);
    }
    EXPECT_EQ(GetFilesInFolder(q(dir.path()), QStringLiteral("*.zip")), expected);
}

TEST(FolderFiles, OpenableMeansARegularFileThatOpens)
{
    TempDir dir;
    const fs::path file = dir.write("a.zip", "PK");
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0644), 0);
    EXPECT_TRUE(IsOpenableFile(q(file)));
    EXPECT_FALSE(IsOpenableFile(q(dir.path())));
    EXPECT_FALSE(IsOpenableFile(q(dir / "fifo")));
    EXPECT_FALSE(IsOpenableFile(q(dir / "missing.zip")));
    EXPECT_FALSE(IsOpenableFile(QStringLiteral("/dev/null")));
    EXPECT_FALSE(IsOpenableFile(QString()));
}

TEST(FolderFiles, BadNameCharacters)
{
    for (const QString &name :
         {QStringLiteral("Backup 2020"), QString(), QStringLiteral("caf\u00e9 \u00a0nbsp"),
          QStringLiteral("\u65e5\u672c"), QStringLiteral("smile \U0001F600"), QStringLiteral("~$tilde.zip")})
        EXPECT_FALSE(HasBadNameChars(name)) << name.toStdString();
    for (const QString &name :
         {QStringLiteral("tab\there"), QStringLiteral("what?"), QStringLiteral("del\u007f"), QStringLiteral("c1\u0085"),
          QStringLiteral("c1\u009f"), QStringLiteral("nul") + QChar(u'\0'), QStringLiteral("bad\ufffd"),
          QStringLiteral("lone") + QChar(char16_t(0xD800)), QChar(char16_t(0xDC00)) + QStringLiteral("low")})
        EXPECT_TRUE(HasBadNameChars(name)) << name.toStdString();
}

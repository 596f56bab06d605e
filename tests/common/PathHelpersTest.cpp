#include "PathHelpers.h"
#include "RuntimeError.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace fs = std::filesystem;

namespace {

QString q(const fs::path &path) { return QString::fromStdString(path.string()); }

// The worked examples are written with "\"; the same table holds for "/".
QString withSeparator(const char *text, QChar separator)
{
    return QString::fromUtf8(text).replace(QChar(u'\\'), separator);
}

class EnvOverride {
public:
    EnvOverride(const char *name, const QByteArray &value) : m_name(name)
    {
        if (qEnvironmentVariableIsSet(name))
            m_old = qgetenv(name);
        qputenv(name, value);
    }
    ~EnvOverride()
    {
        if (m_old)
            qputenv(m_name, *m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    std::optional<QByteArray> m_old;
};

} // namespace

TEST(PathHelpers, CollapseBackslashesWorkedTableWithEitherSeparator)
{
    // The last column is the native form: without network paths a leading run
    // of separators is the root and becomes one.
    const struct {
        const char *path;
        const char *expected;
        const char *expectedNative;
    } table[] = {
        {R"(C:\out\\sub)", R"(C:\out\sub)", nullptr},
        {R"(C:\out\\\sub)", R"(C:\out\\sub)", nullptr},
        {R"(\\server\share\\x)", R"(\\server\share\x)", "/server/share/x"},
        {R"(\share)", R"(\\share)", "/share"},
        {R"(\\\\server\x)", R"(\\server\x)", "/server/x"},
        {R"(\)", R"(\\)", "/"},
        {"", "", nullptr},
        {R"(C:\plain\path.zip)", R"(C:\plain\path.zip)", nullptr},
        {R"(a\\\\b)", R"(a\\b)", nullptr},
        {R"(a\\\\\b)", R"(a\\\b)", nullptr},
        {R"(\\\)", R"(\\)", "/"},
    };
    for (const auto &row : table) {
        EXPECT_EQ(CollapseBackslashes(QString::fromUtf8(row.path), QChar(u'\\')), QString::fromUtf8(row.expected))
            << row.path;
        const QString native
            = row.expectedNative ? QString::fromUtf8(row.expectedNative) : withSeparator(row.expected, QChar(u'/'));
        EXPECT_EQ(CollapseBackslashes(withSeparator(row.path, QChar(u'/')), QChar(u'/')), native) << row.path;
    }
    // The other separator is ordinary text.
    EXPECT_EQ(CollapseBackslashes(QStringLiteral("C:\\out\\\\sub"), QChar(u'/')), QStringLiteral("C:\\out\\\\sub"));
    EXPECT_EQ(CollapseBackslashes(QStringLiteral("/a//b")), QStringLiteral("/a/b"));
}

TEST(PathHelpers, FileNameFromPathWithEitherSeparator)
{
    for (const QChar separator : {QChar(u'\\'), QChar(u'/')}) {
        EXPECT_EQ(FileNameFromPath(QStringLiteral("archive.zip"), separator), QStringLiteral("archive.zip"));
        EXPECT_EQ(FileNameFromPath(withSeparator(R"(D:\a\b.zip)", separator), separator), QStringLiteral("b.zip"));
        EXPECT_EQ(FileNameFromPath(withSeparator(R"(D:\a\)", separator), separator), QString());
        EXPECT_EQ(FileNameFromPath(QString(), separator), QString());
    }
    EXPECT_EQ(FileNameFromPath(QStringLiteral("/srv/in/x.zip")), QStringLiteral("x.zip"));
}

TEST(PathHelpers, PresenceTests)
{
    TempDir dir;
    const fs::path file = dir.write("a.zip", "PK");
    fs::create_directory(dir / "sub");
    fs::create_symlink(dir / "sub", dir / "sublink");
    fs::create_symlink(dir / "gone", dir / "dangling");

    EXPECT_TRUE(IsFilePresent(q(file)));
    EXPECT_TRUE(IsFilePresent(q(dir / "sub")));
    EXPECT_FALSE(IsFilePresent(q(dir / "missing.zip")));
    EXPECT_FALSE(IsFilePresent(QString()));
    EXPECT_FALSE(IsFilePresent(q(dir / "dangling")));

    EXPECT_TRUE(IsFolderPresent(q(dir / "sub")));
    EXPECT_TRUE(IsFolderPresent(q(dir / "sub") + QLatin1Char('/')));
    EXPECT_TRUE(IsFolderPresent(q(dir / "sublink")));
    EXPECT_TRUE(IsFolderPresent(QStringLiteral("/")));
    EXPECT_FALSE(IsFolderPresent(q(file)));
    EXPECT_FALSE(IsFolderPresent(q(file) + QLatin1Char('/')));
    EXPECT_FALSE(IsFolderPresent(QString()));
    EXPECT_FALSE(IsFolderPresent(q(dir / "missing")));
}

TEST(PathHelpers, DesktopFolderIsTheXdgDesktopElseHome)
{
    TempDir dir;
    fs::create_directories(dir / "home" / ".config");
    const QString home = q(dir / "home");
    EnvOverride homeEnv("HOME", home.toUtf8());
    EnvOverride configEnv("XDG_CONFIG_HOME", (home + QStringLiteral("/.config")).toUtf8());

    // No desktop folder: the home folder stands in.
    EXPECT_EQ(GetDesktopFolder(), home + QLatin1Char('/'));

    fs::create_directory(dir / "home" / "Desktop");
    EXPECT_EQ(GetDesktopFolder(), home + QStringLiteral("/Desktop/"));

    // A desktop renamed through user-dirs.dirs, as a localised session has it.
    fs::create_directory(dir / "home" / "Schreibtisch");
    dir.write("home/.config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
    EXPECT_EQ(GetDesktopFolder(), home + QStringLiteral("/Schreibtisch/"));

    const QString buffer = GetSpecialFolderPath(0);
    EXPECT_EQ(buffer.size(), 512);
    EXPECT_EQ(buffer.indexOf(QChar(u'\0')), home.size() + int(std::strlen("/Schreibtisch")));
    EXPECT_EQ(GetSpecialFolderPath(5), QString());
}

TEST(PathHelpers, NoDesktopAndNoHomeIsAnInvalidArgument)
{
    TempDir dir;
    EnvOverride homeEnv("HOME", (dir.str() + "/nobody-home").c_str());
    EnvOverride configEnv("XDG_CONFIG_HOME", (dir.str() + "/nothing").c_str());
    EXPECT_EQ(GetSpecialFolderPath(0), QString());
    try {
        GetDesktopFolder();
        ADD_FAILURE() << "GetDesktopFolder should fail without a desktop and a home folder";
    } catch (const RuntimeError &error) {
        EXPECT_EQ(error.number(), ErrorNumber::InvalidArgument);
    }
}

TEST(PathHelpers, HomePageOpensOnlyOnSeven)
{
    {
        ScriptedPrompts prompts;
        for (double fraction : {0.0, 0.05999, 0.07, 0.5, 0.99999})
            OpenHomePageAtRandom(prompts, [fraction] { return fraction; });
        EXPECT_TRUE(prompts.calls().empty());
    }
    for (double fraction : {0.06, 0.065, 0.06999}) {
        ScriptedPrompts prompts;
        prompts.expectOpenWithShell();
        OpenHomePageAtRandom(prompts, [fraction] { return fraction; });
        EXPECT_EQ(prompts.last().text, HomePageAddress) << fraction;
    }
}

#include "PathHelpers.h"
#include "RuntimeError.h"
#include "Settings.h"
#include "TempDir.h"

#include <QFile>
#include <QSettings>
#include "AsOtherUser.h"

#include "ErrorNumberOf.h"
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

QString q(const fs::path &path) { return QString::fromStdString(path.string()); }

// Every test gets its own store in its own folder.
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { SetSettingsFolder(QString::fromStdString(dir.str())); }
    void TearDown() override { SetSettingsFolder(QString()); }

    QString read(const QString &key, const QString &fallback = QString())
    {
        return GetSetting(SettingsApplication, SettingsSection, key, fallback);
    }
    void save(const QString &key, const QString &value)
    {
        SaveSetting(SettingsApplication, SettingsSection, key, value);
    }
    QByteArray fileText() const
    {
        QFile file(SettingsFilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    mode_t fileMode() const
    {
        struct stat info {};
        ::stat(QFile::encodeName(SettingsFilePath()).constData(), &info);
        return info.st_mode & 07777;
    }

    TempDir dir;
};

} // namespace

TEST_F(SettingsTest, StoreLivesInTheApplicationsIniFile)
{
    EXPECT_EQ(SettingsFilePath(), q(dir / "Quorvane" / "Quorvane.conf"));
    save(SettingKey::Option1, QStringLiteral("True"));
    EXPECT_TRUE(fs::is_regular_file(dir / "Quorvane" / "Quorvane.conf"));
}

TEST_F(SettingsTest, DefaultsOfTheKeyTable)
{
    EXPECT_EQ(SettingKeys().size(), 15);
    EXPECT_EQ(ReadSetting(SettingKey::OutputDirectory), GetDesktopFolder());
    EXPECT_TRUE(ReadSetting(SettingKey::OutputDirectory).endsWith(QLatin1Char('/')));
    EXPECT_EQ(ReadSetting(SettingKey::Option1), QStringLiteral("1"));
    EXPECT_EQ(ReadSetting(SettingKey::Option2), QStringLiteral("0"));
    EXPECT_TRUE(SettingToBoolean(ReadSetting(SettingKey::Option1)));
    EXPECT_FALSE(SettingToBoolean(ReadSetting(SettingKey::Option2)));
    EXPECT_EQ(ReadSetting(SettingKey::Extension), QStringLiteral("zip"));
    EXPECT_EQ(ReadSetting(SettingKey::ArchiveKinds), QStringLiteral("zip"));
    for (const QString &key :
         {SettingKey::Password, SettingKey::LastFolderDot, SettingKey::LastFolder, SettingKey::LastFileFolder})
        EXPECT_EQ(ReadSetting(key), QString()) << key.toStdString();
    EXPECT_EQ(read(QStringLiteral("Unknown"), QStringLiteral("fallback")), QStringLiteral("fallback"));
    // Reading creates nothing.
    EXPECT_FALSE(fs::exists(dir / "Quorvane"));

    save(SettingKey::Option1, QStringLiteral("False"));
    save(SettingKey::Option2, QStringLiteral("True"));
    EXPECT_FALSE(SettingToBoolean(ReadSetting(SettingKey::Option1)));
    EXPECT_TRUE(SettingToBoolean(ReadSetting(SettingKey::Option2)));
}

TEST(SettingBoolean, WordsInAnyCaseAndNumbers)
{
    for (const char *text : {"True", "TRUE", "true", "tRuE", "1", "-1", "2.5", " 7 "})
        EXPECT_TRUE(SettingToBoolean(QString::fromLatin1(text))) << text;
    for (const char *text : {"False", "FALSE", "fAlSe", "0", "0.0", "-0"})
        EXPECT_FALSE(SettingToBoolean(QString::fromLatin1(text))) << text;
    for (const char *text : {"yes", "", "Tru", "True1", "nan", "inf", "1,5"}) {
        EXPECT_EQ(ErrorNumberOf([&] { SettingToBoolean(QString::fromLatin1(text)); }), 13) << text;
    }
    EXPECT_EQ(BooleanToSetting(true), QStringLiteral("True"));
    EXPECT_EQ(BooleanToSetting(false), QStringLiteral("False"));
}

TEST_F(SettingsTest, ValuesRoundTripAndTheFileStaysPlainText)
{
    const QStringList values = {
        QStringLiteral("/home/me/My Output, final; x=y/"),
        QStringLiteral("  leading and trailing  "),
        QStringLiteral("@ByteArray(not really)"),
        QStringLiteral("quote\" back\\slash [section]"),
        QStringLiteral("tab\there\nnew line\r"),
        QStringLiteral("\u00fcml\u00e4ut \u20ac \U0001F600"),
        QString::fromUtf8("control\x01"
                          "0ab"),
        QStringLiteral("#not a comment"),
        QStringLiteral(";nor this"),
        QString(),
    };
    for (const QString &value : values) {
        save(SettingKey::Password, value);
        EXPECT_EQ(read(SettingKey::Password, QStringLiteral("absent")), value) << value.toStdString();
    }
    save(SettingKey::OutputDirectory, values[0]);
    save(SettingKey::LastFolder, values[5]);
    EXPECT_EQ(read(SettingKey::OutputDirectory), values[0]);
    EXPECT_EQ(read(SettingKey::LastFolder), values[5]);

    const QByteArray text = fileText();
    EXPECT_TRUE(text.startsWith("[Marrowlyn]\n")) << text.constData();
    EXPECT_TRUE(text.contains("\nOutput%20Directory=\"/home/me/My Output, final; x=y/\"\n")) << text.constData();
    EXPECT_TRUE(text.contains(values[5].toUtf8())) << text.constData();

    // QSettings reads the same file the same way.
    QSettings reader(SettingsFilePath(), QSettings::IniFormat);
    reader.beginGroup(SettingsSection);
    EXPECT_EQ(reader.value(SettingKey::OutputDirectory).toString(), values[0]);
    EXPECT_EQ(reader.value(SettingKey::LastFolder).toString(), values[5]);
    EXPECT_EQ(reader.value(SettingKey::Password).toString(), QString());
}

TEST_F(SettingsTest, ReadsWhatQSettingsWrote)
{
    const QStringList values = {QStringLiteral("a, b; c = d"),
                                QStringLiteral(" x "),
                                QStringLiteral("@at"),
                                QStringLiteral("q\"\\\t\n"),
                                QStringLiteral("\u00fc\u20ac"),
                                QStringLiteral("\x01"
                                               "0")};
    {
        QSettings writer(q(dir / "Other" / "Other.conf"), QSettings::IniFormat);
        writer.beginGroup(SettingsSection);
        for (int i = 0; i < values.size(); ++i)
            writer.setValue(QStringLiteral("Key %1").arg(i), values[i]);
    }
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(GetSetting(QStringLiteral("Other"), SettingsSection, QStringLiteral("Key %1").arg(i)), values[i])
            << i;
}

TEST_F(SettingsTest, EveryReadSeesTheLatestWriteAndOtherLinesStay)
{
    dir.write("Quorvane/Quorvane.conf", "; kept comment\n[Other]\nOption1=foreign\n\n[Marrowlyn]\nExtension=rar\n");
    EXPECT_EQ(read(SettingKey::Extension), QStringLiteral("rar"));
    EXPECT_EQ(read(SettingKey::Option1, QStringLiteral("1")), QStringLiteral("1"));
    for (const char *value : {"a", "b", "c", "d"}) {
        save(SettingKey::Option1, QString::fromLatin1(value));
        EXPECT_EQ(read(SettingKey::Option1), QString::fromLatin1(value));
    }
    // An edit by someone else is seen at once, too.
    dir.write("Quorvane/Quorvane.conf", "[Marrowlyn]\nOption1=e\n");
    EXPECT_EQ(read(SettingKey::Option1), QStringLiteral("e"));
    save(SettingKey::Extension, QStringLiteral("7z"));
    dir.write("Quorvane/Quorvane.conf", "; kept comment\n[Other]\nOption1=foreign\n\n[Marrowlyn]\nExtension=rar\n");
    save(SettingKey::Option1, QStringLiteral("True"));
    save(SettingKey::Extension, QStringLiteral("zip"));
    EXPECT_EQ(fileText(),
              QByteArray("; kept comment\n[Other]\nOption1=foreign\n\n[Marrowlyn]\nExtension=zip\nOption1=True\n"));
    EXPECT_EQ(GetSetting(SettingsApplication, QStringLiteral("Other"), SettingKey::Option1), QStringLiteral("foreign"));

    // Saved by an editor that starts the file with a byte-order mark.
    dir.write("Quorvane/Quorvane.conf", "\xEF\xBB\xBF[Marrowlyn]\r\nExtension=rar\r\n");
    EXPECT_EQ(read(SettingKey::Extension), QStringLiteral("rar"));
    save(SettingKey::Option1, QStringLiteral("True"));
    EXPECT_EQ(fileText(), QByteArray("[Marrowlyn]\nExtension=rar\nOption1=True\n"));
}

TEST_F(SettingsTest, FileIsReadableByItsOwnerOnly)
{
    save(SettingKey::Password, QStringLiteral("secret"));
    EXPECT_EQ(fileMode(), mode_t(0600));
    // A file left readable by others is tightened by the next write.
    ::chmod(QFile::encodeName(SettingsFilePath()).constData(), 0644);
    save(SettingKey::Password, QStringLiteral("secret2"));
    EXPECT_EQ(fileMode(), mode_t(0600));
    EXPECT_EQ(fs::directory_iterator(dir / "Quorvane") == fs::directory_iterator(), false);
    int files = 0;
    for ([[maybe_unused]] const auto &entry : fs::directory_iterator(dir / "Quorvane"))
        ++files;
    EXPECT_EQ(files, 1) << "no temporary file is left behind";
}

TEST_F(SettingsTest, AFailingWriteIsPermissionDenied)
{
    // The store's folder cannot be made where a file stands in the way; this holds for root too.
    dir.write("blocked", "");
    SetSettingsFolder(q(dir / "blocked"));
    EXPECT_EQ(ErrorNumberOf([&] { save(SettingKey::Option1, QStringLiteral("True")); }), 70);
    EXPECT_EQ(read(SettingKey::Option1, QStringLiteral("1")), QStringLiteral("1"));
}

TEST_F(SettingsTest, AFailingWriteKeepsTheOldValue)
{
    save(SettingKey::Password, QStringLiteral("old"));
    save(SettingKey::Extension, QStringLiteral("rar"));
    ::chmod(dir.str().c_str(), 0755);
    ::chmod((dir / "Quorvane").c_str(), 0755);

    // Root ignores permissions, so the write is made by an ordinary user.
    QString command = QStringLiteral(SETTINGS_WRITE_HELPER);
    const auto asNobody = UnprivilegedCommandPrefix();
    if (!asNobody)
        GTEST_SKIP() << "running as root without setpriv: cannot meet a store the writer may not touch";
    command = QString::fromStdString(*asNobody) + command;
    if (::geteuid() != 0)
        ::chmod((dir / "Quorvane").c_str(), 0555);
    auto attempt = [&] {
        const QString line = command + QLatin1Char(' ') + q(dir.path()) + QStringLiteral(" Password new");
        FILE *pipe = ::popen(line.toLocal8Bit().constData(), "r");
        char buffer[64] = {};
        const bool got = pipe && std::fgets(buffer, sizeof buffer, pipe);
        if (pipe)
            ::pclose(pipe);
        return got ? QString::fromLatin1(buffer).trimmed() : QString();
    };

    // The file itself cannot be read, so rewriting it would lose the other keys.
    EXPECT_EQ(attempt(), QStringLiteral("70"));
    // It can be read, but not replaced.
    ::chmod(QFile::encodeName(SettingsFilePath()).constData(), 0644);
    EXPECT_EQ(attempt(), QStringLiteral("70"));

    ::chmod((dir / "Quorvane").c_str(), 0700);
    EXPECT_EQ(read(SettingKey::Password), QStringLiteral("old"));
    EXPECT_EQ(read(SettingKey::Extension), QStringLiteral("rar"));
}

#include "Settings.h"

#include "PathHelpers.h"
#include "RuntimeError.h"
#include "SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString &settingsFolderOverride()
{
    static QString folder;
    return folder;
}

QString settingsFolder()
{
    if (!settingsFolderOverride().isEmpty())
        return settingsFolderOverride();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString storeFile(const QString &application)
{
    return settingsFolder() + QLatin1Char('/') + application + QLatin1Char('/') + application + QLatin1String(".conf");
}

[[noreturn]] void writeFailed() { throw RuntimeError(ErrorNumber::PermissionDenied); }

// Nothing when the file does not exist yet; throws when it exists but cannot
// be read, because rewriting it from nothing would lose every other key.
QByteArray readForUpdate(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return QByteArray();
    if (!file.open(QIODevice::ReadOnly))
        writeFailed();
    return file.readAll();
}

bool writeAll(int fd, const QByteArray &data)
{
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + done, size_t(data.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// The new text goes to a private temporary file that replaces the old one in
// a single rename, so a failed write leaves the earlier values as they were
// and the password is never readable by others, not even for a moment.
void replaceFile(const QString &path, const QByteArray &data)
{
    const QByteArray target = QFile::encodeName(path);
    QByteArray temporary = target + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        writeFailed();
    const bool written = ::fchmod(fd, S_IRUSR | S_IWUSR) == 0 && writeAll(fd, data) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.constData(), target.constData()) != 0) {
        ::unlink(temporary.constData());
        writeFailed();
    }
}

} // namespace

void SetSettingsFolder(const QString &folder) { settingsFolderOverride() = folder; }

QString SettingsFilePath() { return storeFile(SettingsApplication); }

QString GetSetting(const QString &application, const QString &section, const QString &key, const QString &defaultValue)
{
    // Read afresh each time: no copy is kept, so every read sees the latest write.
    QFile file(storeFile(application));
    if (!file.open(QIODevice::ReadOnly))
        return defaultValue;
    return SettingsFile::find(file.readAll(), section, key).value_or(defaultValue);
}

void SaveSetting(const QString &application, const QString &section, const QString &key, const QString &value)
{
    const QString path = storeFile(application);
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir()) {
        if (!QDir().mkpath(folder))
            writeFailed();
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    replaceFile(path, SettingsFile::withValue(readForUpdate(path), section, key, value));
}

bool SettingToBoolean(const QString &text)
{
    const QString word = text.trimmed();
    if (word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool isNumber = false;
    const double number = word.toDouble(&isNumber);
    if (!isNumber || !std::isfinite(number))
        throw RuntimeError(ErrorNumber::TypeMismatch);
    return number != 0;
}

namespace {

struct KeyDefault {
    const QString &key;
    const char *fixed; // null: computed when read
};

// Every key the program stores, with what it reads as before its first write.
const KeyDefault KeyTable[] = {
    {SettingKey::OutputDirectory, nullptr}, // the desktop folder, computed when asked
    {SettingKey::Option1, "1"},
    {SettingKey::Option2, "0"},
    {SettingKey::Password, ""},
    {SettingKey::LastFolderDot, ""},
    {SettingKey::LastFolder, ""},
    {SettingKey::Extension, "zip"},
    {SettingKey::LastFileFolder, ""},
    {SettingKey::SubfolderName, "first-dot"},
    {SettingKey::OnConflict, "replace"},
    {SettingKey::AfterExtract, "keep"},
    {SettingKey::WriteReport, "False"},
    {SettingKey::AskForPasswords, "False"},
    {SettingKey::NestedArchives, "off"},
    {SettingKey::ArchiveKinds, "zip"},
};

} // namespace

QStringList SettingKeys()
{
    QStringList keys;
    for (const KeyDefault &entry : KeyTable)
        keys << entry.key;
    return keys;
}

QString SettingDefault(const QString &key)
{
    for (const KeyDefault &entry : KeyTable) {
        if (entry.key == key)
            return entry.fixed ? QString::fromLatin1(entry.fixed) : GetDesktopFolder();
    }
    return QString();
}

QString ReadSetting(const QString &key)
{
    // The default is worked out first, as the program always did: without a
    // desktop folder, reading "Output Directory" fails even when it is stored.
    const QString fallback = SettingDefault(key);
    return GetSetting(SettingsApplication, SettingsSection, key, fallback);
}

void WriteSetting(const QString &key, const QString &value)
{
    SaveSetting(SettingsApplication, SettingsSection, key, value);
}

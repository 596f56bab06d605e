// The per-user settings store: one text value per (application, section, key),
// kept in an INI file readable by its owner only. Every read goes to the file,
// so it always sees the latest write.
#pragma once

#include <QString>
#include <QStringList>

inline const QString SettingsApplication = QStringLiteral("Quorvane");
inline const QString SettingsSection = QStringLiteral("Marrowlyn");

namespace SettingKey {
inline const QString OutputDirectory = QStringLiteral("Output Directory");
inline const QString Option1 = QStringLiteral("Option1");
inline const QString Option2 = QStringLiteral("Option2");
inline const QString Password = QStringLiteral("Password");
inline const QString LastFolderDot = QStringLiteral("LastFolderDot");
inline const QString LastFolder = QStringLiteral("LastFolder");
inline const QString Extension = QStringLiteral("Extension");
inline const QString LastFileFolder = QStringLiteral("LastFileFolder"); // where "Add Zip File(s)" chose last
// "More Options...": the words of marrowlyn-batch's flags (see run/RunOptions.h).
inline const QString SubfolderName = QStringLiteral("Subfolder Name");
inline const QString OnConflict = QStringLiteral("On Conflict");
inline const QString AfterExtract = QStringLiteral("After Extract");
inline const QString WriteReport = QStringLiteral("Write Report");
inline const QString AskForPasswords = QStringLiteral("Ask For Passwords");
inline const QString NestedArchives = QStringLiteral("Nested Archives");
inline const QString ArchiveKinds = QStringLiteral("Archive Kinds");
} // namespace SettingKey

QString GetSetting(const QString &application, const QString &section, const QString &key,
                   const QString &defaultValue = QString());
// Throws RuntimeError (70) when the value cannot be written; the old value stays.
void SaveSetting(const QString &application, const QString &section, const QString &key, const QString &value);

// Where the store's files live: by default the user's configuration folder
// ($XDG_CONFIG_HOME or ~/.config). Tests point it at a temporary folder.
void SetSettingsFolder(const QString &folder);
QString SettingsFilePath();

// "True"/"False" in any letter case, or a number (0 is False). Anything else
// throws RuntimeError (13, type mismatch).
bool SettingToBoolean(const QString &text);
inline QString BooleanToSetting(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

// The complete table of keys the program stores.
QStringList SettingKeys();
// What `key` reads as before its first write: the desktop folder for "Output
// Directory" (throws RuntimeError (5) without one), "1" for "Option1", "0" for
// "Option2", "zip" for "Extension", "" for the rest.
QString SettingDefault(const QString &key);
// GetSetting / SaveSetting for the program's own application and section,
// with the default from the table.
QString ReadSetting(const QString &key);
void WriteSetting(const QString &key, const QString &value);

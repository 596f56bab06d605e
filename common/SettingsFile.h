// The text of the settings file: INI in the layout QSettings reads and
// writes (keys and section names %-escaped, values quoted and backslash-
// escaped where needed), so the file stays plain text a person can edit and
// QSettings can read, while we read it afresh on every call.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace SettingsFile {

// The value of `key` in `section`; nothing when either is absent. The last
// line for a key wins, as with QSettings.
std::optional<QString> find(const QByteArray &text, const QString &section, const QString &key);

// `text` with `key` in `section` set to `value`; every other line is kept.
QByteArray withValue(const QByteArray &text, const QString &section, const QString &key, const QString &value);

QByteArray escapeKey(const QString &key);
QString unescapeKey(QByteArrayView escaped);
QByteArray escapeValue(const QString &value);
QString unescapeValue(QByteArrayView escaped);

} // namespace SettingsFile

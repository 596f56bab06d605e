// What the window's handlers share: the window's own settings, and the place
// their error boxes name.
#pragma once

#include "common/Settings.h"
#include "common/TrappedProcedure.h"

#include <QString>

// The list's column when the window opens and after "Clear List": 7000 twips
// at 15 twips a pixel.
inline constexpr int ColumnWidthAtLoad = 467;

inline QString Form1Location(const QString &procedure)
{
    return TrappedProcedure::location(QStringLiteral("Form1"), procedure);
}

inline void StoreWindowSetting(const QString &key, const QString &value)
{
    SaveSetting(SettingsApplication, SettingsSection, key, value);
}

inline QString WindowSetting(const QString &key, const QString &defaultValue = QString())
{
    return GetSetting(SettingsApplication, SettingsSection, key, defaultValue);
}

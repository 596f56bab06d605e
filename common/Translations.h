// The program speaks the user's language where a translation is shipped:
// translations/marrowlyn_<lang>.qm beside the program, and Qt's own texts
// (the Yes/No/OK of message boxes) where Qt's translations are installed.
// Stored settings, reports and exit statuses never depend on the language.
#pragma once

#include <QString>

// The language asked for: MARROWLYN_LANGUAGE when set ("de", "ja", "en", "C"),
// else the desktop's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). Installs the
// translators on the running QCoreApplication and the engine side's lookup.
// The program's own translations are looked up in `programFolder`/translations.
// Returns the language loaded, or "" when the program stays in English.
QString InstallTranslations(const QString &programFolder);

// As above for one language; tests load a translation this way.
QString InstallTranslation(const QString &language, const QString &programFolder);

// Removes what the functions above installed: the program speaks English.
void RemoveTranslations();

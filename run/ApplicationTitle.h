// The title of every message box and input box that has none of its own.
// Held for the whole process: the window sets it at start-up, the batch run
// and the commands read it.
#pragma once

#include <QString>

inline const QString ProductName = QStringLiteral("Marrowlyn");

// The product name cut at its last space while it is longer than 40
// characters. A name that is still too long and has no space left is cut
// hard at 40 characters, so a title never exceeds the limit.
QString TitleFromProductName(const QString &name);

QString ApplicationTitle();
void SetApplicationTitle(const QString &title);

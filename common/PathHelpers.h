// Small stateless helpers over paths and the desktop that several commands share.
// The text helpers take the separator as a parameter so they can be checked with
// Windows-style worked examples as well as with the native "/".
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <functional>

class Prompts;

inline constexpr QChar NativeSeparator = QChar('/');

// A file name's bytes as text and back, exactly. Qt turns bytes that are not
// UTF-8 into U+FFFD, and that name opens nothing; here each such byte is
// carried as the lone surrogate U+DC80 + (byte - 0x80), which no UTF-8 text
// decodes to, so every path handed to the system goes through FileNameBytes.
QString FileNameFromBytes(QByteArrayView bytes);
QByteArray FileNameBytes(const QString &name);

// True when the path's modification time can be read.
bool IsFilePresent(const QString &path);
// True when the path exists and is a folder.
bool IsFolderPresent(const QString &path);
// The text after the last separator; the whole text when there is none.
QString FileNameFromPath(const QString &path, QChar separator = NativeSeparator);
// Doubled separators become one in one left-to-right pass; any run of leading
// separators becomes exactly two with "\" (a network path) and one with the
// native "/" (the root).
QString CollapseBackslashes(const QString &path, QChar separator = NativeSeparator);

// Special folder 0 is the desktop: the path, a NUL, and blank padding, as the
// callers expect; "" when the folder cannot be found.
QString GetSpecialFolderPath(int folder);
// The desktop folder followed by the separator. Throws RuntimeError (5) when
// no desktop folder can be found.
QString GetDesktopFolder();

inline const QString HomePageAddress = QStringLiteral("https://marrowlyn.app/");
// About one start in a hundred opens the home page. `random` answers a number
// in [0, 1); the default draws from a generator seeded by the time of day.
void OpenHomePageAtRandom(Prompts &prompts, const std::function<double()> &random = {});

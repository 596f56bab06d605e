// Where one archive of a batch run is extracted. Pure text rules, shared by
// the window's run and the window-less one; the separator is a parameter so the
// rule can be checked with drive-letter examples as well as native paths.
#pragma once

#include "common/PathHelpers.h"

#include <QString>

// The two modes of the options panel, named after what they do.
enum class UnzipMode {
    OwnSubfolder, // "Unzip each zip into its own subfolder folder" (Option1)
    OneFolder,    // "Unzip all zips into one folder" (Option2)
    None          // neither button selected: the archive is passed over
};

UnzipMode ModeFromOptions(bool option1, bool option2);

// The file name up to its first "." ("" when the name starts with ".").
QString BaseNameOf(const QString &archivePath, QChar separator = NativeSeparator);

// The folder an archive goes to. OneFolder: the output text exactly as typed.
// OwnSubfolder: the output text, a separator when it does not already end in
// one, and the base name, with doubled separators collapsed. With "\" a text
// of at most three characters (a drive root "E:\" or designator "E:") gets no
// separator added; with "/" only the empty text gets none, since "/ab" is a
// folder and not a root. None: the empty text.
QString DestinationFor(const QString &archivePath, const QString &outputText, UnzipMode mode,
                       QChar separator = NativeSeparator);
// The folder `name` in the output folder, by the same joining rule.
QString SubfolderOf(const QString &outputText, const QString &name, QChar separator = NativeSeparator);

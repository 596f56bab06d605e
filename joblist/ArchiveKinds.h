// The kinds of archive the engine reads, by the names people give them: what
// "Add Zip File(s)" offers and a folder scan collects with every kind on, and
// which suffix a folder named after the whole name leaves off. The engine
// itself tells the kinds by content; these names only choose what is listed.
#pragma once

#include <QString>
#include <QStringList>

// The file dialog's filter with every kind on: "Archives (*.zip *.7z ...)"
// first, then ZIP's own two as ever.
QString EveryKindFilter();

// What a folder scan collects with every kind on: each kind's "*.EXT", and
// the first volumes of sets ("*.zip.001", "*.7z.001"). Not "*.exe": most are
// programs, not self-extractors; the extension prompt can name it.
QStringList EveryKindPatterns();

// The extension prompt's answer with every kind on: several extensions,
// apart by spaces or commas ("zip 7z rar", ".zip, .rar"), each as one typed
// alone would be scanned.
QStringList PatternsForExtensions(const QString &answer);

// The suffix that names the kind, where more than the last extension does
// (".tar.gz", ".tgz", ".zip.001", ".7z.001", ".part1.rar"), or ".zip":
// its length, or 0 when the name has none such (or is nothing else).
qsizetype CompoundSuffixLength(const QString &name);

// Whether the name is that of a kind the engine reads besides ZIP (".7z",
// ".rar", ".tar.gz", ".iso", ...): the run says how to open it when the
// choice is ZIP only.
bool IsOtherKindName(const QString &name);

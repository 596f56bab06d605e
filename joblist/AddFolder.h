// The folder services: the folder picker, the level-by-level sub-folder scan,
// the wildcard listing of one folder's files, and two tests on names and paths.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class Prompts;

// Folder paths, each ending in the separator.
using FolderList = QStringList;

struct ScanHooks {
    std::function<void()> pumpEvents; // called per folder read, per entry listed and per sub-folder found
    Prompts *prompts = nullptr;       // where the scan's own error box goes
    // Without prompts: told of each failure that the box would show; with neither, it is dropped.
    std::function<void(const QString &)> failed = {};
    std::function<bool()> stopRequested = {}; // true once the scan is to end early (the window is closing)

    bool stopped() const { return stopRequested && stopRequested(); }
};

// Where a file dialog or folder picker opens: `wanted` when it is a folder
// that exists, otherwise the home folder (never the program's working folder).
QString PickerStartFolder(const QString &wanted);

// "" when cancelled; otherwise the chosen folder without a trailing separator
// (except the root "/"). The picker opens at PickerStartFolder(startFolder).
QString BrowseForFolder(Prompts &prompts, const QString &prompt, const QString &startFolder);

// Appends every sub-folder of the listed folders (level by level, recursively
// when `recurse`), and drops the folders that cannot be read. Sub-folders that
// are symbolic links are neither listed nor descended into.
void GetSubDirectories2016(FolderList &folders, bool recurse, const ScanHooks &hooks = {});

// Names (without folder) of the openable files in `folder` matching the
// wildcard `pattern` ("*", "?", letter case ignored, "*.*" matches every
// name); empty when none match. Dot-files are included. The names come in
// listing order (letter case ignored, then exact), as the sub-folders of a
// scan do, so a run's order does not depend on the file system.
QStringList GetFilesInFolder(const QString &folder, const QString &pattern);
// The same for names that match any of `patterns`, calling `pump` once per
// directory entry read (the caller throttles it) and ending early, with the
// names found so far, once `stop` answers true.
QStringList GetFilesInFolder(const QString &folder, const QStringList &patterns, const std::function<void()> &pump,
                             const std::function<bool()> &stop = {});

// A regular file that can be opened for reading; folders, FIFOs, devices and
// missing paths give false.
bool IsOpenableFile(const QString &path);
// Control characters (C0, DEL, C1), "?", or a name that is not valid Unicode.
bool HasBadNameChars(const QString &name);

// The system's wildcard rule: "*" any run, "?" one character, letter case
// ignored; a trailing ".*" also matches names without a dot, and an empty
// pattern matches every name.
bool WildcardMatch(const QString &name, const QString &pattern);

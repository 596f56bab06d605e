// The scan-and-filter walk behind "Add All Zip Files In Folder" and dropped
// folders, kept free of the window so the batch command can reuse it.
#pragma once

#include "AddFolder.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <functional>

// `folder` + separator + `name`, without doubling the separator after a root
// such as "/" or "C:\".
QString JoinPath(const QString &folder, const QString &name, QChar separator);

// Walks `folder` and every readable sub-folder, level by level, and hands each
// file that matches `pattern` and passes the three tests (name does not begin
// with "~", openable, not a dot-file) to `found`, already cleaned; an archive
// in parts is handed over once, by the path it is extracted from (see
// PartSets.h), and "*.zip" finds "*.zip.001" as well. Answers
// false when the start folder itself could not be read. The hooks' pump is
// called per folder, per sub-folder found, and per file listed and handed on;
// once the hooks ask to stop, the walk ends at the next of those points.
bool WalkArchives(const QString &folder, const QString &pattern, const ScanHooks &hooks,
                  const std::function<void(const QString &)> &found);
// The same for several patterns at once, each taken as it stands.
bool WalkArchives(const QString &folder, const QStringList &patterns, const ScanHooks &hooks,
                  const std::function<void(const QString &)> &found);

// The same walk for "*." + `extension`, the extension exactly as typed
// ("zip", "*" for every file).
QStringList CollectArchives(const QString &folder, const QString &extension, const ScanHooks &hooks = {});

// Wraps a pump so it runs at most once per `intervalMs`: the scan calls it per
// folder and per file, and tens of thousands of event-loop passes would cost more than the
// scan itself while a pass every few milliseconds keeps the window live.
std::function<void()> ThrottledPump(std::function<void()> pump, int intervalMs = 15);

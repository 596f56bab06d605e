// Showing a folder in the desktop's file manager, with an answer that can be
// trusted: QDesktopServices says yes as soon as it has started a launcher,
// even where that launcher finds nothing to show the folder with.
#pragma once

#include <QString>

// Runs `xdg-open` (or, where there is none, `gio open`) on the folder and
// waits for its exit status: false when it failed or nothing could be run. A
// launcher still running after a few seconds is showing something: true.
bool ShowFolderOnDesktop(const QString &folder);

// Reads a Windows cursor file (.cur) far enough to make a pointer from it:
// the picture itself is decoded by Qt's icon reader (format "ico"), but the
// hotspot lives in the file's directory entry, which that reader does not report.
#pragma once

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <optional>

struct CursorFileInfo {
    QPoint hotspot;
    int width = 0;
    int height = 0;
    QByteArray bytes; // the whole file, for QImage::fromData(bytes, "ico")
};

// The first picture's size and hotspot; nothing when the data is not a
// cursor file or its directory points outside the data.
std::optional<CursorFileInfo> ParseCursorFile(const QByteArray &bytes);
// Nothing as well when the file cannot be read.
std::optional<CursorFileInfo> ReadCursorFile(const QString &path);

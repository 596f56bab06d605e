// Writes Windows icon (.ico) and cursor (.cur) files: one 32-bit image with
// its AND mask, the layout every reader of the format understands.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>

// `hotspot` set: a cursor (.cur) with that hotspot; otherwise an icon (.ico).
QByteArray IconFileBytes(const QImage &image, const QPoint *hotspot = nullptr);

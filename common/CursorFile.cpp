#include "CursorFile.h"

#include <QFile>
#include <QtEndian>

namespace {

constexpr qsizetype DirectorySize = 6;
constexpr qsizetype EntrySize = 16;
constexpr quint16 CursorType = 2;
// No sane pointer picture comes near this; it keeps a hostile file from
// making us read a huge one.
constexpr qint64 LargestFile = 4 * 1024 * 1024;

quint16 Read16(const QByteArray &bytes, qsizetype at) { return qFromLittleEndian<quint16>(bytes.constData() + at); }

quint32 Read32(const QByteArray &bytes, qsizetype at) { return qFromLittleEndian<quint32>(bytes.constData() + at); }

} // namespace

std::optional<CursorFileInfo> ParseCursorFile(const QByteArray &bytes)
{
    if (bytes.size() < DirectorySize + EntrySize)
        return std::nullopt;
    if (Read16(bytes, 0) != 0 || Read16(bytes, 2) != CursorType || Read16(bytes, 4) == 0)
        return std::nullopt;
    const qsizetype entry = DirectorySize;
    const quint32 imageSize = Read32(bytes, entry + 8);
    const quint32 imageOffset = Read32(bytes, entry + 12);
    if (imageSize == 0 || imageOffset < DirectorySize + EntrySize || imageOffset > quint64(bytes.size())
        || imageSize > quint64(bytes.size()) - imageOffset)
        return std::nullopt;

    CursorFileInfo info;
    // A stored width or height of 0 means 256.
    info.width = quint8(bytes[entry]) == 0 ? 256 : quint8(bytes[entry]);
    info.height = quint8(bytes[entry + 1]) == 0 ? 256 : quint8(bytes[entry + 1]);
    info.hotspot = QPoint(Read16(bytes, entry + 4), Read16(bytes, entry + 6));
    if (info.hotspot.x() >= info.width || info.hotspot.y() >= info.height)
        return std::nullopt;
    info.bytes = bytes;
    return info;
}

std::optional<CursorFileInfo> ReadCursorFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > LargestFile)
        return std::nullopt;
    return ParseCursorFile(file.readAll());
}

#include "IconFileWriter.h"

#include <QtEndian>

namespace {

void Put16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void Put32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

} // namespace

QByteArray IconFileBytes(const QImage &source, const QPoint *hotspot)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();
    const int maskStride = ((width + 31) / 32) * 4;

    QByteArray dib;
    Put32(dib, 40); // BITMAPINFOHEADER
    Put32(dib, quint32(width));
    Put32(dib, quint32(height * 2)); // colour rows and mask rows together
    Put16(dib, 1);
    Put16(dib, 32);
    Put32(dib, 0);
    Put32(dib, quint32(width * height * 4 + maskStride * height));
    Put32(dib, 0);
    Put32(dib, 0);
    Put32(dib, 0);
    Put32(dib, 0);
    for (int y = height - 1; y >= 0; --y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = line[x]; // straight alpha, as the format wants
            dib.append(char(qBlue(pixel)));
            dib.append(char(qGreen(pixel)));
            dib.append(char(qRed(pixel)));
            dib.append(char(qAlpha(pixel)));
        }
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            if (qAlpha(line[x]) == 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        dib.append(row);
    }

    QByteArray out;
    Put16(out, 0);
    Put16(out, hotspot ? 2 : 1);
    Put16(out, 1);
    out.append(char(width >= 256 ? 0 : width));
    out.append(char(height >= 256 ? 0 : height));
    out.append(char(0));
    out.append(char(0));
    Put16(out, hotspot ? quint16(hotspot->x()) : 1);  // planes for an icon
    Put16(out, hotspot ? quint16(hotspot->y()) : 32); // bits per pixel for an icon
    Put32(out, quint32(dib.size()));
    Put32(out, 6 + 16);
    out.append(dib);
    return out;
}

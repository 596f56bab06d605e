// Draws the program's icon, its two pointer files and the pictures of the
// sample archives. Run by hand when a drawing changes; its output is kept in
// the repository so a build needs nothing but a copy.
//   draw_assets <assets folder> <sample pictures folder>

#include "IconFileWriter.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <cstdio>

namespace {

QImage Canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The icon in a 256-unit square: an amber folder whose front is unzipped
// from the top, the pull hanging at the bottom of the opening.
void PaintIcon(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    // Soft shadow under the folder.
    QRadialGradient shadow(QPointF(128, 226), 110);
    shadow.setColorAt(0, QColor(0, 0, 0, 70));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setBrush(shadow);
    p.drawEllipse(QPointF(128, 226), 110, 16);

    // Back with its tab.
    QPainterPath back;
    back.addRoundedRect(QRectF(20, 52, 216, 164), 18, 18);
    back.addRoundedRect(QRectF(20, 34, 96, 44), 14, 14);
    back.setFillRule(Qt::WindingFill);
    QLinearGradient backFill(0, 34, 0, 216);
    backFill.setColorAt(0, QColor(0xE0, 0x8A, 0x1E));
    backFill.setColorAt(1, QColor(0xC4, 0x6F, 0x12));
    p.setBrush(backFill);
    p.drawPath(back.simplified());

    // A sheet of paper peeking out of the folder.
    p.setBrush(QColor(0xFB, 0xF7, 0xEE));
    p.drawRoundedRect(QRectF(38, 62, 180, 60), 8, 8);

    // Front panel.
    QPainterPath front;
    front.addRoundedRect(QRectF(20, 82, 216, 140), 18, 18);
    QLinearGradient frontFill(0, 82, 0, 222);
    frontFill.setColorAt(0, QColor(0xFF, 0xCE, 0x5C));
    frontFill.setColorAt(1, QColor(0xF5, 0xA2, 0x23));
    p.setBrush(frontFill);
    p.drawPath(front);
    // Light edge along the top of the front.
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawRoundedRect(QRectF(20, 82, 216, 8), 4, 4);

    const QPointF leftTop(100, 82), rightTop(156, 82), meet(128, 150);
    // The opening: the front parted into a V, dark inside.
    QPainterPath opening;
    opening.moveTo(leftTop);
    opening.lineTo(meet);
    opening.lineTo(rightTop);
    opening.closeSubpath();
    QLinearGradient inside(0, 82, 0, 150);
    inside.setColorAt(0, QColor(0x6B, 0x3A, 0x08));
    inside.setColorAt(1, QColor(0x8A, 0x4F, 0x10));
    p.setBrush(inside);
    p.drawPath(opening);

    // Teeth: along both edges of the opening, then interlocked below it.
    const QColor tooth(0x3B, 0x41, 0x4D);
    p.setBrush(tooth);
    auto teethAlong = [&](QPointF from, QPointF to, double outward) {
        const QPointF step = to - from;
        const double length = std::hypot(step.x(), step.y());
        const int count = int(length / 9);
        const double angle = qRadiansToDegrees(std::atan2(step.y(), step.x()));
        for (int i = 0; i < count; ++i) {
            const QPointF at = from + step * ((i + 0.5) / count);
            p.save();
            p.translate(at);
            p.rotate(angle);
            p.drawRoundedRect(QRectF(-2.5, outward > 0 ? 0 : -7, 5, 7), 1.5, 1.5);
            p.restore();
        }
    };
    teethAlong(leftTop, meet, -1);
    teethAlong(rightTop, meet, 1);
    for (int i = 0; i < 8; ++i) {
        const double y = 150 + i * 8.5;
        const double x = (i % 2 == 0) ? 121 : 128;
        p.drawRoundedRect(QRectF(x, y, 7, 5.5), 1.5, 1.5);
    }

    // Slider and pull.
    QLinearGradient metal(112, 0, 144, 0);
    metal.setColorAt(0, QColor(0x9A, 0xA3, 0xB0));
    metal.setColorAt(0.5, QColor(0xEE, 0xF1, 0xF5));
    metal.setColorAt(1, QColor(0x8A, 0x93, 0xA0));
    p.setPen(QPen(QColor(0x4A, 0x50, 0x5C), 2.5));
    p.setBrush(metal);
    p.drawRoundedRect(QRectF(115, 138, 26, 22), 6, 6);
    QPainterPath pull;
    pull.addRoundedRect(QRectF(118, 156, 20, 36), 8, 8);
    QPainterPath hole;
    hole.addRoundedRect(QRectF(123.5, 170, 9, 15), 4.5, 4.5);
    p.drawPath(pull.subtracted(hole));
}

QImage Icon(int size)
{
    QImage image = Canvas(size, size);
    QPainter p(&image);
    p.scale(size / 256.0, size / 256.0);
    PaintIcon(p);
    return image;
}

// A white hand pointing up with a dark outline; the fingertip is the hotspot,
// given for the 32-pixel picture at every scale (screens of twice the density
// take the picture at scale 2 and the same hotspot in their own units).
QImage HandCursor(QPoint &hotspot, int scale = 1)
{
    QImage image = Canvas(32 * scale, 32 * scale);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(9.5, 1.5, 5, 17), 2.5, 2.5);    // index finger
    hand.addRoundedRect(QRectF(14.5, 9.5, 4.5, 10), 2.2, 2.2); // middle finger
    hand.addRoundedRect(QRectF(19, 10.5, 4.5, 10), 2.2, 2.2);  // ring finger
    hand.addRoundedRect(QRectF(23.5, 12, 4, 9), 2, 2);         // little finger
    hand.addRoundedRect(QRectF(9.5, 14.5, 18, 13), 4.5, 4.5);  // palm
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-2.5, -2.2, 10, 4.4), 2.2, 2.2);
    hand.addPath(QTransform().translate(8.2, 19.2).rotate(48).map(thumb));
    hand.setFillRule(Qt::WindingFill);
    const QPainterPath outline = hand.simplified();
    p.setPen(QPen(QColor(0x15, 0x18, 0x1E), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(outline);
    // Creases between the fingers.
    p.setPen(QPen(QColor(0x15, 0x18, 0x1E, 150), 0.9));
    p.drawLine(QPointF(14.5, 14.5), QPointF(14.5, 18));
    p.drawLine(QPointF(19, 15.5), QPointF(19, 18.5));
    p.drawLine(QPointF(23.5, 16), QPointF(23.5, 19));
    hotspot = QPoint(12, 1);
    return image;
}

// The list's pointer while a row is dragged: a row between up and down arrows.
QImage DragIcon(int scale = 1)
{
    QImage image = Canvas(32 * scale, 32 * scale);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(0x1F, 0x4E, 0x8C);
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(ink);
    QPainterPath up;
    up.moveTo(16, 1.5);
    up.lineTo(24, 10);
    up.lineTo(8, 10);
    up.closeSubpath();
    p.drawPath(up);
    QPainterPath down;
    down.moveTo(16, 30.5);
    down.lineTo(24, 22);
    down.lineTo(8, 22);
    down.closeSubpath();
    p.drawPath(down);
    p.setBrush(QColor(0xFF, 0xC8, 0x57));
    p.setPen(QPen(QColor(0x5A, 0x3B, 0x08), 1.2));
    p.drawRoundedRect(QRectF(3.5, 12.5, 25, 7), 2, 2);
    return image;
}

QImage HillsAtDusk()
{
    QImage image(320, 200, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 200);
    sky.setColorAt(0, QColor(0x2B, 0x2D, 0x6E));
    sky.setColorAt(0.55, QColor(0xE3, 0x7B, 0x6A));
    sky.setColorAt(1, QColor(0xFF, 0xC8, 0x7A));
    p.fillRect(image.rect(), sky);
    p.setPen(Qt::NoPen);
    QRadialGradient glow(QPointF(210, 118), 70);
    glow.setColorAt(0, QColor(255, 236, 170, 220));
    glow.setColorAt(1, QColor(255, 236, 170, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(210, 118), 70, 70);
    p.setBrush(QColor(0xFF, 0xF1, 0xC4));
    p.drawEllipse(QPointF(210, 118), 20, 20);
    const QColor layers[] = {QColor(0x7A, 0x4E, 0x7E), QColor(0x55, 0x3A, 0x66), QColor(0x2F, 0x25, 0x47)};
    for (int layer = 0; layer < 3; ++layer) {
        QPainterPath hill;
        const double base = 120 + layer * 26;
        hill.moveTo(0, 200);
        hill.lineTo(0, base);
        for (int x = 0; x <= 320; x += 8)
            hill.lineTo(x, base - 14 * std::sin((x + layer * 90) / (46.0 + layer * 12)) - 6 * std::sin(x / 17.0));
        hill.lineTo(320, 200);
        hill.closeSubpath();
        p.setBrush(layers[layer]);
        p.drawPath(hill);
    }
    p.setBrush(QColor(255, 255, 255, 200));
    for (const QPointF star : {QPointF(30, 20), QPointF(80, 42), QPointF(140, 14), QPointF(260, 30), QPointF(296, 12)})
        p.drawEllipse(star, 1.3, 1.3);
    return image;
}

QImage Tiles()
{
    QImage image(240, 240, QImage::Format_RGB32);
    image.fill(QColor(0xF7, 0xF3, 0xEA));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QColor palette[]
        = {QColor(0x26, 0x7F, 0x8C), QColor(0xE9, 0x9A, 0x3B), QColor(0xC8, 0x4B, 0x5C), QColor(0x3D, 0x4A, 0x7A)};
    for (int row = 0; row < 6; ++row) {
        for (int col = 0; col < 6; ++col) {
            const QRectF cell(col * 40, row * 40, 40, 40);
            p.setBrush(palette[(row + col) % 4]);
            switch ((row * 3 + col * 5) % 4) {
            case 0: p.drawEllipse(cell.adjusted(6, 6, -6, -6)); break;
            case 1:
                p.drawPie(cell.translated(-20, -20).adjusted(0, 0, 40, 40).adjusted(12, 12, -12, -12), 0, 90 * 16);
                break;
            case 2: {
                QPainterPath triangle;
                triangle.moveTo(cell.topLeft() + QPointF(6, 34));
                triangle.lineTo(cell.topLeft() + QPointF(20, 6));
                triangle.lineTo(cell.topLeft() + QPointF(34, 34));
                triangle.closeSubpath();
                p.drawPath(triangle);
                break;
            }
            default: p.drawRoundedRect(cell.adjusted(9, 9, -9, -9), 5, 5); break;
            }
        }
    }
    return image;
}

bool Save(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool SavePng(const QString &path, const QImage &image)
{
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: draw_assets <assets folder> <sample pictures folder>\n");
        return 2;
    }
    const QDir assets(QString::fromLocal8Bit(argv[1]));
    const QDir pictures(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(assets.filePath(QStringLiteral("icon")));
    QDir().mkpath(pictures.path());

    bool ok = true;
    for (int size : {256, 128, 64, 48, 32, 16})
        ok &= SavePng(assets.filePath(QStringLiteral("icon/marrowlyn-%1.png").arg(size)), Icon(size));
    QPoint hotspot;
    const QImage hand = HandCursor(hotspot);
    ok &= Save(assets.filePath(QStringLiteral("HAND-M.CUR")), IconFileBytes(hand, &hotspot));
    ok &= Save(assets.filePath(QStringLiteral("drag.ico")), IconFileBytes(DragIcon()));
    // Twice the pixels for screens of twice the density, found beside the 32-pixel files.
    ok &= SavePng(assets.filePath(QStringLiteral("HAND-M@2x.png")), HandCursor(hotspot, 2));
    ok &= SavePng(assets.filePath(QStringLiteral("drag@2x.png")), DragIcon(2));
    ok &= SavePng(pictures.filePath(QStringLiteral("Hills at Dusk.png")), HillsAtDusk());
    ok &= SavePng(pictures.filePath(QStringLiteral("Tiles.png")), Tiles());
    return ok ? 0 : 1;
}

#include "CursorFile.h"

#include <QFile>
#include <QImage>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray AssetBytes(const char *name)
{
    QFile file(QStringLiteral(ASSETS_FOLDER "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(CursorFile, ShippedHandPointsWithItsFingertip)
{
    const QByteArray bytes = AssetBytes("HAND-M.CUR");
    ASSERT_FALSE(bytes.isEmpty());
    const auto cursor = ParseCursorFile(bytes);
    ASSERT_TRUE(cursor.has_value());
    EXPECT_EQ(cursor->width, 32);
    EXPECT_EQ(cursor->height, 32);
    EXPECT_EQ(cursor->hotspot, QPoint(12, 1));

    // The window makes its pointer from this image and that hotspot.
    const QImage image = QImage::fromData(cursor->bytes, "ico");
    ASSERT_FALSE(image.isNull()) << "Qt's icon reader takes the cursor";
    EXPECT_EQ(image.size(), QSize(32, 32));
    EXPECT_GT(qAlpha(image.pixel(12, 3)), 0) << "the hotspot sits on the finger";
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "the corner is transparent";
    EXPECT_FALSE(QImage::fromData(AssetBytes("drag.ico"), "ico").isNull());
}

TEST(CursorFile, DamagedOrForeignFilesAreRefused)
{
    const QByteArray good = AssetBytes("HAND-M.CUR");
    ASSERT_TRUE(ParseCursorFile(good).has_value());
    EXPECT_FALSE(ParseCursorFile(QByteArray()).has_value());
    EXPECT_FALSE(ParseCursorFile(good.left(20)).has_value()) << "shorter than its directory";
    EXPECT_FALSE(ParseCursorFile(AssetBytes("drag.ico")).has_value()) << "an icon is not a cursor";
    EXPECT_FALSE(ParseCursorFile(good.left(good.size() - 1)).has_value()) << "picture cut short";

    QByteArray farOffset = good;
    qToLittleEndian<quint32>(0xFFFFFFF0u, farOffset.data() + 6 + 12);
    EXPECT_FALSE(ParseCursorFile(farOffset).has_value()) << "picture said to lie past the end";

    QByteArray wildHotspot = good;
    qToLittleEndian<quint16>(40, wildHotspot.data() + 6 + 4);
    EXPECT_FALSE(ParseCursorFile(wildHotspot).has_value()) << "hotspot outside the picture";

    EXPECT_FALSE(ReadCursorFile(QStringLiteral("/nonexistent/HAND-M.CUR")).has_value());
}

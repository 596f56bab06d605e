// The window on a screen of twice the density. ctest runs this alone with
// QT_SCALE_FACTOR=2 (ui_hidpi); in the ordinary run it has nothing to show.
#include "FormFixture.h"

#include <QTest>

namespace fs = std::filesystem;

namespace {

TEST_F(FormTest, AtTwiceTheDensityTheLayoutHoldsAndThePointersAreSharp)
{
    for (const char *asset : {"HAND-M.CUR", "HAND-M@2x.png"}) {
        fs::create_directories(dir / "program");
        fs::copy_file(fs::path(ASSETS_FOLDER) / asset, dir / "program" / asset);
    }
    Form1 &f = load();
    for (int i = 0; i < 12; ++i)
        f.JobRows().Add(QStringLiteral("/home/ann/Downloads/archive number %1 with a long name.zip").arg(i));
    f.Text1->setText(QStringLiteral("/home/ann/Desktop/unzipped/"));
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    if (f.devicePixelRatioF() < 2)
        GTEST_SKIP() << "the screen is not of twice the density (ctest runs this as ui_hidpi)";

    ASSERT_TRUE(f.MouseIcon().has_value());
    const QPixmap hand = f.MouseIcon()->pixmap();
    EXPECT_EQ(hand.size(), QSize(64, 64)) << "the picture drawn at twice the size";
    EXPECT_EQ(hand.devicePixelRatio(), 2.0);
    EXPECT_EQ(f.MouseIcon()->hotSpot(), QPoint(12, 1)) << "the tip where the cursor file has it";

    EXPECT_EQ(CutCaptions(&f), QStringList()) << "every control inside its parent, every caption within it";
    if (const QString folder = qEnvironmentVariable("MARROWLYN_SCREENSHOTS"); !folder.isEmpty()) {
        ASSERT_TRUE(f.grab().save(folder + QStringLiteral("/window-2x.png")));
    }
}

} // namespace

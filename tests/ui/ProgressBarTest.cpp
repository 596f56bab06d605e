// The caption of the progress bar during a run of many tiny archives.
#include "FormFixture.h"

#include <QElapsedTimer>
#include <QTest>

namespace {

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Painting the skinned bar for every archive once took most of a run over
// thousands of tiny archives; the caption now paints at most once a frame,
// while text() answers the latest caption at once and the latest is painted.
TEST_F(FormTest, ProgressCaptionPaintsOncePerFrameAndEndsOnTheLatest)
{
    Form1 &f = load();
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    PaintCounter counter;
    f.ProgressBar1->installEventFilter(&counter);

    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 2000; ++i) {
        f.SetProgressText(QStringLiteral("Processing: a%1.zip").arg(i));
        EXPECT_EQ(f.ProgressBar1->text(), QStringLiteral("Processing: a%1.zip").arg(i));
        QCoreApplication::processEvents();
    }
    const qint64 elapsed = clock.elapsed();
    // A few paints of the window's own (its first exposure, a busy machine's
    // late timers) come on top; painting every caption would be 2000.
    EXPECT_LE(counter.paints, elapsed / ProgressBar::CaptionFrameMs + 5)
        << counter.paints << " paints in " << elapsed << " ms";

    const int before = counter.paints;
    f.SetProgressText(IdleProgressText());
    EXPECT_TRUE(QTest::qWaitFor([&] { return counter.paints > before; }, 2000)) << "the last caption is painted";
    EXPECT_EQ(f.ProgressBar1->text(), IdleProgressText());
}

} // namespace

// Load on the real window, offscreen: the folder command over a large tree,
// "Clear List" over the rows it added, and "Start Unzipping" over tens of
// thousands of archives. Each phase is started from the window's own event
// loop, as a click would be, and reports its time, its own peak of resident
// memory and the gaps between the window thread's event-loop passes.
//
//   load-window-driver --tree DIR --out DIR --config DIR [--phases LIST] [--shot PNG]
//
// LIST is a comma-separated choice of scan-all, clear, scan-zip, run (all, in
// that order, by default); "run" extracts whatever rows the list holds.
// "done-box" shows the last run's closing box through the real Qt prompts,
// opens its details and closes it again. --shot saves the window as it
// looks 150 ms into the run, to look at.
#include "BenchPrompts.h"
#include "EventGapMeter.h"
#include "ProcessMemory.h"

#include "Form1.h"
#include "QtPrompts.h"
#include "common/Settings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

struct Options {
    QString tree, out, config, shot;
    QStringList phases{QStringLiteral("scan-all"), QStringLiteral("clear"), QStringLiteral("scan-zip"),
                       QStringLiteral("run")};
};

bool parse(const QStringList &args, Options &options)
{
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        const QString &key = args[i];
        const QString &value = args[i + 1];
        if (key == QLatin1String("--tree"))
            options.tree = value;
        else if (key == QLatin1String("--out"))
            options.out = value;
        else if (key == QLatin1String("--config"))
            options.config = value;
        else if (key == QLatin1String("--shot"))
            options.shot = value;
        else if (key == QLatin1String("--phases"))
            options.phases = value.split(QChar(','), Qt::SkipEmptyParts);
        else
            return false;
    }
    return args.size() % 2 == 1 && !options.tree.isEmpty() && !options.out.isEmpty() && !options.config.isEmpty();
}

// Runs `work` as one pass of the application's loop, then lets the loop make
// one more pass (where the last gap is closed) before it returns.
void measure(const char *name, EventGapMeter &meter, Form1 &form, const std::function<void()> &work)
{
    const bool ownPeak = ResetPeakMemory();
    const long before = CurrentMemoryKiB();
    QElapsedTimer clock;
    GapFigures gaps;
    qint64 elapsedNs = 0;
    meter.start();
    QTimer::singleShot(0, &form, [&] {
        clock.start();
        work();
        elapsedNs = clock.nsecsElapsed();
        QTimer::singleShot(0, &form, [&] {
            gaps = meter.stop();
            QCoreApplication::exit(0);
        });
    });
    QCoreApplication::exec();
    std::printf("| %s | %lld | %.3f | %s%ld | %ld | %ld | %lld | %.1f | %.1f | %.1f | %lld |\n", name,
                static_cast<long long>(form.JobRows().Count()), double(elapsedNs) / 1e9, ownPeak ? "" : "≤ ",
                PeakMemoryKiB() / 1024, before / 1024, CurrentMemoryKiB() / 1024, static_cast<long long>(gaps.passes),
                gaps.medianMs, gaps.p99Ms, gaps.maxMs, static_cast<long long>(gaps.over100));
    std::fflush(stdout);
}

// The user of the closing box: opens its details once the box is up, then
// closes it a little later. Polls from the box's own event loop.
void answerBoxLater(QObject *context)
{
    auto *poll = new QTimer(context);
    auto detailsShownAt = std::make_shared<QElapsedTimer>();
    QObject::connect(poll, &QTimer::timeout, poll, [poll, detailsShownAt] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (!detailsShownAt->isValid()) {
            for (QAbstractButton *button : box->buttons()) {
                if (box->buttonRole(button) == QMessageBox::ActionRole)
                    button->click();
            }
            detailsShownAt->start();
        } else if (detailsShownAt->elapsed() > 200) {
            box->accept();
            poll->deleteLater();
        }
    });
    poll->start(20);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Options options;
    if (!parse(app.arguments(), options)) {
        std::fprintf(stderr,
                     "usage: load-window-driver --tree DIR --out DIR --config DIR [--phases LIST] [--shot PNG]\n");
        return 2;
    }
    SetSettingsFolder(options.config);

    BenchPrompts prompts;
    prompts.folder = options.tree;
    // The program's own folder: skin, pointer pictures and engine as shipped.
    Form1 form(prompts, Form1Environment{QString(), [] { return 0.5; }});
    form.Form_Load();
    form.Text1->setText(options.out);
    form.show();
    EventGapMeter meter;

    std::printf("| phase | rows after | seconds | peak MiB | MiB before | MiB after | passes | median gap ms "
                "| p99 gap ms | max gap ms | gaps > 100 ms |\n|---|---|---|---|---|---|---|---|---|---|---|\n");
    for (const QString &phase : std::as_const(options.phases)) {
        const QByteArray name = phase.toUtf8();
        if (phase == QLatin1String("scan-all") || phase == QLatin1String("scan-zip")) {
            prompts.extension = phase == QLatin1String("scan-all") ? QStringLiteral("*") : QStringLiteral("zip");
            measure(name.constData(), meter, form, [&] { form.PushButton4_Click(); });
        } else if (phase == QLatin1String("clear")) {
            measure(name.constData(), meter, form, [&] { form.PushButton5_Click(); });
        } else if (phase == QLatin1String("run")) {
            prompts.messages.clear();
            // Taken from the window's own event loop, served while the run goes on.
            if (!options.shot.isEmpty())
                QTimer::singleShot(150, &form, [&] { form.grab().save(options.shot); });
            measure(name.constData(), meter, form, [&] { form.PushButton2_Click(); });
        } else if (phase == QLatin1String("done-box")) {
            if (prompts.messages.isEmpty())
                continue;
            QtPrompts real(&form);
            measure(name.constData(), meter, form, [&] {
                answerBoxLater(&form);
                real.message(prompts.messages.last(), QStringLiteral("Marrowlyn"), Prompts::Buttons::Ok,
                             Prompts::Icon::None, prompts.lastDetail);
            });
        } else {
            std::fprintf(stderr, "unknown phase: %s\n", name.constData());
            return 2;
        }
    }
    // Any box other than the run's own "Done." (an error box, a refusal) means
    // the figures are not of a clean run.
    for (const QString &text : std::as_const(prompts.messages))
        std::printf("\nbox: %s\n", qPrintable(QString(text).replace(QChar('\n'), QStringLiteral(" / "))));
    if (!prompts.lastDetail.isEmpty())
        std::printf("detail (first 300 characters): %s\n", qPrintable(prompts.lastDetail.left(300)));
    return 0;
}

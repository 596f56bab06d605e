// The shared texts in German: made whole from their pieces, with the
// engine's words for parts of a set put into German too, and English again
// once the translation is removed.
#include "FailureSummary.h"
#include "ProgramFolder.h"
#include "RunSummary.h"
#include "Translations.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

QCoreApplication &application()
{
    static int argc = 1;
    static char name[] = "run_tests";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

} // namespace

TEST(SharedTexts, ComeOutInGermanAndBackInEnglish)
{
    application();
    const std::vector<std::string> lines
        = {"error: a.txt: wrong password", "error: b.txt: wrong password", "error: c.txt: CRC error"};
    const std::vector<std::string> part = {"error: x.zip: part 2 (\"x.zip.002\") is missing"};
    const std::vector<ArchiveProblem> problems = {{QStringLiteral("/a/x.zip"), QStringLiteral("r"), {}}};
    struct Case {
        std::string english, german;
    };
    const auto texts = [&] {
        return std::vector<std::string>{FailureSummary(lines), MissingPartReason(part),
                                        SummarizeRun(3, problems).headline.toStdString(),
                                        SummarizeRun(3, {problems[0], problems[0]}).headline.toStdString(),
                                        SummarizeRun(1, problems).headline.toStdString()};
    };
    const std::vector<std::string> english = texts();
    ASSERT_EQ(InstallTranslation(QStringLiteral("de"), QString::fromStdString(ProgramFolder())), QStringLiteral("de"));
    const std::vector<std::string> german = texts();
    RemoveTranslations();
    EXPECT_EQ(texts(), english);

    const std::vector<Case> cases = {
        {"wrong password (2 files); damaged: 1 file failed its check",
         "falsches Kennwort (2 Dateien); beschädigt: 1 Datei hat die Prüfung nicht bestanden"},
        {"part 2 (\"x.zip.002\") is missing", "Teil 2 („x.zip.002“) fehlt"},
        {"Done.\n\n1 of 3 archives was not extracted cleanly",
         "Fertig.\n\n1 von 3 Archiven wurde nicht fehlerfrei entpackt"},
        {"Done.\n\n2 of 3 archives were not extracted cleanly",
         "Fertig.\n\n2 von 3 Archiven wurden nicht fehlerfrei entpackt"},
        {"Done.\n\n1 of 1 archive was not extracted cleanly",
         "Fertig.\n\n1 von 1 Archiv wurde nicht fehlerfrei entpackt"},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(english[i], cases[i].english);
        EXPECT_EQ(german[i], cases[i].german);
    }
}

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

// The "Done." box's headline in every language shipped, for one archive not
// extracted cleanly and for three, of three and of one: the plural forms
// each language's rules pick, with the counts in their places.
TEST(SharedTexts, CountedTextsTakeEachLanguagesPluralForms)
{
    application();
    const ArchiveProblem problem{QStringLiteral("/a/x.zip"), QStringLiteral("r"), {}};
    struct Case {
        const char *language;
        std::string oneOfThree, threeOfThree, oneOfOne, filesKept;
    };
    const std::vector<Case> cases = {
        {"de", "Fertig.\n\n1 von 3 Archiven wurde nicht fehlerfrei entpackt",
         "Fertig.\n\n3 von 3 Archiven wurden nicht fehlerfrei entpackt",
         "Fertig.\n\n1 von 1 Archiv wurde nicht fehlerfrei entpackt", "3 Dateien unverändert behalten"},
        {"fr", "Terminé.\n\n1 archive sur 3 n'a pas été extraite correctement",
         "Terminé.\n\n3 archives sur 3 n'ont pas été extraites correctement",
         "Terminé.\n\n1 archive sur 1 n'a pas été extraite correctement", "3 fichiers conservés tels quels"},
        {"es", "Listo.\n\n1 de 3 archivos comprimidos no se extrajo correctamente",
         "Listo.\n\n3 de 3 archivos comprimidos no se extrajeron correctamente",
         "Listo.\n\n1 de 1 archivo comprimido no se extrajo correctamente", "3 archivos conservados tal cual"},
        {"ja", "完了しました。\n\n3 個中 1 個のアーカイブを正常に展開できませんでした",
         "完了しました。\n\n3 個中 3 個のアーカイブを正常に展開できませんでした",
         "完了しました。\n\n1 個中 1 個のアーカイブを正常に展開できませんでした", "3 個のファイルをそのまま残しました"},
    };
    for (const Case &c : cases) {
        ASSERT_EQ(InstallTranslation(QString::fromLatin1(c.language), QString::fromStdString(ProgramFolder())),
                  QString::fromLatin1(c.language));
        EXPECT_EQ(SummarizeRun(3, {problem}).headline.toStdString(), c.oneOfThree) << c.language;
        EXPECT_EQ(SummarizeRun(3, {problem, problem, problem}).headline.toStdString(), c.threeOfThree) << c.language;
        EXPECT_EQ(SummarizeRun(1, {problem}).headline.toStdString(), c.oneOfOne) << c.language;
        EXPECT_EQ(QCoreApplication::translate("ArchiveJob", "%n files kept as they were", nullptr, 3).toStdString(),
                  c.filesKept)
            << c.language;
        RemoveTranslations();
    }
}

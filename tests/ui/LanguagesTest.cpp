// The window and its More Options dialog in every language shipped: every
// text a person reads is translated, every caption still fits (plain and
// skinned, at one and at twice the density), and what is stored is the same
// as in English.
#include "FormFixture.h"
#include "MoreOptionsDialog.h"
#include "PasswordListStore.h"
#include "ProgramFolder.h"
#include "Translations.h"

#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>

namespace {

// Every text of `root` and its children, in creation order, so that the
// same window built in two languages gives lists that pair up.
QStringList Texts(QWidget *root)
{
    QStringList texts{root->windowTitle()};
    for (QWidget *w : root->findChildren<QWidget *>()) {
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            texts << button->text();
        else if (auto *group = qobject_cast<QGroupBox *>(w))
            texts << group->title();
        else if (auto *label = qobject_cast<QLabel *>(w))
            texts << label->text();
        else if (auto *combo = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        else if (auto *tree = qobject_cast<QTreeWidget *>(w))
            texts << tree->headerItem()->text(0);
        texts << w->toolTip() << w->accessibleName() << w->accessibleDescription();
    }
    texts.removeAll(QString());
    return texts;
}

// The language's code ("de"); "en" is the source and loads nothing.
class LanguagesTest : public FormTest, public ::testing::WithParamInterface<const char *> {
protected:
    void TearDown() override { RemoveTranslations(); }

    QString language() const { return QString::fromLatin1(GetParam()); }

    // The window with two archives in the list and More Options over it, in
    // `language`, plain or (with its style sheet's padding) skinned; each
    // caption cut short is reported. Returns every text of both.
    QStringList windowTexts(const QString &language, bool skinned, const QString &shot = {})
    {
        RemoveTranslations();
        if (skinned) {
            std::filesystem::create_directories(dir / "program" / "x");
            std::filesystem::copy_file(std::filesystem::path(ASSETS_FOLDER) / "x/o.cjs", dir / "program" / "x/o.cjs",
                                       std::filesystem::copy_options::overwrite_existing);
        } else {
            std::filesystem::remove(dir / "program" / "x/o.cjs");
        }
        if (language != QStringLiteral("en")) {
            EXPECT_EQ(InstallTranslation(language, QString::fromStdString(ProgramFolder())), language);
        }
        const std::string where = language.toStdString() + (skinned ? ", skinned" : ", plain");
        Form1 &f = load();
        f.JobRows().Add(QStringLiteral("/home/ann/Downloads/Urlaubsfotos 2023.zip"));
        f.JobRows().Add(QStringLiteral("/home/ann/Downloads/Rechnungen.zip"));
        f.Text1->setText(QStringLiteral("/home/ann/Schreibtisch/entpackt/"));
        f.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&f));
        EXPECT_EQ(CutCaptions(&f).join(" | ").toStdString(), "") << where;
        if (!shot.isEmpty()) {
            EXPECT_TRUE(f.grab().save(shot));
        }
        PasswordListStore store(QStringLiteral("Marrowlyn test"), std::chrono::milliseconds(0));
        MoreOptionsDialog dialog(
            prompts, RunOptions{}, [](const RunOptions &) {}, &f, &store);
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        EXPECT_EQ(CutCaptions(&dialog).join(" | ").toStdString(), "") << where << ", More Options";
        return Texts(&f) + Texts(&dialog);
    }
};

TEST_P(LanguagesTest, EveryTextIsTranslatedAndTheStoredChoicesStayTheSame)
{
    const QStringList english = windowTexts(QStringLiteral("en"), false);
    const QStringList translated = windowTexts(language(), false);
    windowTexts(language(), true);
    ASSERT_EQ(translated.size(), english.size());
    // The product's name, paths and the browse button's dots are no words.
    const QStringList same{QStringLiteral("Marrowlyn"), QStringLiteral("..."),
                           QStringLiteral("/home/ann/Downloads/Urlaubsfotos 2023.zip"),
                           QStringLiteral("/home/ann/Downloads/Rechnungen.zip")};
    for (qsizetype i = 0; i < english.size(); ++i) {
        if (!same.contains(english[i])) {
            EXPECT_NE(translated[i], english[i]) << "not translated: " << english[i].toStdString();
        }
    }

    // A choice made in any language is stored in the words every language reads.
    Form1 &f = *form;
    f.Option2->click();
    EXPECT_EQ(stored(SettingKey::Option2), QStringLiteral("True"));
    RunOptions chosen;
    MoreOptionsDialog dialog(
        prompts, RunOptions{}, [&chosen](const RunOptions &o) { chosen = o; }, &f);
    dialog.SubfolderName->setCurrentIndex(2);
    EXPECT_EQ(chosen.subfolderName, RunOptions::SubfolderName::Smart);
}

// The same at twice the density (ctest runs this as ui_hidpi): every caption
// whole, descenders too. With MARROWLYN_SCREENSHOTS it draws the README's
// window-<language>.png.
TEST_P(LanguagesTest, AtTwiceTheDensityKeepEveryCaptionWhole)
{
    if (QGuiApplication::primaryScreen()->devicePixelRatio() < 2)
        GTEST_SKIP() << "the screen is not of twice the density (ctest runs this as ui_hidpi)";
    const QString folder = qEnvironmentVariable("MARROWLYN_SCREENSHOTS");
    windowTexts(language(), false, folder.isEmpty() ? QString() : folder + "/window-" + language() + ".png");
    windowTexts(language(), true);
}

INSTANTIATE_TEST_SUITE_P(Shipped, LanguagesTest, ::testing::Values("de", "fr", "es", "ja"),
                         [](const ::testing::TestParamInfo<const char *> &shipped) { return std::string(shipped.param); });

} // namespace

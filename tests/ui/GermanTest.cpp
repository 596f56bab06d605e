// The window and its More Options dialog in German: every text a person
// reads is translated, every caption still fits, and what is stored is the
// same as in English.
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

class GermanTest : public FormTest {
protected:
    void TearDown() override { RemoveTranslations(); }

    // In the plain look and, with its style sheet's padding, the skinned one.
    QStringList windowTexts(bool german, bool skinned, const QString &shot = {})
    {
        RemoveTranslations();
        if (skinned) {
            std::filesystem::create_directories(dir / "program" / "x");
            std::filesystem::copy_file(std::filesystem::path(ASSETS_FOLDER) / "x/o.cjs", dir / "program" / "x/o.cjs",
                                       std::filesystem::copy_options::overwrite_existing);
        }
        if (german) {
            EXPECT_EQ(InstallTranslation(QStringLiteral("de"), QString::fromStdString(ProgramFolder())),
                      QStringLiteral("de"));
        }
        Form1 &f = load();
        f.JobRows().Add(QStringLiteral("/home/ann/Downloads/Urlaubsfotos 2023.zip"));
        f.JobRows().Add(QStringLiteral("/home/ann/Downloads/Rechnungen.zip"));
        f.Text1->setText(QStringLiteral("/home/ann/Schreibtisch/entpackt/"));
        f.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&f));
        EXPECT_EQ(CutCaptions(&f), QStringList()) << (german ? "German" : "English") << (skinned ? ", skinned" : "");
        if (!shot.isEmpty()) {
            EXPECT_TRUE(f.grab().save(shot));
        }
        MoreOptionsDialog dialog(
            prompts, RunOptions{}, [](const RunOptions &) {}, &f);
        dialog.show();
        EXPECT_EQ(CutCaptions(&dialog), QStringList());
        return Texts(&f) + Texts(&dialog);
    }
};

TEST_F(GermanTest, EveryTextIsTranslatedAndTheStoredChoicesStayTheSame)
{
    const QStringList english = windowTexts(false, false);
    const QString folder = qEnvironmentVariable("MARROWLYN_SCREENSHOTS");
    const QStringList german = windowTexts(true, false, folder.isEmpty() ? QString() : folder + "/window-de.png");
    windowTexts(false, true);
    windowTexts(true, true);
    ASSERT_EQ(german.size(), english.size());
    // The product's name, paths and the browse button's dots are no words.
    const QStringList same{QStringLiteral("Marrowlyn"), QStringLiteral("..."),
                           QStringLiteral("/home/ann/Downloads/Urlaubsfotos 2023.zip"),
                           QStringLiteral("/home/ann/Downloads/Rechnungen.zip")};
    for (qsizetype i = 0; i < english.size(); ++i) {
        if (!same.contains(english[i])) {
            EXPECT_NE(german[i], english[i]) << "not translated: " << english[i].toStdString();
        }
    }

    // A choice made in German is stored in the words every language reads.
    Form1 &f = *form;
    f.Option2->click();
    EXPECT_EQ(stored(SettingKey::Option2), QStringLiteral("True"));
    RunOptions chosen;
    MoreOptionsDialog dialog(
        prompts, RunOptions{}, [&chosen](const RunOptions &o) { chosen = o; }, &f);
    dialog.SubfolderName->setCurrentIndex(2);
    EXPECT_EQ(chosen.subfolderName, RunOptions::SubfolderName::Smart);
}

// More Options with its list of passwords, skinned, in German at twice the
// density (ctest runs this as ui_hidpi): every caption whole, descenders too.
TEST_F(GermanTest, MoreOptionsAtTwiceTheDensityKeepEveryCaptionWhole)
{
    std::filesystem::create_directories(dir / "program" / "x");
    std::filesystem::copy_file(std::filesystem::path(ASSETS_FOLDER) / "x/o.cjs", dir / "program" / "x/o.cjs");
    ASSERT_EQ(InstallTranslation(QStringLiteral("de"), QString::fromStdString(ProgramFolder())), QStringLiteral("de"));
    Form1 &f = load();
    PasswordListStore store(QStringLiteral("Marrowlyn test"), std::chrono::milliseconds(0));
    MoreOptionsDialog dialog(
        prompts, RunOptions{}, [](const RunOptions &) {}, &f, &store);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    if (dialog.devicePixelRatioF() < 2)
        GTEST_SKIP() << "the screen is not of twice the density (ctest runs this as ui_hidpi)";
    EXPECT_EQ(CutCaptions(&dialog), QStringList());
}

} // namespace

#include "FormFixture.h"
#include "PathHelpers.h"

namespace {

TEST_F(FormTest, FirstStartOnEmptySettings)
{
    Form1 &f = load();
    EXPECT_EQ(f.windowTitle(), "Marrowlyn");
    EXPECT_EQ(f.size(), QSize(536, 486));
    EXPECT_EQ(f.minimumSize(), f.maximumSize());
    ASSERT_EQ(f.ListView1->columnCount(), 1);
    EXPECT_EQ(f.ListView1->headerItem()->text(0), "Zip File(s)");
    EXPECT_FALSE(f.ListView1->isHeaderHidden());
    EXPECT_GE(f.ListView1->columnWidth(0), 467) << "7000 twips, stretched to the list's width";
    EXPECT_EQ(f.ListView1->toolTip(), ListTooltip());
    EXPECT_EQ(f.JobRows().Count(), 0);

    const QString desktop = GetDesktopFolder();
    EXPECT_TRUE(desktop.endsWith('/'));
    EXPECT_EQ(f.Text1->text(), desktop);
    EXPECT_EQ(stored(SettingKey::OutputDirectory), desktop);
    EXPECT_TRUE(f.Option1->isChecked());
    EXPECT_FALSE(f.Option2->isChecked());
    EXPECT_EQ(stored(SettingKey::Option1), "True");
    EXPECT_EQ(stored(SettingKey::Option2), "False");
    EXPECT_FALSE(f.PasswordSetValue());
    EXPECT_EQ(f.MousePointer(), Pointer::Default);
    EXPECT_FALSE(f.MouseIcon().has_value());
    EXPECT_EQ(f.ProgressBar1->text(), "Progress Bar");
    EXPECT_EQ(f.ProgressBar1->value(), 0);
    EXPECT_TRUE(prompts.calls().empty());
}

// Places in twips, as drawn, at 15 twips a pixel; frames' children relative
// to their frame.
TEST_F(FormTest, LayoutAndLook)
{
    Form1 &f = load();
    EXPECT_EQ(f.ListView1->geometry(), QRect(8, 8, 520, 169));
    EXPECT_EQ(f.PushButton1->geometry(), QRect(8, 183, 256, 27));
    EXPECT_EQ(f.PushButton4->geometry(), QRect(272, 183, 256, 27));
    EXPECT_EQ(f.PushButton8->geometry(), QRect(272, 251, 256, 27));
    EXPECT_EQ(f.Frame2->geometry(), QRect(8, 283, 520, 69));
    EXPECT_EQ(f.Option2->geometry(), QRect(16, 43, 377, 17));
    EXPECT_EQ(f.Frame1->geometry(), QRect(8, 356, 520, 53));
    EXPECT_EQ(f.Text1->geometry(), QRect(16, 20, 445, 23));
    EXPECT_EQ(f.PushButton3->geometry(), QRect(464, 20, 40, 23));
    EXPECT_EQ(f.PushButton2->geometry(), QRect(8, 417, 520, 27));
    EXPECT_EQ(f.ProgressBar1->geometry(), QRect(8, 451, 520, 27));
    EXPECT_EQ(withoutMnemonic(f.Option1->text()), "Unzip each zip into its own subfolder folder");
    EXPECT_EQ(withoutMnemonic(f.Option2->text()), "Unzip all zips into one folder");
    EXPECT_EQ(f.Frame1->title(), "Unzip To This Folder");
    EXPECT_EQ(f.Frame2->title(), "Unzip Option");
    EXPECT_EQ(withoutMnemonic(f.PushButton6->text()), "Load Sample/Example Files");

    for (QWidget *w : std::initializer_list<QWidget *>{&f, f.Frame1, f.Frame2, f.Option1, f.Option2})
        EXPECT_EQ(w->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_TRUE(f.font().bold());
    EXPECT_DOUBLE_EQ(f.font().pointSizeF(), 9.0);
    EXPECT_DOUBLE_EQ(f.PushButton2->font().pointSizeF(), 11.25);
    EXPECT_TRUE(f.PushButton2->font().bold());
    EXPECT_TRUE(f.ListView1->font().bold());
    EXPECT_TRUE(QStringList({"Arial", "Liberation Sans"}).contains(f.font().family()));
    EXPECT_TRUE(f.ProgressBar1->isTextVisible());
}

TEST_F(FormTest, StartUpRestoresStoredChoices)
{
    store(SettingKey::OutputDirectory, "");
    store(SettingKey::Option1, "False");
    store(SettingKey::Option2, "True");
    store(SettingKey::Password, "kept");
    Form1 &f = load();
    // An empty stored folder is not replaced by the default.
    EXPECT_EQ(f.Text1->text(), "");
    EXPECT_FALSE(f.Option1->isChecked());
    EXPECT_TRUE(f.Option2->isChecked());
    EXPECT_EQ(stored(SettingKey::Option1), "False");
    EXPECT_EQ(stored(SettingKey::Option2), "True");
    EXPECT_FALSE(f.PasswordSetValue());

    // Both stored unselected: neither button is selected.
    store(SettingKey::Option2, "0");
    Form1 &g = load();
    EXPECT_FALSE(g.Option1->isChecked());
    EXPECT_FALSE(g.Option2->isChecked());
}

// A failing step shows one error box naming the load and a line, and the
// start-up goes on; a failed file test goes on to load the picture.
TEST_F(FormTest, FailingStepsAreReportedAndTheStartUpGoesOn)
{
    store(SettingKey::Option1, "maybe");
    dir.write("program/HAND-M.CUR", "not a cursor");
    prompts.expectMessage().expectMessage();
    Form1 &f = load();
    ASSERT_EQ(prompts.calls().size(), 2u);
    for (const auto &call : prompts.calls()) {
        EXPECT_EQ(call.title, "Application Error");
        EXPECT_EQ(call.icon, Prompts::Icon::Exclamation);
        EXPECT_TRUE(call.text.contains("\r\nin Plindrave2021/08/31.Form1.Form_Load at line "))
            << call.text.toStdString();
    }
    EXPECT_TRUE(prompts.calls()[1].text.startsWith("Type mismatch"));
    EXPECT_TRUE(f.Option1->isChecked());
    EXPECT_EQ(f.ListView1->headerItem()->text(0), "Zip File(s)");
    EXPECT_FALSE(f.PasswordSetValue());
}

TEST_F(FormTest, TheHomePageOpensOnTheLuckyDraw)
{
    prompts.expectOpenWithShell();
    load(0.065);
    EXPECT_EQ(prompts.last().text, HomePageAddress);
}

} // namespace

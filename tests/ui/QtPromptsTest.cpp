#include "AddingCommands.h"
#include "FormFixture.h"
#include "ProgramFolder.h"
#include "QtPrompts.h"
#include "Translations.h"

#include <QApplication>
#include <QLabel>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QSet>
#include <gtest/gtest.h>

namespace {

// The pure conversions of the Qt prompts; the dialogs themselves are Qt's.
TEST(QtPrompts, ConvertsTextsFiltersAndAnswers)
{
    EXPECT_EQ(DisplayText("a\r\rb\r\nc"), "a\n\nb\nc");
    EXPECT_EQ(QtFilter("Zip Files (*.zip)|*.zip"), "Zip Files (*.zip)");
    EXPECT_EQ(QtFilter("Zip Files|*.zip|All|*.*"), "Zip Files (*.zip);;All (*.*)");
    EXPECT_EQ(QtFilter(AddFilesFilter()), "Zip Files (*.zip);;Split Zip Files (*.zip.001)");
    EXPECT_EQ(OpenFilesAnswer({}), "");
    EXPECT_EQ(OpenFilesAnswer({"/in/one.zip"}), "/in/one.zip");
    EXPECT_EQ(OpenFilesAnswer({"/in/a.zip", "/in/b c.zip"}),
              QString("/in") + QChar(0) + "a.zip" + QChar(0) + "b c.zip");

    struct Case {
        QString text, html;
    };
    for (const Case &c :
         {Case{"no address, /home/ann/a.zip", ""},
          Case{"see https://a.example/b/.", R"(see <a href="https://a.example/b/">https://a.example/b/</a>.)"},
          Case{"<b> & http://x.example\nnext",
               R"(&lt;b&gt; &amp; <a href="http://x.example">http://x.example</a><br>next)"}})
        EXPECT_EQ(TextWithLinks(c.text), c.html) << c.text.toStdString();
}

// The password box takes a password as long as the engine does, 64 KiB.
TEST(QtPrompts, ThePasswordBoxTakesAPasswordOf64KiB)
{
    const QString password(64 * 1024, QChar('p'));
    QtPrompts prompts;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialog->findChild<QLineEdit *>()->insert(password + "cut");
        dialog->accept();
    });
    const QString answer = prompts.input("Password:", "Title", QString(), true);
    EXPECT_EQ(answer.size(), password.size());
    EXPECT_TRUE(answer == password);
}

// The boxes of a run, keyboard only, in English and each language shipped: every button has
// a mnemonic of its own (the details button too, after it was pressed), each
// caption fits, and Escape closes the "Done." box as OK.
TEST(QtPrompts, TheRunsBoxesAreForTheKeyboard)
{
    for (const char *language : {"en", "de", "fr", "es", "ja"}) {
        RemoveTranslations();
        if (QString(language) != "en") {
            ASSERT_EQ(InstallTranslation(language, QString::fromStdString(ProgramFolder())), language);
        }
        for (const Prompts::Buttons buttons : {Prompts::Buttons::OkOpenFolder, Prompts::Buttons::YesNoStopNow}) {
            QtPrompts prompts;
            QStringList faults;
            QTimer::singleShot(0, [&] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                if (!box)
                    return;
                for (int round = 0; round < 2; ++round) {
                    QSet<QChar> keys;
                    for (QPushButton *button : box->findChildren<QPushButton *>()) {
                        const QString text = button->text();
                        const qsizetype amp = text.indexOf('&');
                        const bool plainOk = button == box->button(QMessageBox::Ok) && !text.contains('&');
                        if (!plainOk && (amp < 0 || amp + 1 >= text.size() || keys.contains(text[amp + 1].toLower())))
                            faults << text + ": no mnemonic of its own";
                        else if (!plainOk)
                            keys << text[amp + 1].toLower();
                        QStyleOptionButton option;
                        option.initFrom(button);
                        option.text = text;
                        const int room
                            = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
                        if (button->fontMetrics().horizontalAdvance(withoutMnemonic(text)) > room)
                            faults << text + ": cut";
                    }
                    if (round > 0)
                        break;
                    // "Show Details..." (the one button the box was not given) pressed: Qt names it anew.
                    for (QPushButton *button : box->findChildren<QPushButton *>()) {
                        if (!box->buttons().contains(button))
                            button->click();
                    }
                    QCoreApplication::processEvents();
                }
                QTest::keyClick(box, Qt::Key_Escape);
                if (box->isVisible()) {
                    faults << "Escape left the box open";
                    box->reject();
                }
            });
            const Prompts::Answer answer
                = prompts.message("Done.", "Marrowlyn", buttons, Prompts::Icon::None, "a.zip: wrong password");
            EXPECT_TRUE(faults.isEmpty()) << language << ": " << faults.join(", ").toStdString();
            EXPECT_EQ(answer, buttons == Prompts::Buttons::OkOpenFolder ? Prompts::Answer::Ok : Prompts::Answer::No)
                << language;
        }
    }
    RemoveTranslations();
}

// A folder is shown by the desktop's launcher, and its exit status is the
// answer: a failing xdg-open is no success; without one, gio is asked.
TEST(QtPrompts, AFolderIsShownOnlyWhenTheLauncherSucceeds)
{
    TempDir bin;
    const QString folder = q(bin / "out put");
    const QByteArray path = qgetenv("PATH");
    const struct {
        const char *launcher, *script;
        bool shown;
        const char *called;
    } cases[] = {
        {"xdg-open", "echo \"$@\" > called; exit 4", false, "file:///"},
        {"xdg-open", "echo \"$@\" > called", true, "file:///"},
        {"gio", "echo \"$@\" > called; exit 1", false, "open -- file:///"},
    };
    for (const auto &c : cases) {
        std::filesystem::remove_all(bin / "stub");
        std::filesystem::create_directories(bin / "stub");
        const auto stub = bin.write(std::string("stub/") + c.launcher,
                                    std::string("#!/bin/sh\ncd \"${0%/*}\"\n") + c.script + "\n");
        std::filesystem::permissions(stub, std::filesystem::perms::owner_all);
        qputenv("PATH", QFile::encodeName(q(bin / "stub")));
        QtPrompts prompts;
        EXPECT_EQ(prompts.openWithShell(folder), c.shown) << c.launcher << " " << c.script;
        qputenv("PATH", path);
        const std::string called = bin.read("stub/called");
        EXPECT_TRUE(called.starts_with(c.called) && called.find("out%20put") != std::string::npos) << called;
    }
}

class OpeningPrompts : public QtPrompts {
public:
    bool openWithShell(const QString &target) override
    {
        opened << target;
        return true;
    }
    QStringList opened;
};

// "Help" in the real message box: the address is a link, and the keyboard
// (or the mouse) opens it.
TEST_F(FormTest, TheHelpAddressIsALinkThatOpens)
{
    OpeningPrompts qtPrompts;
    Form1 f(qtPrompts, Form1Environment{q(dir / "program"), [] { return 0.5; }});
    qtPrompts.setOwner(&f);
    f.Form_Load();
    f.show();
    QString shown;
    QTimer::singleShot(0, &f, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        for (QLabel *label : box->findChildren<QLabel *>()) {
            if (!label->text().contains(QStringLiteral("<a href=\"%1\"").arg(ContactAddress)))
                continue;
            shown = label->text();
            label->setFocus();
            QTest::keyClick(label, Qt::Key_Tab);
            QTest::keyClick(label, Qt::Key_Return);
        }
        box->accept();
    });
    f.PushButton8_Click();
    EXPECT_TRUE(shown.startsWith("Questions? Please contact Team Quorvane at <a href=")) << shown.toStdString();
    EXPECT_EQ(qtPrompts.opened, QStringList{ContactAddress});
}

} // namespace

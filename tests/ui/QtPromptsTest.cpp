#include "AddingCommands.h"
#include "FormFixture.h"
#include "QtPrompts.h"

#include <QApplication>
#include <QLabel>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
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
    EXPECT_EQ(OpenFilesAnswer({"/in/a.zip", "/in/b c.zip"}), QString("/in") + QChar(0) + "a.zip" + QChar(0) + "b c.zip");

    struct Case {
        QString text, html;
    };
    for (const Case &c : {Case{"no address, /home/ann/a.zip", ""},
                          Case{"see https://a.example/b/.", R"(see <a href="https://a.example/b/">https://a.example/b/</a>.)"},
                          Case{"<b> & http://x.example\nnext", R"(&lt;b&gt; &amp; <a href="http://x.example">http://x.example</a><br>next)"}})
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

}

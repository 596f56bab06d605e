#include "AddingTestSupport.h"

#include <gtest/gtest.h>

namespace {

const QChar Nul(u'\0');

QString Answer(const QStringList &parts) { return parts.join(Nul); }

// A dialog whose answer has a size limit, as the command expects such a
// dialog to report an overflow.
class OverflowingPrompts : public ScriptedPrompts {
public:
    QString openFiles(const QString &, const QString &, const QString &) override { throw FileDialogOverflow(); }
};

} // namespace

TEST(AddZipFiles, DialogAnswersBecomeRowsWithTheSeparatorGiven)
{
    const QChar back('\\');
    const QChar slash('/');
    EXPECT_EQ(RowsFromDialogResult(QString(), back), QStringList());
    EXPECT_EQ(RowsFromDialogResult(QStringLiteral("C:\\a\\x.zip"), back), QStringList{"C:\\a\\x.zip"})
        << "one chosen file is added unchanged";
    EXPECT_EQ(RowsFromDialogResult(QStringLiteral("C:\\a\\\\x.zip"), back), QStringList{"C:\\a\\\\x.zip"})
        << "one chosen file is not cleaned either";
    EXPECT_EQ(RowsFromDialogResult(Answer({"C:\\a", "x.zip", "y.zip"}), back),
              (QStringList{"C:\\a\\x.zip", "C:\\a\\y.zip"}));
    EXPECT_EQ(RowsFromDialogResult(Answer({"C:\\", "x.zip", "y.zip"}), back), (QStringList{"C:\\x.zip", "C:\\y.zip"}))
        << "a drive root is not followed by a doubled separator";
    EXPECT_EQ(RowsFromDialogResult(Answer({"\\\\server\\share", "x.zip"}), back),
              QStringList{"\\\\server\\share\\x.zip"})
        << "a network prefix stays";
    EXPECT_EQ(RowsFromDialogResult(Answer({"/", "x.zip", "y.zip"}), slash), (QStringList{"/x.zip", "/y.zip"}))
        << "the root of the native form gives single-rooted paths";
    EXPECT_EQ(RowsFromDialogResult(Answer({"/home/ann//zips", "x.zip"}), slash), QStringList{"/home/ann/zips/x.zip"});
}

TEST(AddZipFiles, CommandAsksWithItsTitleAndFilterAndAppendsInOrder)
{
    AddingFixture f;
    f.list.Add(QStringLiteral("/already/there.zip"));
    f.prompts.expectOpenFiles(Answer({"/data", "b.zip", "a.zip", "b.zip"}));
    PushButton1_Click(f.context);
    EXPECT_EQ(f.prompts.last().title, QStringLiteral("Add File(s) - Hold Ctrl to select multiple files"));
    EXPECT_EQ(f.prompts.last().filter, QStringLiteral("Zip Files (*.zip)|*.zip|Split Zip Files (*.zip.001)|*.zip.001"));
    EXPECT_EQ(f.list.rows(), (QStringList{"/already/there.zip", "/data/b.zip", "/data/a.zip", "/data/b.zip"}))
        << "rows are appended, duplicates included, the folder part never";

    f.prompts.expectOpenFiles(QStringLiteral("/data/~report.zip"));
    PushButton1_Click(f.context);
    EXPECT_EQ(f.list.Text(f.list.Count()), QStringLiteral("/data/~report.zip")) << "no test on a chosen file";

    f.prompts.expectOpenFiles(QString());
    PushButton1_Click(f.context);
    EXPECT_EQ(f.list.Count(), 5) << "cancelling adds nothing";

    f.context.separator = QChar('\\');
    f.prompts.expectOpenFiles(Answer({"C:\\", "x.zip", "y.zip"}));
    PushButton1_Click(f.context);
    EXPECT_EQ(f.list.Text(6), QStringLiteral("C:\\x.zip"));
    EXPECT_EQ(f.list.Text(7), QStringLiteral("C:\\y.zip"));
    EXPECT_TRUE(f.scanning.empty()) << "the dialog command scans nothing";
}

TEST(AddZipFiles, OverflowingDialogAddsNothingAndSaysSo)
{
    TempDir dir;
    MemoryJobList list;
    OverflowingPrompts prompts;
    AddingContext context{list, prompts, QStringLiteral("Marrowlyn"), Q(dir.path()), {}, {}, NativeSeparator, {}, {}};
    prompts.expectMessage();
    PushButton1_Click(context);
    EXPECT_EQ(list.Count(), 0);
    ASSERT_EQ(prompts.calls().size(), 1u);
    EXPECT_EQ(
        prompts.last().text,
        QStringLiteral("You've selected too many files to add.\r\rPlease try adding via the \"Add All\" button."));
    EXPECT_EQ(prompts.last().title, QStringLiteral("Marrowlyn"));
    EXPECT_EQ(prompts.last().icon, Prompts::Icon::None);
}

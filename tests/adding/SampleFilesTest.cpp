#include "AddingTestSupport.h"

#include "SampleFiles.h"

#include <gtest/gtest.h>

TEST(SampleFiles, EachSampleIsListedOnceAndTheQuestionAskedEveryTime)
{
    AddingFixture f;
    f.dir.write("Samples/a.zip", "PK");
    f.dir.write("Samples/b.zip", "PK");
    f.dir.write("Samples/nested/c.zip", "PK");
    const QString folder = Q(f.dir / "Samples");
    const QString a = folder + "/a.zip";
    const QString b = folder + "/b.zip";

    f.prompts.expectMessage(Prompts::Answer::No);
    PushButton6_Click(f.context);
    EXPECT_EQ(Sorted(f.list.rows()), (QStringList{a, b})) << "the folder's files, not its sub-folders";
    EXPECT_EQ(f.prompts.last().text, OpenSamplesQuestion());
    EXPECT_EQ(f.prompts.last().title, QStringLiteral("Marrowlyn"));
    EXPECT_EQ(f.prompts.last().buttons, Prompts::Buttons::YesNo);
    EXPECT_EQ(f.prompts.last().icon, Prompts::Icon::None);

    f.prompts.expectMessage(Prompts::Answer::Yes).expectOpenWithShell();
    PushButton6_Click(f.context);
    EXPECT_EQ(f.list.Count(), 2) << "a second press adds nothing";
    EXPECT_EQ(f.prompts.last().text, folder) << "Yes opens the sample folder";

    const QString first = f.list.Text(1);
    f.list.Remove(1);
    f.list.Add(first.toUpper());
    f.prompts.expectMessage(Prompts::Answer::No);
    PushButton6_Click(f.context);
    ASSERT_EQ(f.list.Count(), 3);
    EXPECT_EQ(f.list.Text(3), first) << "a removed sample comes back at the bottom despite a row in other case";
    EXPECT_EQ(f.prompts.calls().size(), 4u);
}

TEST(SampleFiles, MissingFolderStillAsks)
{
    AddingFixture f;
    f.prompts.expectMessage(Prompts::Answer::No);
    PushButton6_Click(f.context);
    EXPECT_EQ(f.list.Count(), 0);
    EXPECT_EQ(f.prompts.last().text, OpenSamplesQuestion());
}

#include "JobList.h"
#include "RuntimeError.h"

#include "ErrorNumberOf.h"

#include <gtest/gtest.h>

TEST(JobList, RowsAreOneBasedAppendedAndDuplicatesKept)
{
    MemoryJobList list;
    EXPECT_EQ(list.Count(), 0);
    list.Add(QStringLiteral("/in/a.zip"));
    list.Add(QStringLiteral("/in/b.zip"));
    list.Add(QStringLiteral("/in/a.zip"));
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Text(1), QStringLiteral("/in/a.zip"));
    EXPECT_EQ(list.Text(3), QStringLiteral("/in/a.zip"));
    for (qsizetype bad : {qsizetype(0), qsizetype(4), qsizetype(-1)}) {
        EXPECT_EQ(ErrorNumberOf([&] { list.Text(bad); }), 9) << bad;
        EXPECT_EQ(ErrorNumberOf([&] { list.SetText(bad, QString()); }), 9) << bad;
        EXPECT_EQ(ErrorNumberOf([&] { list.Remove(bad); }), 9) << bad;
    }
    EXPECT_EQ(list.Count(), 3);
}

TEST(JobList, RemoveMovesLaterRowsUpAndKeepsTheSelectionOnItsRow)
{
    MemoryJobList list;
    for (const char *path : {"one", "two", "three", "four"})
        list.Add(QString::fromLatin1(path));
    list.Select(4);
    list.Remove(2);
    EXPECT_EQ(list.rows(), (QStringList{"one", "three", "four"}));
    EXPECT_EQ(list.Text(2), QStringLiteral("three"));
    EXPECT_EQ(list.SelectedIndex(), 3);
    list.Remove(3);
    EXPECT_EQ(list.SelectedIndex(), 0);
    EXPECT_EQ(ErrorNumberOf([&] { list.Select(3); }), 9);
    list.Select(1);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.SelectedIndex(), 0);
}

TEST(JobList, IsInListComparesExactly)
{
    MemoryJobList list;
    EXPECT_FALSE(IsInList(list, QString()));
    list.Add(QStringLiteral("/in/Archive.zip"));
    list.Add(QStringLiteral("/in/other.zip"));
    EXPECT_TRUE(IsInList(list, QStringLiteral("/in/Archive.zip")));
    EXPECT_TRUE(IsInList(list, QStringLiteral("/in/other.zip")));
    EXPECT_FALSE(IsInList(list, QStringLiteral("/in/archive.zip")));
    EXPECT_FALSE(IsInList(list, QStringLiteral("/in/Archive.zip ")));
    EXPECT_FALSE(IsInList(list, QStringLiteral("/in/Archive")));
}

TEST(JobList, ExchangeTextsSwapsTwoRows)
{
    MemoryJobList list;
    for (const char *path : {"a", "b", "c"})
        list.Add(QString::fromLatin1(path));
    ExchangeTexts(list, 1, 3);
    EXPECT_EQ(list.rows(), (QStringList{"c", "b", "a"}));
    ExchangeTexts(list, 2, 2);
    EXPECT_EQ(list.rows(), (QStringList{"c", "b", "a"}));
    EXPECT_EQ(ErrorNumberOf([&] { ExchangeTexts(list, 1, 4); }), 9);
    EXPECT_EQ(list.rows(), (QStringList{"c", "b", "a"}));
}

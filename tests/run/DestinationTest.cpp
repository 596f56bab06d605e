#include "Destination.h"

#include <gtest/gtest.h>

namespace {
struct Row {
    const char *output;
    const char *destination;
};

// The worked table, written with "\" as users of drive letters know it, and
// the same cases in native form.
TEST(DestinationFor, OwnSubfolderFollowsTheWorkedTable)
{
    const QString archive = QStringLiteral("D:\\in\\Fotos 2020.backup.zip");
    const Row backslash[] = {
        {"E:\\out", "E:\\out\\Fotos 2020"},
        {"E:\\out\\", "E:\\out\\Fotos 2020"},
        {"E:\\", "E:\\Fotos 2020"},
        {"E:\\out\\\\x", "E:\\out\\x\\Fotos 2020"},
        {"\\\\server\\share", "\\\\server\\share\\Fotos 2020"},
        {"E:", "E:Fotos 2020"},
    };
    for (const Row &row : backslash)
        EXPECT_EQ(DestinationFor(archive, row.output, UnzipMode::OwnSubfolder, QLatin1Char('\\')), row.destination)
            << row.output;

    const QString native = QStringLiteral("/in/Fotos 2020.backup.zip");
    const Row slash[] = {
        {"/out", "/out/Fotos 2020"},
        {"/out/", "/out/Fotos 2020"},
        {"/", "/Fotos 2020"},
        {"/out//x", "/out/x/Fotos 2020"},
        // Native paths have no network prefix: a doubled root is the root.
        {"//server/share", "/server/share/Fotos 2020"},
        // Short folders are folders, not drive roots: they get their separator.
        {"/ab", "/ab/Fotos 2020"},
        {"out", "out/Fotos 2020"},
        {"", "Fotos 2020"},
    };
    for (const Row &row : slash)
        EXPECT_EQ(DestinationFor(native, row.output, UnzipMode::OwnSubfolder, QLatin1Char('/')), row.destination)
            << row.output;
}

TEST(DestinationFor, BaseNameAndTheOtherModes)
{
    EXPECT_EQ(BaseNameOf("/in/my.photos.zip"), "my");
    EXPECT_EQ(BaseNameOf("/in/a.part1.zip"), BaseNameOf("/in/a.part2.zip"));
    EXPECT_EQ(BaseNameOf("/in/.zip"), "");
    EXPECT_EQ(BaseNameOf("noext"), "noext");
    EXPECT_EQ(BaseNameOf("C:\\in\\x.y.zip", QLatin1Char('\\')), "x");
    // An archive named ".zip" goes into the output folder itself.
    EXPECT_EQ(DestinationFor("/in/.zip", "out", UnzipMode::OwnSubfolder), "out/");

    // One folder: the text exactly as typed, doubled separators and all.
    EXPECT_EQ(DestinationFor("/in/a.zip", "/out//x", UnzipMode::OneFolder), "/out//x");
    EXPECT_EQ(DestinationFor("/in/a.zip", "/out", UnzipMode::None), "");

    EXPECT_EQ(ModeFromOptions(true, false), UnzipMode::OwnSubfolder);
    EXPECT_EQ(ModeFromOptions(false, true), UnzipMode::OneFolder);
    EXPECT_EQ(ModeFromOptions(false, false), UnzipMode::None);
}
} // namespace

// The name conversions between the engine's "/" form and the entry table,
// checked on the worked examples with "\" and again with the native "/".
#include "cUnzip.h"
#include "mUnzip.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
    std::string name, folder, file;
};

TEST(NameConversion, SlashesToBackslashesKeepsALeadingSlashAndAnswersThePositionAfterTheLast)
{
    struct Case {
        std::string in, out;
        int position;
    };
    const Case cases[] = {
        {"readme.txt", "readme.txt", 1},
        {"docs/img/a.png", "docs\\img\\a.png", 10},
        {"/etc/x", "/etc\\x", 6},
        {"/x", "/x", 2},
        {"//x", "/\\x", 3},
        {"a/", "a\\", 3},
        {"", "", 1},
    };
    for (const Case &c : cases) {
        std::string text = c.in;
        EXPECT_EQ(SlashesToBackslashes(text), c.position) << c.in;
        EXPECT_EQ(text, c.out) << c.in;
        // The native separator leaves the text as it was but finds the same position.
        std::string native = c.in;
        EXPECT_EQ(SlashesToBackslashes(native, '/'), c.position) << c.in;
        EXPECT_EQ(native, c.in);
    }
}

TEST(NameConversion, SplitEntryPathMatchesTheWorkedExamples)
{
    const SplitCase withBackslash[] = {
        {"docs/img/a.png", "docs\\img", "a.png"},
        {"readme.txt", "", "readme.txt"},
        {"/etc/x", "/etc", "x"},
        {"/x", "", "x"},
        {"docs/", "docs", ""},                   // a folder entry leaves no file name
        {std::string("a/b\0junk", 8), "a", "b"}, // cut at the first NUL
    };
    for (const SplitCase &c : withBackslash) {
        std::string text = c.name, folder;
        SplitEntryPath(text, folder);
        EXPECT_EQ(folder, c.folder) << c.name;
        EXPECT_EQ(text, c.file) << c.name;
    }
    const SplitCase native[] = {
        {"docs/img/a.png", "docs/img", "a.png"},
        {"/etc/x", "/etc", "x"},
        {"/x", "", "x"},
    };
    for (const SplitCase &c : native) {
        std::string text = c.name, folder;
        SplitEntryPath(text, folder, '/');
        EXPECT_EQ(folder, c.folder) << c.name;
        EXPECT_EQ(text, c.file) << c.name;
    }
}

TEST(NameConversion, BuildEntryPathJoinsWithSlashes)
{
    EXPECT_EQ(BuildEntryPath("docs\\img", "a.png"), "docs/img/a.png");
    EXPECT_EQ(BuildEntryPath("docs/img", "a.png"), "docs/img/a.png");
    EXPECT_EQ(BuildEntryPath("", "a.png"), "a.png");
    EXPECT_EQ(BuildEntryPath(std::string(1, '\0'), "a.png"), "a.png");
    EXPECT_EQ(BuildEntryPath("d", "x\\y"), "d/x/y");
    // Split and build are inverse for every separator.
    for (char separator : {'\\', '/'}) {
        std::string text = "a/b/c.txt", folder;
        SplitEntryPath(text, folder, separator);
        EXPECT_EQ(BuildEntryPath(folder, text), "a/b/c.txt");
    }
}

} // namespace

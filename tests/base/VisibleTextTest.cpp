#include "VisibleText.h"

#include <gtest/gtest.h>

TEST(VisibleText, ControlsAndBytesThatAreNotUtf8BecomeEscapes)
{
    struct Case {
        const char *text, *shown;
        bool utf8 = true;
    } cases[] = {
        {"plain/name.zip", "plain/name.zip"},
        {"caf\xc3\xa9 \xe5\x86\x99\xe7\x9c\x9f.zip", "caf\xc3\xa9 \xe5\x86\x99\xe7\x9c\x9f.zip"},
        {"a\\b.zip", "a\\b.zip"},
        {"\x1b[31mred\x1b]0;title\x07", "\\x1b[31mred\\x1b]0;title\\x07"},
        {"line\nforged\rtab\t", "line\\nforged\\rtab\\t"},
        {"del\x7f nul-less\x01", "del\\x7f nul-less\\x01"},
        {"c1 csi \xc2\x9b", "c1 csi \\u009b"},
        {"right-to-left \xe2\x80\xaegnp.exe", "right-to-left \\u202egnp.exe"},
        {"latin1 \xe9 cut \xc3", "latin1 \\xe9 cut \\xc3", false},
        {"overlong \xc0\xaf surrogate \xed\xa0\x80", "overlong \\xc0\\xaf surrogate \\xed\\xa0\\x80", false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(VisibleText(c.text), c.shown) << c.text;
        EXPECT_EQ(VisibleText(c.shown), c.shown) << "shown twice, still the same";
        EXPECT_EQ(IsValidUtf8(c.text), c.utf8) << c.text;
    }
}

#include "QtPrompts.h"

#include <gtest/gtest.h>

// The pure conversions of the Qt prompts; the dialogs themselves are Qt's.
TEST(QtPrompts, ConvertsTextsFiltersAndAnswers)
{
    EXPECT_EQ(DisplayText("a\r\rb\r\nc"), "a\n\nb\nc");
    EXPECT_EQ(QtFilter("Zip Files (*.zip)|*.zip"), "Zip Files (*.zip)");
    EXPECT_EQ(QtFilter("Zip Files|*.zip|All|*.*"), "Zip Files (*.zip);;All (*.*)");
    EXPECT_EQ(OpenFilesAnswer({}), "");
    EXPECT_EQ(OpenFilesAnswer({"/in/one.zip"}), "/in/one.zip");
    EXPECT_EQ(OpenFilesAnswer({"/in/a.zip", "/in/b c.zip"}), QString("/in") + QChar(0) + "a.zip" + QChar(0) + "b c.zip");
}

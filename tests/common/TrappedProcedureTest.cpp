#include "RuntimeError.h"
#include "ScriptedPrompts.h"
#include "TrappedProcedure.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <stdexcept>

TEST(TrappedProcedure, BoxTextAndLocation)
{
    const QString location = TrappedProcedure::location(QStringLiteral("Form1"), QStringLiteral("PushButton5_Click"));
    EXPECT_EQ(location, QStringLiteral("in Plindrave2021/08/31.Form1.PushButton5_Click "));
    EXPECT_EQ(TrappedProcedure::errorText(QStringLiteral("Subscript out of range"), location, 104),
              QStringLiteral("Subscript out of range\r\nin Plindrave2021/08/31.Form1.PushButton5_Click at line 104\r\r"
                             "Please email screenshot of this message to ")
                  + SupportAddress);
}

TEST(TrappedProcedure, EachFailureShowsOneBoxAndTheHandlerGoesOn)
{
    ScriptedPrompts prompts;
    prompts.expectMessage().expectMessage().expectMessage();
    TrappedProcedure procedure(prompts,
                               TrappedProcedure::location(QStringLiteral("Form1"), QStringLiteral("Form_Load")));
    QStringList ran;

    procedure.step(100, [&] { ran << "100"; });
    procedure.step(102, [&] {
        ran << "102";
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange);
    });
    procedure.step(104, [&] { ran << "104"; });
    procedure.step(106, [&] { throw std::out_of_range("index past the end"); });
    procedure.step(108, [&] { throw 42; });
    procedure.step(110, [&] { ran << "110"; });

    EXPECT_EQ(ran, (QStringList{"100", "102", "104", "110"}));
    EXPECT_EQ(procedure.failures(), 3);
    ASSERT_EQ(prompts.calls().size(), 3u);
    const ScriptedPrompts::Call &first = prompts.calls()[0];
    EXPECT_EQ(first.kind, ScriptedPrompts::Kind::Message);
    EXPECT_EQ(first.title, QStringLiteral("Application Error"));
    EXPECT_EQ(first.icon, Prompts::Icon::Exclamation);
    EXPECT_EQ(first.buttons, Prompts::Buttons::Ok);
    EXPECT_EQ(first.text,
              TrappedProcedure::errorText(QStringLiteral("Subscript out of range"),
                                          QStringLiteral("in Plindrave2021/08/31.Form1.Form_Load "), 102));
    EXPECT_TRUE(prompts.calls()[1].text.startsWith(
        QStringLiteral("index past the end\r\nin Plindrave2021/08/31.Form1.Form_Load at line 106\r\r")));
    EXPECT_TRUE(prompts.calls()[2].text.contains(QStringLiteral("at line 108\r\r")));
}

TEST(TrappedProcedure, AFailedTestGoesIntoTheThenBranch)
{
    ScriptedPrompts prompts;
    prompts.expectMessage();
    TrappedProcedure procedure(prompts,
                               TrappedProcedure::location(QStringLiteral("Form1"), QStringLiteral("Form_Load")));

    EXPECT_TRUE(procedure.test(100, [] { return true; }));
    EXPECT_FALSE(procedure.test(102, [] { return false; }));
    EXPECT_EQ(prompts.calls().size(), 0u);
    EXPECT_TRUE(procedure.test(104, []() -> bool { throw RuntimeError(ErrorNumber::PathNotFound); }));
    EXPECT_EQ(procedure.failures(), 1);
    EXPECT_TRUE(prompts.last().text.startsWith(QStringLiteral("Path not found\r\n")));
}

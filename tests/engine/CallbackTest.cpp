// How the program answers the engine's callbacks, driven through the fake
// engine so the calls cross the real C boundary.
#include "FakeEngine.h"
#include "cUnzip.h"
#include "mUnzip.h"

#include <cstring>
#include <gtest/gtest.h>
#include <thread>

namespace {

// Restores the process-wide password after each test.
class CallbackTest : public ::testing::Test {
protected:
    ~CallbackTest() override { SetCurrentPassword(""); }
    FakeEngine fake;
    cUnzip unzip;

    void RunEngine(FakeEngine::Script script)
    {
        fake.script = std::move(script);
        unzip.ZipFile("/in/a.zip");
        unzip.Unzip();
    }
};

// Asks for a password into a buffer of `size` bytes filled with 'X', and
// answers the callback's result and what it left in the buffer.
struct PasswordAnswer {
    int32_t result;
    std::string buffer;
};
PasswordAnswer AskPassword(USERFUNCTIONS &callbacks, int32_t size = 256)
{
    std::string buffer(static_cast<std::size_t>(size), 'X');
    const int32_t result = callbacks.password(buffer.data(), size, "Password: ", "a.txt");
    return {result, buffer};
}

TEST_F(CallbackTest, PrintRaisesProgressForTwoBytesOrMoreBelow32000)
{
    std::vector<std::string> seen;
    unzip.Progress.connect([&](int32_t count, const std::string &message) {
        EXPECT_EQ(count, 1);
        seen.push_back(message);
    });
    std::vector<int32_t> results;
    RunEngine([&](FakeCall &, USERFUNCTIONS &callbacks, DCL &) {
        results.push_back(callbacks.print("x", 1));
        results.push_back(callbacks.print("", 0));
        results.push_back(callbacks.print("ok", 2));
        results.push_back(callbacks.print("extracted: a/b.txt\nrest", 18)); // only the length given
        results.push_back(callbacks.print("short\0hidden", 12));            // never past the NUL
        const std::string huge(32000, 'h');
        results.push_back(callbacks.print(huge.c_str(), 32000));
        const std::string large(31999, 'l');
        results.push_back(callbacks.print(large.c_str(), 31999));
        return int32_t{UZ_OK};
    });
    EXPECT_EQ(results, std::vector<int32_t>(7, 0));
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0], "ok");
    EXPECT_EQ(seen[1], std::string("extracted: a") + EntrySeparator + "b.txt");
    EXPECT_EQ(seen[2], "short");
    EXPECT_EQ(seen[3].size(), 31999u);
}

TEST_F(CallbackTest, ARefusedPasswordIsNotAskedAgainInTheSameCall)
{
    int asked = 0;
    unzip.PasswordRequest.connect([&](std::string &, bool &) { ++asked; });
    for (const std::string password : {"", "   "}) {
        SetCurrentPassword(password);
        std::vector<int32_t> results;
        asked = 0;
        RunEngine([&](FakeCall &, USERFUNCTIONS &callbacks, DCL &) {
            results.push_back(AskPassword(callbacks).result);
            EXPECT_TRUE(PasswordRefused);
            results.push_back(AskPassword(callbacks).result);
            return int32_t{UZ_SOME_FAILED};
        });
        EXPECT_EQ(results, (std::vector<int32_t>{1, 1})) << '"' << password << '"';
        EXPECT_EQ(asked, 1);
    }
    // The next engine call asks again, and now gets an answer.
    SetCurrentPassword("secret");
    PasswordAnswer answer{};
    RunEngine([&](FakeCall &, USERFUNCTIONS &callbacks, DCL &) {
        EXPECT_FALSE(PasswordRefused);
        answer = AskPassword(callbacks);
        return int32_t{UZ_OK};
    });
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(answer.result, 0);
    EXPECT_EQ(std::string(answer.buffer.c_str()), "secret");
}

TEST_F(CallbackTest, PasswordsAreTrimmedHandedOverWholeOrRefusedAndClosedByANul)
{
    std::vector<PasswordAnswer> answers;
    const auto ask = [&](int32_t size) {
        RunEngine([&](FakeCall &, USERFUNCTIONS &callbacks, DCL &) {
            answers.push_back(AskPassword(callbacks, size));
            return int32_t{UZ_OK};
        });
    };
    SetCurrentPassword("  pass word  ");
    ask(256);
    EXPECT_EQ(answers.back().result, 0);
    EXPECT_EQ(answers.back().buffer.substr(0, 10), std::string("pass word") + '\0');

    // Up to 64 KiB, as long as the engine's buffer holds it: never cut.
    for (const std::size_t length : {std::size_t{300}, std::size_t{64 * 1024}}) {
        SetCurrentPassword(std::string(length, 'p'));
        ask(int32_t(length) + 1);
        EXPECT_EQ(answers.back().result, 0) << length;
        EXPECT_EQ(std::strlen(answers.back().buffer.c_str()), length);
    }
    SetCurrentPassword(std::string(64 * 1024 + 1, 'p'));
    ask(1024 * 1024);
    EXPECT_EQ(answers.back().result, 1) << "longer than any way in accepts";

    // A buffer too small is never overrun: a cut password would be a wrong one.
    SetCurrentPassword("ab\xC3\xA9\xC3\xA9"); // "abéé": 6 bytes
    ask(6);
    EXPECT_EQ(answers.back().result, 1);
    EXPECT_EQ(answers.back().buffer, std::string(6, 'X'));
    ask(7);
    EXPECT_EQ(std::string(answers.back().buffer.c_str()), "ab\xC3\xA9\xC3\xA9");

    // A listener may change the password or cancel the request.
    const auto token = unzip.PasswordRequest.connect([](std::string &password, bool &) { password = " other "; });
    ask(64);
    EXPECT_EQ(std::string(answers.back().buffer.c_str()), "other");
    unzip.PasswordRequest.disconnect(token);
    unzip.PasswordRequest.connect([](std::string &, bool &cancel) { cancel = true; });
    ask(64);
    EXPECT_EQ(answers.back().result, 1);
    EXPECT_EQ(answers.back().buffer, std::string(64, 'X'));
}

TEST_F(CallbackTest, ReplaceAndServiceAnswerTheirDefaultsUnlessAListenerSpeaks)
{
    std::vector<int32_t> replies;
    std::vector<std::string> cancelNames;
    const auto script = [&](FakeCall &, USERFUNCTIONS &callbacks, DCL &) {
        char name[] = "out/a.txt";
        replies.push_back(callbacks.replace(name));
        replies.push_back(callbacks.service("a/b.txt", 8));
        replies.push_back(callbacks.service("a", 0));
        replies.push_back(callbacks.service("a", 1));
        return int32_t{UZ_OK};
    };
    RunEngine(script);
    EXPECT_EQ(replies, (std::vector<int32_t>{100, 0, 0, 0}));

    std::string asked;
    unzip.OverwritePrompt.connect([&](const std::string &file, UnzipOverwriteResponse &response) {
        asked = file;
        response = UnzipOverwriteResponse::No;
    });
    unzip.Cancel.connect([&](const std::string &message, bool &cancel) {
        cancelNames.push_back(message);
        cancel = true;
    });
    replies.clear();
    RunEngine(script);
    EXPECT_EQ(replies, (std::vector<int32_t>{UZ_REPLACE_NO, 1, 0, 0}));
    EXPECT_EQ(asked, std::string("out") + EntrySeparator + "a.txt");
    EXPECT_EQ(cancelNames, std::vector<std::string>{std::string("a") + EntrySeparator + "b.txt"});
}

TEST_F(CallbackTest, CallsOnTwoThreadsEachReachTheirOwnObject)
{
    // Each thread's engine call lists one entry named after its object; with
    // process-wide state one thread's entries would land in the other's table.
    fake.script = [](FakeCall &call, USERFUNCTIONS &callbacks, DCL &) {
        for (int i = 0; i < 200; ++i) {
            callbacks.listEntry(1, 1, 0, 1, 1, 2000, 0, 0, 0, call.zipFileName.c_str(), "Stored", 0, 0);
            std::this_thread::yield();
        }
        return int32_t{UZ_OK};
    };
    cUnzip first, second;
    first.ZipFile("first");
    second.ZipFile("second");
    std::thread a([&] { first.Directory(); });
    std::thread b([&] { second.Directory(); });
    a.join();
    b.join();
    ASSERT_EQ(first.FileCount(), 200);
    ASSERT_EQ(second.FileCount(), 200);
    for (int i = 1; i <= 200; ++i) {
        EXPECT_EQ(first.Filename(i), "first");
        EXPECT_EQ(second.Filename(i), "second");
    }
}

} // namespace

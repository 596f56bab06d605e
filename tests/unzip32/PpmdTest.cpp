// PPMd (method 98) through the C interface: archives 7-Zip writes at test
// time with settings that run the model out of memory both ways it recovers,
// and its streams damaged or given bad parameters.
#include "EngineCall.h"
#include "EntryCases.h"
#include "RawZipWriter.h"
#include "SevenZip.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <future>
#include <iterator>
#include <random>
#include <thread>

namespace fs = std::filesystem;

// The engine's own count, for tests: the most its decoders held at once.
extern "C" uint64_t Unzip32DecoderMemoryPeak(int reset);

namespace {

// The process's decoder memory budget for one scope.
struct DecoderBudget {
    explicit DecoderBudget(const char *bytes) { setenv("MARROWLYN_DECODER_MEMORY", bytes, 1); }
    ~DecoderBudget() { unsetenv("MARROWLYN_DECODER_MEMORY"); }
};

bool Run7zz(const TempDir &dir, const std::string &arguments) { return ::Run7zz(dir.path(), "PPMd", arguments); }

std::string Text(size_t size, uint32_t seed)
{
    std::mt19937 random(seed);
    static const char *words[] = {"model", "context", "escape", "symbol", "order", "memory", "range", "the", "of", "a"};
    std::string text;
    // Numbers among the words: enough contexts to fill a small model.
    while (text.size() < size)
        text += std::string(words[random() % 10]) + " " + std::to_string(random() % 50000)
            + (random() % 9 ? " " : ".\n");
    text.resize(size);
    return text;
}

// Random bytes, then text: escapes through every order, yet worth compressing.
std::string Noise(size_t size)
{
    std::mt19937 random(7);
    std::string bytes(size / 2, '\0');
    for (char &c : bytes)
        c = char(random());
    return bytes + Text(size - size / 2, 8);
}

// The parameter word and stored bytes of an archive's first PPMd entry
// (7zz stores an empty file); local headers only, as 7zz writes them.
std::pair<uint16_t, std::string> FirstPpmdEntry(const fs::path &archive)
{
    for (const LocalEntry &entry : LocalEntries(archive))
        if (entry.method == 98 && entry.data.size() >= 2)
            return {uint16_t(uint8_t(entry.data[0]) | uint8_t(entry.data[1]) << 8), entry.data};
    return {0xFFFF, ""};
}

} // namespace

TEST(Ppmd, ArchivesWrittenBy7zipExtractByteForByte)
{
    if (!Have7zz())
        GTEST_SKIP() << "7zz (Debian package 7zip) is not installed; it writes the archives";
    TempDir dir;
    const std::vector<std::pair<std::string, std::string>> files = {
        {"text.txt", Text(1500000, 1)},
        {"noise.bin", Noise(400000)},
        {"run.bin", std::string(3000000, 'r')},
        {"empty.txt", ""},
    };
    for (const auto &[name, contents] : files)
        dir.write("src/" + name, contents);
    // Above 8 MiB an entry is streamed and written behind by another thread.
    const std::string large = Text((8u << 20) + 300000, 2);
    dir.write("large/large.txt", large);

    struct Setting {
        std::string archive, options;
        unsigned restore; // what 7zz is expected to choose: 0 start over, 1 cut off
    };
    const std::vector<Setting> settings = {
        {"default.zip", "-mx=5 ./src/*", 0},
        {"order2.zip", "-mo=2 -mmem=1m ./src/*", 0},
        {"order16.zip", "-mo=16 -mmem=1m ./src/*", 0},
        {"cutoff.zip", "-mx=9 -mmem=1m ./src/*", 1},
        {"cutoff7.zip", "-mx=9 -mo=7 -mmem=1m ./src/*", 1},
        {"aes.zip", "-pSecret1 -mem=AES256 -mx=5 ./src/text.txt ./large/*", 0},
    };
    for (const Setting &s : settings) {
        ASSERT_TRUE(Run7zz(dir, s.archive + " " + s.options)) << s.archive;
        if (s.archive != "aes.zip") {
            EXPECT_EQ(FirstPpmdEntry(dir / s.archive).first >> 12, s.restore) << s.archive << ": 7zz chose otherwise";
        }

        const std::string out = (dir / s.archive).string() + ".out/";
        EngineCall call((dir / s.archive).string(), out);
        call.passwords = {"Secret1"};
        EXPECT_EQ(call.run(), UZ_OK) << s.archive;
        auto included = [&](const std::string &path) {
            const std::string folder = path.substr(0, path.find('/') + 1);
            return s.options.find(path) != std::string::npos || s.options.find(folder + "*") != std::string::npos;
        };
        for (const auto &[name, contents] : files)
            EXPECT_TRUE(!included("./src/" + name) || ReadWholeFile(out + name) == contents)
                << s.archive << " " << name;
        EXPECT_TRUE(!included("./large/large.txt") || ReadWholeFile(out + "large.txt") == large) << s.archive;
    }
}

TEST(Ppmd, ModelsOneAfterAnotherDamageAndBadParameters)
{
    if (!Have7zz())
        GTEST_SKIP() << "7zz (Debian package 7zip) is not installed; it writes the streams to damage";
    TempDir dir;
    const std::string plain = Text(300000, 3);
    dir.write("src/text.txt", plain);
    ASSERT_TRUE(Run7zz(dir, "-mo=16 -mmem=1m made.zip ./src/text.txt"));
    const std::string stream = FirstPpmdEntry(dir / "made.zip").second;
    ASSERT_FALSE(stream.empty()) << "7zz did not write PPMd";

    auto withWord = [&](uint16_t word) { return std::string{char(word), char(word >> 8)} + stream.substr(2); };
    const uint16_t word = uint16_t(uint8_t(stream[0]) | uint8_t(stream[1]) << 8);
    std::string flipped = stream;
    flipped[flipped.size() / 2] ^= 0x10;
    const std::string damaged = "the compressed data is damaged";
    struct Case {
        std::string name, data, plain, error; // no error: extracts to plain
    };
    const std::vector<Case> cases = {
        {"intact.txt", stream, plain, ""},
        {"nothing.txt", withWord(word).substr(0, 6), "", ""},
        {"flipped.txt", flipped, plain, "the "}, // whichever check notices it first
        {"cut.txt", stream.substr(0, stream.size() / 2), plain, damaged},
        {"header-only.txt", stream.substr(0, 2), plain, damaged},
        {"order1.txt", withWord(word & 0xFFF0), plain, damaged},
        {"restore2.txt", withWord((word & 0x0FFF) | 0x2000), plain, damaged},
        // The largest model the word can ask for is still allowed; this stream
        // filled a small one, so a larger one decodes it wrong.
        {"largest-model.txt", withWord(word | 0x0FF0), plain, "the "},
    };
    std::vector<EntryCase> entries;
    // A worker keeps its model's memory from one entry to the next: nothing of
    // an entry's model may leak into the next one, whatever its size.
    const std::vector<std::string> models
        = {"-mo=3 -mmem=1m", "-mx=9 -mo=12 -mmem=1m", "-mo=16 -mmem=2m", "-mo=3 -mmem=1m"};
    for (size_t i = 0; i < models.size(); ++i) {
        const std::string name = "part" + std::to_string(i) + ".txt", text = Text(400000, uint32_t(10 + i));
        dir.write("src/" + name, text);
        ASSERT_TRUE(Run7zz(dir, models[i] + " " + name + ".zip ./src/" + name)) << models[i];
        entries.push_back(
            {RawEntry{.name = name, .method = 98, .data = FirstPpmdEntry(dir / (name + ".zip")).second, .plain = text},
             ""});
    }
    for (const Case &c : cases)
        entries.push_back({RawEntry{.name = c.name, .method = 98, .data = c.data, .plain = c.plain}, c.error});
    ExpectEachEntryAsSaid(dir, entries);
}

TEST(Ppmd, DecodersTakeTurnsWithinTheMemoryBudget)
{
    if (!Have7zz())
        GTEST_SKIP() << "7zz (Debian package 7zip) is not installed; it writes the archives";
    TempDir dir;
    for (int i = 0; i < 4; ++i)
        dir.write("four/f" + std::to_string(i) + ".txt", Text(600000, uint32_t(20 + i)));
    dir.write("big/large.txt", Text((9u << 20), 30)); // large: its decoder calls the service callback
    ASSERT_TRUE(Run7zz(dir, "-mo=8 -mmem=16m four.zip ./four"));
    ASSERT_TRUE(Run7zz(dir, "-mo=8 -mmem=16m large.zip ./big/large.txt"));
    const uint64_t model = 16u << 20;

    // A budget below two models: one at a time. Below one: still one at a time.
    for (const char *budget : {"20M", "1K"}) {
        DecoderBudget set(budget);
        Unzip32DecoderMemoryPeak(1);
        EngineCall call((dir / "four.zip").string(), (dir / "out" / budget).string());
        call.options.Threads = 4;
        EXPECT_EQ(call.run(), UZ_OK) << budget;
        EXPECT_EQ(FilesBelow(dir / "out" / budget).size(), 4u) << budget;
        const uint64_t peak = Unzip32DecoderMemoryPeak(0);
        EXPECT_GE(peak, model) << budget;
        EXPECT_LT(peak, 2 * model) << budget << ": two models were decoding at once";
    }

    // One call holds its model while its caller is busy; every thread of
    // another call waits for memory, and that call can still be cancelled.
    DecoderBudget set("20M");
    std::promise<int32_t> waiterDone;
    std::future<int32_t> waiterResult = waiterDone.get_future();
    std::thread waiter;
    EngineCall holder((dir / "large.zip").string(), (dir / "holder").string());
    holder.options.Threads = 1;
    holder.serviceHook = [&](int index) {
        if (index != 1) // 0: the entry's start; 1: its first step decoded
            return;
        waiter = std::thread([&] {
            EngineCall call((dir / "four.zip").string(), (dir / "waiter").string());
            call.options.Threads = 2;
            call.cancelAt = 5; // 0-4: the folder and files handed out; then asked while waiting
            waiterDone.set_value(call.run());
        });
        waiterResult.wait_for(std::chrono::seconds(60));
    };
    EXPECT_EQ(holder.run(), UZ_OK);
    ASSERT_TRUE(waiter.joinable()) << "the large entry never reported progress";
    waiter.join();
    EXPECT_EQ(waiterResult.get(), UZ_CANCELLED);
}

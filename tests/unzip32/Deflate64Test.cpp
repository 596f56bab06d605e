// Deflate64 (method 9) through the C interface: archives that 7-Zip writes
// at test time, and streams made by hand for what it never writes (length
// code 285) and for damage.
#include "EngineCall.h"
#include "EntryCases.h"
#include "RawZipWriter.h"
#include "SevenZip.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

namespace fs = std::filesystem;

namespace {

bool Run7zz(const TempDir &dir, const std::string &arguments) { return ::Run7zz(dir.path(), "Deflate64", arguments); }

// What makes an encoder use the 64 KiB window and every kind of block: a
// random block repeated (matches 40000 bytes back, past deflate's 32 KiB),
// long runs, short periods, text, and random bytes it can only store.
std::string Contents(size_t size)
{
    std::mt19937 random{uint32_t(size)};
    auto noise = [&](size_t length) {
        std::string bytes(length, '\0');
        for (char &c : bytes)
            c = char(random());
        return bytes;
    };
    const std::string block = noise(40000);
    std::string out;
    for (size_t i = 0; out.size() < size; ++i) {
        switch (i % 5) {
        case 0: out += block + block + block; break;
        case 1: out.append(100000 + i % 7 * 1000, char('a' + i % 26)); break;
        case 2:
            for (int k = 0; k < 800; ++k)
                out += "line " + std::to_string((i * 800 + k) * 7919 % 100003) + " of the text\n";
            break;
        case 3:
            for (size_t period = 2; period < 8; ++period) {
                const std::string pattern = noise(period);
                for (int k = 0; k < 500; ++k)
                    out += pattern;
            }
            break;
        default: out += noise(70000);
        }
    }
    out.resize(size);
    return out;
}

// The method and stored bytes of an archive's first entry.
std::pair<uint16_t, std::string> FirstEntry(const fs::path &archive)
{
    std::vector<LocalEntry> entries = LocalEntries(archive);
    return entries.empty() ? std::pair<uint16_t, std::string>{0xFFFF, ""}
                           : std::pair{entries[0].method, entries[0].data};
}

// Deflate's bit order: values lowest bit first, Huffman codes first bit first.
struct BitWriter {
    std::string bytes;
    unsigned used = 0;
    void put(uint32_t value, unsigned bits)
    {
        for (unsigned i = 0; i < bits; ++i, used = (used + 1) % 8) {
            if (used == 0)
                bytes += '\0';
            bytes.back() = char(bytes.back() | ((value >> i & 1) << used));
        }
    }
    void code(uint32_t code, unsigned bits)
    {
        while (bits-- > 0)
            put(code >> bits & 1, 1);
    }
};

struct Match {
    uint32_t length;       // 3 (code 257), or 3 to 65538 through code 285
    unsigned distanceCode; // 0, 2, 30 or 31
    uint32_t distanceExtra;
};

// One dynamic block: 'a', the matches, the end. Every code is 2 bits: 'a',
// end, 257, 285 for literals and lengths; 0, 2, 30, 31 for distances.
// `overSubscribed` gives distance 1 a code too, one more than 2 bits allow;
// no match uses it, so only the check of the code set notices.
std::string HandMade(const std::vector<Match> &matches, bool final = true, bool overSubscribed = false)
{
    BitWriter w;
    w.put(final, 1);
    w.put(2, 2);
    w.put(286 - 257, 5);
    w.put(32 - 1, 5);
    w.put(19 - 4, 4);
    w.put(0, 3 * 3); // 16, 17 and 18 unused: code lengths 0 to 15 get 4-bit codes of their own value
    for (int i = 0; i < 16; ++i)
        w.put(4, 3);
    for (unsigned s = 0; s < 286; ++s)
        w.code(s == 'a' || s == 256 || s == 257 || s == 285 ? 2 : 0, 4);
    for (unsigned s = 0; s < 32; ++s)
        w.code(s == 0 || s == 2 || s == 30 || s == 31 || (overSubscribed && s == 1) ? 2 : 0, 4);
    w.code(0, 2); // 'a'
    for (const Match &m : matches) {
        if (m.length == 3) {
            w.code(2, 2);
        } else {
            w.code(3, 2);
            w.put(m.length - 3, 16);
        }
        const unsigned index = m.distanceCode == 0 ? 0 : m.distanceCode == 2 ? 1 : m.distanceCode == 30 ? 2 : 3;
        w.code(index, 2);
        w.put(m.distanceExtra, m.distanceCode >= 30 ? 14 : 0);
    }
    w.code(1, 2); // end of block
    return w.bytes;
}

RawEntry Deflate64Entry(const std::string &name, const std::string &stream, const std::string &plain)
{
    RawEntry entry{.name = name, .method = 9, .data = stream, .plain = plain};
    return entry;
}

} // namespace

TEST(Deflate64, ArchivesWrittenBy7zipExtractByteForByte)
{
    if (!Have7zz())
        GTEST_SKIP() << "7zz (Debian package 7zip) is not installed; it writes the archives";
    TempDir dir;
    // Above 8 MiB an entry is streamed and written behind by another thread.
    const std::string small = Contents(1500000), large = Contents((8u << 20) + 300000);
    dir.write("src/small.bin", small);
    dir.write("src/large.bin", large);
    dir.write("src/tiny.txt", "a few bytes");
    ASSERT_TRUE(Run7zz(dir, "plain.zip ./src/*"));
    ASSERT_TRUE(Run7zz(dir, "-pSecret1 -mem=AES256 aes.zip ./src/*"));
    ASSERT_EQ(FirstEntry(dir / "plain.zip").first, 9) << "7zz did not write Deflate64";

    for (const char *archive : {"plain.zip", "aes.zip"}) {
        EngineCall call((dir / archive).string(), (dir / archive).string() + ".out");
        call.passwords = {"Secret1"};
        EXPECT_EQ(call.run(), UZ_OK) << archive;
        const std::string out = (dir / archive).string() + ".out/";
        EXPECT_TRUE(ReadWholeFile(out + "small.bin") == small) << archive;
        EXPECT_TRUE(ReadWholeFile(out + "large.bin") == large) << archive;
        EXPECT_EQ(ReadWholeFile(out + "tiny.txt"), "a few bytes") << archive;
    }
}

TEST(Deflate64, HandMadeAndDamagedStreams)
{
    // 17 matches of 65538 bytes: more than one output buffer, so a match
    // goes on in the next one.
    const std::vector<Match> run(17, Match{65538, 0, 0});
    const std::string runStream = HandMade(run), runPlain(1 + 17 * 65538, 'a');
    const std::string damaged = "the compressed data is damaged";
    std::vector<EntryCase> cases = {
        {Deflate64Entry("run.bin", runStream, runPlain), ""},
        {Deflate64Entry("trailing.bin", runStream + "data after the final block", runPlain), ""},
        {Deflate64Entry("far.bin", HandMade({{65538, 0, 0}, {3, 31, 0}, {3, 30, 100}}), std::string(65545, 'a')), ""},
        // Input to spare takes the fast path, none the careful one.
        {Deflate64Entry("before-start.bin", HandMade({{3, 31, 0}}) + std::string(32, 'x'), "aaaa"), damaged},
        {Deflate64Entry("just-before.bin", HandMade({{3, 2, 0}}), "aaaa"), damaged},
        {Deflate64Entry("oversubscribed.bin", HandMade({}, true, true), "a"), damaged},
        {Deflate64Entry("cut.bin", runStream.substr(0, runStream.size() - 2), runPlain), damaged},
        {Deflate64Entry("no-final-block.bin", HandMade(run, false), runPlain), damaged},
        {Deflate64Entry("longer.bin", runStream, runPlain), "the data is longer than the declared size"},
    };
    cases.back().entry.size = 1000;
    TempDir dir;
    if (Have7zz()) {
        dir.write("src/text.bin", Contents(300000));
        ASSERT_TRUE(Run7zz(dir, "made.zip ./src/text.bin"));
        const std::string stream = FirstEntry(dir / "made.zip").second, plain = ReadWholeFile(dir / "src/text.bin");
        std::string flipped = stream;
        flipped[flipped.size() / 2] ^= 0x10;
        cases.push_back({Deflate64Entry("7z-cut.bin", stream.substr(0, stream.size() / 2), plain), damaged});
        cases.push_back({Deflate64Entry("7z-flipped.bin", flipped, plain), "the"}); // whichever check notices it
        cases.push_back({Deflate64Entry("7z.bin", stream, plain), ""});
    } else {
        std::puts("7zz (Debian package 7zip) is not installed: only hand-made streams are tried");
    }
    ExpectEachEntryAsSaid(dir, cases);
}

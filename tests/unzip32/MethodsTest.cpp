// Every compression method and both kinds of encryption, through the C interface.
#include "Codecs.h"
#include "EngineCall.h"
#include "RawZipWriter.h"
#include "TempDir.h"
#include "ZipBuilder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

std::string sampleText(size_t size)
{
    std::string text;
    for (size_t i = 0; text.size() < size; ++i)
        text += "line " + std::to_string(i * 7919 % 100003) + " of the sample text\n";
    text.resize(size);
    return text;
}

std::string readFile(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const std::filesystem::path &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Sets the WinZip AES vendor version of every entry, as other writers choose it.
void setAesVersion(const std::filesystem::path &file, char version)
{
    std::string bytes = readFile(file);
    const std::string marker("\x01\x99\x07\x00", 4);
    for (size_t at = bytes.find(marker); at != std::string::npos; at = bytes.find(marker, at + 1))
        bytes[at + 4] = version;
    writeFile(file, bytes);
}

} // namespace

TEST(Methods, EveryMethodDecodesToItsContents)
{
    TempDir dir;
    const std::string text = sampleText(200000);
    RawZip zip;
    for (uint16_t method : {0, 8, 12, 14, 93, 95})
        zip.entries.push_back(CompressedEntry("m" + std::to_string(method) + ".txt", method, text));
    zip.entries.push_back(CompressedEntry("empty.txt", 8, ""));
    WriteRawZip(dir / "methods.zip", zip);
    MakeZip(dir / "libzip.zip",
            {{"store.txt", text, ZipMethod::Store},
             {"deflate.txt", text, ZipMethod::Deflate},
             {"bzip2.txt", text, ZipMethod::Bzip2}});

    for (const char *archive : {"methods.zip", "libzip.zip"}) {
        EngineCall call((dir / archive).string(), (dir / "out").string());
        EXPECT_EQ(call.run(), UZ_OK) << archive;
        EXPECT_FALSE(call.printedStarting("error: ")) << archive;
    }
    for (const char *name :
         {"m0.txt", "m8.txt", "m12.txt", "m14.txt", "m93.txt", "m95.txt", "store.txt", "deflate.txt", "bzip2.txt"})
        EXPECT_EQ(dir.read(std::string("out/") + name), text) << name;
    EXPECT_TRUE(std::filesystem::exists(dir / "out/empty.txt"));
}

TEST(Methods, LargeEntriesAreStreamedWrittenBehindAndChecked)
{
    // Above the whole-entry limit every method streams, and the file is written
    // on a thread of its own; a damaged copy must fail there too.
    TempDir dir;
    const std::string text = sampleText(9u << 20);
    RawZip zip;
    for (uint16_t method : {0, 8, 12, 14, 93, 95})
        zip.entries.push_back(CompressedEntry("m" + std::to_string(method) + ".txt", method, text));
    WriteRawZip(dir / "big.zip", zip);
    RawZip damaged;
    for (RawEntry entry : {zip.entries[0], zip.entries[1]}) {
        entry.crc = Crc32Of(text) ^ 1;
        damaged.entries.push_back(entry);
    }
    WriteRawZip(dir / "badcrc.zip", damaged);

    EngineCall good((dir / "big.zip").string(), (dir / "out").string());
    EXPECT_EQ(good.run(), UZ_OK);
    for (const RawEntry &entry : zip.entries)
        EXPECT_TRUE(dir.read("out/" + entry.name) == text) << entry.name;

    EngineCall bad((dir / "badcrc.zip").string(), (dir / "bad").string());
    EXPECT_EQ(bad.run(), UZ_SOME_FAILED);
    EXPECT_TRUE(bad.printed("error: m0.txt: the data is damaged (CRC mismatch)"));
    EXPECT_TRUE(bad.printed("error: m8.txt: the data is damaged (CRC mismatch)"));
    EXPECT_FALSE(std::filesystem::exists(dir / "bad/m0.txt"));
    EXPECT_FALSE(std::filesystem::exists(dir / "bad/m8.txt"));
}

TEST(Methods, UnsupportedMethodFailsAloneAndTheRestIsExtracted)
{
    TempDir dir;
    RawEntry implode = StoredEntry("old.bin", "whatever");
    implode.method = 6;
    WriteRawZip(dir / "a.zip", {.entries = {StoredEntry("a.txt", "A"), implode, StoredEntry("b.txt", "B")}});
    EngineCall call((dir / "a.zip").string(), (dir / "out").string());
    EXPECT_EQ(call.run(), UZ_SOME_FAILED);
    EXPECT_TRUE(call.printed("error: old.bin: unsupported compression method (Implode)"));
    EXPECT_EQ(dir.read("out/a.txt"), "A");
    EXPECT_EQ(dir.read("out/b.txt"), "B");
    EXPECT_EQ(call.callbacks.FailedCount, 1u);
}

TEST(Methods, ZipCryptoWithRightWrongAndRefusedPasswords)
{
    TempDir dir;
    RawEntry first = CompressedEntry("one.txt", 8, "first secret");
    first.zipCryptoPassword = "open sesame";
    RawEntry second = CompressedEntry("two.txt", 0, "second secret");
    second.zipCryptoPassword = "open sesame";
    second.dataDescriptor = true;
    WriteRawZip(dir / "zc.zip", {.entries = {first, second, StoredEntry("plain.txt", "plain")}});

    EngineCall right((dir / "zc.zip").string(), (dir / "right").string());
    right.passwords = {"open sesame"};
    EXPECT_EQ(right.run(), UZ_OK);
    EXPECT_EQ(dir.read("right/one.txt"), "first secret");
    EXPECT_EQ(dir.read("right/two.txt"), "second secret");
    EXPECT_EQ(right.passwordAsked.size(), 1u) << "a password that worked is tried first for the next entry";

    // A caller with one password (the program's extraction) hears "wrong
    // password" once per entry: answering the same again ends the asking.
    EngineCall wrong((dir / "zc.zip").string(), (dir / "wrong").string());
    wrong.passwords = {"guess", "guess", "guess", "guess"};
    EXPECT_EQ(wrong.run(), UZ_SOME_FAILED);
    EXPECT_TRUE(wrong.printed("error: one.txt: wrong password"));
    EXPECT_TRUE(wrong.printed("error: two.txt: wrong password"));
    EXPECT_EQ(wrong.callbacks.FailedCount, 2u);
    EXPECT_EQ(wrong.passwordAsked, (std::vector<std::string>{"one.txt", "one.txt", "two.txt", "two.txt"}));
    EXPECT_EQ(dir.read("wrong/plain.txt"), "plain");
    EXPECT_FALSE(std::filesystem::exists(dir / "wrong/one.txt"));

    // After a wrong one the same entry is asked again, so that a list of
    // passwords is tried within one call; a refusal then ends it as wrong.
    EngineCall retried((dir / "zc.zip").string(), (dir / "retried").string());
    retried.passwords = {"guess", "guess again", "open sesame"};
    EXPECT_EQ(retried.run(), UZ_OK);
    EXPECT_EQ(retried.passwordAsked, (std::vector<std::string>{"one.txt", "one.txt", "one.txt"}));
    EXPECT_EQ(retried.passwordPrompts[0], "Enter the password for one.txt");
    EXPECT_EQ(retried.passwordPrompts[2], "The password was wrong; enter another for one.txt");
    EXPECT_EQ(dir.read("retried/two.txt"), "second secret");
    EngineCall gaveUp((dir / "zc.zip").string(), (dir / "gave-up").string());
    gaveUp.passwords = {"guess"};
    EXPECT_EQ(gaveUp.run(), UZ_SOME_FAILED);
    EXPECT_TRUE(gaveUp.printed("error: one.txt: wrong password"));
    EXPECT_TRUE(gaveUp.printed("error: two.txt: encrypted, and no password was given"));

    EngineCall refused((dir / "zc.zip").string(), (dir / "refused").string());
    EXPECT_EQ(refused.run(), UZ_SOME_FAILED);
    EXPECT_EQ(refused.passwordAsked, (std::vector<std::string>{"one.txt", "two.txt"}));
    EXPECT_TRUE(refused.printed("error: one.txt: encrypted, and no password was given"));
    EXPECT_EQ(dir.read("refused/plain.txt"), "plain");
}

TEST(Methods, WinZipAesOfEveryStrengthAndBothVendorVersions)
{
    TempDir dir;
    const std::string text = sampleText(50000);
    MakeZip(dir / "aes.zip",
            {{.name = "a128.txt", .data = text, .encrypted = true, .aesBits = 128},
             {.name = "a192.txt", .data = text, .method = ZipMethod::Store, .encrypted = true, .aesBits = 192},
             {.name = "a256.txt", .data = text, .method = ZipMethod::Bzip2, .encrypted = true}},
            "pass word");
    // AE-2 entries have no CRC: other writers (7-Zip among them) store 0 in
    // every CRC field, also for stored entries. AE-1 with a CRC of 0 is what
    // some writers produce too; neither must be taken for damage.
    std::filesystem::copy_file(dir / "aes.zip", dir / "ae2-zero.zip");
    ZeroCrcFields(dir / "ae2-zero.zip");
    std::filesystem::copy_file(dir / "ae2-zero.zip", dir / "ae1.zip");
    setAesVersion(dir / "ae1.zip", 1);

    for (const char *archive : {"aes.zip", "ae2-zero.zip", "ae1.zip"}) {
        EngineCall call((dir / archive).string(), (dir / archive).string() + ".out");
        call.passwords = {"pass word"};
        EXPECT_EQ(call.run(), UZ_OK) << archive;
        for (const char *name : {"a128.txt", "a192.txt", "a256.txt"})
            EXPECT_TRUE(readFile((dir / archive).string() + ".out/" + name) == text) << archive << " " << name;
    }

    EngineCall wrong((dir / "aes.zip").string(), (dir / "wrong").string());
    wrong.passwords = {"nope", "nope", "nope"};
    EXPECT_EQ(wrong.run(), UZ_SOME_FAILED);
    EXPECT_EQ(wrong.callbacks.FailedCount, 3u);
    EXPECT_TRUE(wrong.printed("error: a128.txt: wrong password"));
    EXPECT_TRUE(std::filesystem::is_empty(dir / "wrong"));

    EngineCall refused((dir / "aes.zip").string(), (dir / "refused").string());
    EXPECT_EQ(refused.run(), UZ_SOME_FAILED);
    EXPECT_EQ(refused.passwordAsked.size(), 3u) << "each encrypted entry asks again after a refusal";
}

TEST(Methods, TamperedAesEntryIsRejected)
{
    TempDir dir;
    const std::string text = sampleText(5000);
    MakeZip(dir / "aes.zip", {{.name = "s.txt", .data = text, .method = ZipMethod::Store, .encrypted = true}}, "pw");
    std::string bytes = readFile(dir / "aes.zip");
    bytes[30 + 5 + 11 + 16 + 2 + 100] ^= 0x20; // a byte of the encrypted data
    writeFile(dir / "aes.zip", bytes);
    EngineCall call((dir / "aes.zip").string(), (dir / "out").string());
    call.passwords = {"pw"};
    EXPECT_EQ(call.run(), UZ_SOME_FAILED);
    EXPECT_TRUE(call.printedStarting("error: s.txt: the data is damaged or was altered"));
    EXPECT_FALSE(std::filesystem::exists(dir / "out/s.txt"));
}

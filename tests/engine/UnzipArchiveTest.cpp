// The checks UnzipArchive makes before it hands an archive to the engine,
// and how it reads the engine's answer, with the fake engine recording calls.
#include "FakeClock.h"
#include "EngineLibrary.h"
#include "FailureSummary.h"
#include "FakeEngine.h"
#include "TempDir.h"
#include "UnzipArchive.h"
#include "cUnzip.h"
#include "mUnzip.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

using Status = UnzipOutcome::Status;
using namespace std::chrono_literals;

namespace {

const std::string ZipBytes = std::string("PK\x03\x04", 4) + "rest of an archive";

class UnzipArchiveTest : public ::testing::Test {
protected:
    TempDir dir;
    FakeEngine fake;
    FakeClock clock;

    UnzipOutcome Run(const std::string &path, const std::string &destination, UnzipHooks hooks = {})
    {
        return UnzipArchive(path, destination, true, clock.hooks(std::move(hooks)));
    }
};

TEST_F(UnzipArchiveTest, OnlyNonEmptyZipNamedFilesWithAnArchiveSignatureReachTheEngine)
{
    const std::string out = (dir / "out").string();
    const std::string MidEntry = "the middle of an entry's data";
    const std::string SpanStart = std::string("PK\x07\x08", 4) + "PK\x03\x04";
    struct Case {
        std::string name;
        std::string content;
        Status status;
        std::string besideName = {}; // another part of the same set, made first
        std::string besideContent = {};
    };
    const Case cases[] = {
        {"empty.zip", "", Status::Empty},
        {"empty.txt", "", Status::Empty},
        {"text.txt", ZipBytes, Status::NotZipName},
        {"program.zip", "MZ\x90", Status::NotArchive},
        {"short.zip", "P", Status::NotArchive},
        {"upper.ZIP", ZipBytes, Status::Extracted},
        {"mixed.Zip", ZipBytes, Status::Extracted},
        {"lower.zip", "pk!", Status::Extracted},
        {"split.zip.001", ZipBytes, Status::Extracted},
        {"SPLIT.ZIP.001", ZipBytes, Status::Extracted},
        {"split.zip.002", ZipBytes, Status::NotZipName},
        {"movie.mkv.001", ZipBytes, Status::NotZipName},
        {"span.zip", MidEntry, Status::Extracted, "span.z01", SpanStart},
        {"Span.ZIP", MidEntry, Status::Extracted, "Span.Z01", SpanStart},
        {"bad-span.zip", MidEntry, Status::NotArchive, "bad-span.z01", MidEntry},
        {"no-dot-spanzip", MidEntry, Status::NotArchive, "no-dot-spanz01", SpanStart},
        {"rar.zip", "Rar!", Status::Extracted},
    };
    for (const Case &c : cases) {
        if (!c.besideName.empty())
            dir.write(c.besideName, c.besideContent);
        const std::string path = dir.write(c.name, c.content).string();
        const auto calls = fake.calls.size();
        const UnzipOutcome outcome = Run(path, out);
        EXPECT_EQ(outcome.status, c.status) << c.name << ": " << outcome.reason;
        EXPECT_EQ(fake.calls.size() - calls, c.status == Status::Extracted ? 1u : 0u) << c.name;
        EXPECT_EQ(outcome.ok(), c.status == Status::Extracted);
        if (!outcome.ok()) {
            EXPECT_FALSE(outcome.reason.empty()) << c.name;
        }
    }

    EXPECT_EQ(Run("", out).status, Status::Missing);
    EXPECT_EQ(Run("   ", out).status, Status::Missing);
    EXPECT_EQ(Run((dir / "absent.zip").string(), out).status, Status::Missing);
    std::filesystem::create_directory(dir / "folder.zip");
    EXPECT_EQ(Run((dir / "folder.zip").string(), out).status, Status::NotArchive);
    EXPECT_EQ(clock.pauses, 0); // nothing above needed a second look

    // The first part of a spanned set is read through the same hook as the archive.
    std::vector<std::string> opened;
    UnzipHooks hooks;
    hooks.openForReading = [&](const std::string &file) {
        opened.push_back(file);
        return ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    };
    EXPECT_TRUE(Run((dir / "span.zip").string(), out, hooks).ok());
    EXPECT_EQ(opened, (std::vector<std::string>{(dir / "span.zip").string(), (dir / "span.z01").string()}));
    EXPECT_EQ(fake.calls.back().zipFileName, (dir / "span.zip").string()) << "the set is extracted from its last part";

    // What the engine was asked: every entry, folders kept, files replaced.
    EXPECT_TRUE(Run((dir / "rar.zip").string(), out).ok());
    const FakeCall &call = fake.calls.back();
    EXPECT_EQ(call.zipFileName, (dir / "rar.zip").string());
    EXPECT_EQ(call.extractDir, out);
    EXPECT_EQ(call.includeCount, 0);
    EXPECT_EQ(call.options.UseFolderNames, 1);
    EXPECT_EQ(call.options.OverwriteExisting, 1);
    EXPECT_EQ(call.options.ListOnly, 0);
    EXPECT_EQ(call.options.TestOnly, 0);
    EXPECT_EQ(call.options.PromptToOverwrite, 0);
}

TEST_F(UnzipArchiveTest, WithoutADestinationTheArchiveIsExtractedBesideItself)
{
    const std::string path = dir.write("in/photos.zip", ZipBytes).string();
    EXPECT_TRUE(Run(path, "").ok());
    EXPECT_EQ(fake.calls.back().extractDir, (dir / "in/photos").string());
    EXPECT_TRUE(Run(path, "  ").ok());
    EXPECT_EQ(fake.calls.back().extractDir, (dir / "in/photos").string());

    // A name without any dot gives nothing to name the folder after; a dot in
    // a folder higher up is not the archive's extension.
    const auto calls = fake.calls.size();
    EXPECT_EQ(Run(dir.write("archiveZIP", ZipBytes).string(), "").status, Status::NoDestination);
    EXPECT_EQ(Run(dir.write("my.files/archiveZIP", ZipBytes).string(), "").status, Status::NoDestination);
    EXPECT_EQ(fake.calls.size(), calls);

    // A destination that does not exist is handed over as it is.
    const std::string missing = (dir / "not/yet").string();
    EXPECT_TRUE(Run(path, missing).ok());
    EXPECT_EQ(fake.calls.back().extractDir, missing);
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(UnzipArchiveTest, TheEnginesAnswerBecomesTheOutcome)
{
    const std::string path = dir.write("a.zip", ZipBytes).string();
    const std::string out = (dir / "out").string();
    fake.script = [](FakeCall &, USERFUNCTIONS &callbacks, DCL &) {
        const std::string text = "extracted: a/one.txt\nerror: a/two.txt: wrong password\r\n";
        callbacks.print(text.c_str(), static_cast<uint32_t>(text.size()));
        const std::string last = "error: b.txt: bad CRC";
        callbacks.print(last.c_str(), static_cast<uint32_t>(last.size()));
        return int32_t{UZ_SOME_FAILED};
    };
    std::vector<std::string> lines;
    UnzipHooks hooks;
    hooks.progress = [&](const std::string &line) { lines.push_back(line); };
    UnzipOutcome outcome = Run(path, out, hooks);
    EXPECT_EQ(outcome.status, Status::EngineFailed);
    const std::string sep(1, EntrySeparator);
    EXPECT_EQ(outcome.messages,
              (std::vector<std::string>{"error: a" + sep + "two.txt: wrong password", "error: b.txt: bad CRC"}));
    EXPECT_EQ(lines.size(), 3u);

    for (int32_t code : {UZ_NOT_ARCHIVE, UZ_NO_SPACE, UZ_UNSAFE_ARCHIVE, UZ_CANNOT_CREATE}) {
        fake.script = [code](FakeCall &, USERFUNCTIONS &, DCL &) { return code; };
        outcome = Run(path, out);
        EXPECT_EQ(outcome.status, Status::EngineFailed) << code;
        EXPECT_FALSE(outcome.reason.empty());
    }
    // A folder that cannot be made: the system's reason reaches the summary line.
    fake.script = [](FakeCall &, USERFUNCTIONS &callbacks, DCL &) {
        const std::string text = "error: a.zip: the folder \"o/a\" cannot be made: the destination is read-only";
        callbacks.print(text.c_str(), static_cast<uint32_t>(text.size()));
        return int32_t{UZ_CANNOT_CREATE};
    };
    EXPECT_EQ(Run(path, out).reason,
              "the destination folder cannot be created or written (the destination is read-only)");

    // The listeners of one call are gone afterwards: the shared object
    // carries nothing over to the next archive.
    EXPECT_FALSE(SharedUnzip().Progress.hasListeners());
    EXPECT_FALSE(SharedUnzip().Cancel.hasListeners());

    SetEngineLibraryPath("/nonexistent/libunzip32.so");
    EXPECT_EQ(Run(path, out).status, Status::EngineMissing);
}

TEST_F(UnzipArchiveTest, ACancelRequestStopsTheEngineAtItsNextEntry)
{
    const std::string path = dir.write("a.zip", ZipBytes).string();
    int entriesDone = 0;
    fake.script = [&](FakeCall &, USERFUNCTIONS &callbacks, DCL &) {
        for (const char *name : {"one", "two", "three"}) {
            if (callbacks.service(name, static_cast<uint32_t>(std::strlen(name) + 1)) == 1)
                return int32_t{UZ_CANCELLED};
            ++entriesDone;
        }
        return int32_t{UZ_OK};
    };
    UnzipHooks hooks;
    hooks.cancelRequested = [&] { return entriesDone == 2; };
    EXPECT_EQ(Run(path, (dir / "out").string(), hooks).status, Status::Cancelled);
    EXPECT_EQ(entriesDone, 2);

    // Asked before the archive could even be read: the engine is not called.
    const auto calls = fake.calls.size();
    hooks.cancelRequested = [] { return true; };
    EXPECT_EQ(Run(path, (dir / "out").string(), hooks).status, Status::Cancelled);
    EXPECT_EQ(fake.calls.size(), calls);
}

TEST_F(UnzipArchiveTest, TheWorkDoneFollowsTheEnginesTotals)
{
    const std::string path = dir.write("a.zip", ZipBytes).string();
    fake.script = [](FakeCall &, USERFUNCTIONS &callbacks, DCL &) {
        // Before each entry, then twice more while the large "two" decodes.
        for (const auto &[name, packed] : {std::pair{"one", 0u}, {"two", 100u}, {"two", 120u}, {"two", 150u}}) {
            callbacks.TotalPackedSize = packed;
            callbacks.service(name, 4);
        }
        return int32_t{UZ_OK};
    };
    std::vector<std::uint64_t> seen;
    UnzipHooks hooks;
    hooks.workDone = [&](std::uint64_t bytes) { seen.push_back(bytes); };
    EXPECT_TRUE(Run(path, (dir / "out").string(), hooks).ok());
    EXPECT_EQ(seen, (std::vector<std::uint64_t>{0, 100, 120, 150}));
    EXPECT_EQ(EnginePackedBytesSoFar(), 0u) << "nothing is read from a record that is gone";
}

// Only the folders the engine made for this archive go, and only when they
// stayed empty and the archive failed.
TEST_F(UnzipArchiveTest, AFailedArchiveTakesAwayTheEmptyFoldersItMade)
{
    namespace fs = std::filesystem;
    const std::string path = dir.write("a.zip", ZipBytes).string();
    struct Case {
        const char *destination;
        const char *existing; // made before the archive, "" for none
        bool writes;          // the engine puts a file into the destination
        int32_t result;
        const char *left; // the deepest folder left afterwards
    } cases[] = {
        {"out/new/deeper", "out", false, UZ_SOME_FAILED, "out"},
        {"out/new/deeper/", "out", false, UZ_CANCELLED, "out"},
        {"out/old/deeper", "out/old", false, UZ_SOME_FAILED, "out/old"},
        {"out/empty", "out/empty", false, UZ_SOME_FAILED, "out/empty"},
        {"out/new/deeper", "out", true, UZ_SOME_FAILED, "out/new/deeper"},
        {"out/new/deeper", "out", false, UZ_OK, "out/new/deeper"},
    };
    for (const Case &c : cases) {
        fs::remove_all(dir / "out");
        if (*c.existing)
            fs::create_directories(dir / c.existing);
        fake.script = [&](FakeCall &call, USERFUNCTIONS &, DCL &) {
            fs::create_directories(call.extractDir); // as the engine does
            if (c.writes)
                std::ofstream(fs::path(call.extractDir) / "part.txt") << "x";
            return c.result;
        };
        Run(path, (dir / c.destination).string());
        const fs::path left = dir / c.left;
        EXPECT_TRUE(fs::is_directory(left)) << c.destination << " / " << c.existing;
        const fs::path below = (dir / c.destination).lexically_normal();
        for (fs::path p = below; p.string().size() > left.string().size(); p = p.parent_path()) {
            if (p.filename().empty())
                continue;
            EXPECT_FALSE(fs::exists(p)) << p << " is left after " << c.destination << " / " << c.existing;
        }
    }
}

TEST_F(UnzipArchiveTest, AnUnreadableArchiveIsWaitedForGentlyUpToTheLimit)
{
    const std::string path = dir.write("locked.zip", ZipBytes).string();
    UnzipHooks hooks;
    std::chrono::seconds lockedFor = 10s;
    hooks.openForReading = [&](const std::string &file) {
        if (clock.elapsed() < lockedFor) {
            errno = EACCES;
            return -1;
        }
        return ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    };

    // Held for ten seconds: read at the first pass after, polled ten times a second.
    UnzipOutcome outcome = Run(path, (dir / "out").string(), hooks);
    EXPECT_TRUE(outcome.ok()) << outcome.reason;
    EXPECT_EQ(fake.calls.size(), 1u);
    EXPECT_EQ(clock.elapsed(), 10s);
    EXPECT_EQ(clock.pauses, 100);
    EXPECT_EQ(clock.pumps, 101);

    // Held for longer than the limit: given up after 300 whole seconds, not before.
    clock = FakeClock{};
    lockedFor = 1h;
    outcome = Run(path, (dir / "out").string(), hooks);
    EXPECT_EQ(outcome.status, Status::StillUnreadable);
    EXPECT_NE(outcome.reason.find("Permission denied"), std::string::npos) << outcome.reason;
    EXPECT_EQ(fake.calls.size(), 1u);
    EXPECT_GT(clock.elapsed(), 300s);
    EXPECT_LE(clock.elapsed(), 302s);

    // A file that disappears during the wait ends it at the next pass.
    clock = FakeClock{};
    hooks.pumpEvents = [&] {
        if (clock.elapsed() >= 5s)
            std::filesystem::remove(path);
    };
    EXPECT_EQ(Run(path, "", hooks).status, Status::Missing);
    EXPECT_LT(clock.elapsed(), 6s);
}

TEST_F(UnzipArchiveTest, ACallersOwnObjectIsUsedAndKeepsItsOtherOptions)
{
    const std::string path = dir.write("a.zip", ZipBytes).string();
    cUnzip own;
    own.TestZip(true);
    EXPECT_TRUE(UnzipArchive(own, path, (dir / "out").string(), false, clock.hooks()).ok());
    EXPECT_EQ(fake.calls.back().options.TestOnly, 1);
    EXPECT_EQ(fake.calls.back().options.OverwriteExisting, 0);
    EXPECT_EQ(own.ZipFile(), path);
}

} // namespace

TEST(FailureSummary, TheBoxNamesWhyByKind)
{
    struct Case {
        std::vector<std::string> lines;
        std::string summary;
    } cases[] = {
        {{"error: a.txt: wrong password"}, "wrong password"},
        {{"error: a.txt: wrong password", "error: b.txt: wrong password"}, "wrong password (2 files)"},
        {{"error: a.txt: encrypted, and no password was given"}, NeedsPasswordSummary()},
        {{"error: a.txt: the data is damaged (CRC mismatch)", "error: b: the compressed data is damaged",
          "error: c: the data is shorter than the declared size (damaged entry)"},
         "damaged: 3 files failed their check"},
        {{"error: x.bin: unsupported compression method (Deflate64)",
          "error: y: unsupported compression method (Deflate64)",
          "error: z: unsupported compression method (method 77)"},
         "unsupported method Deflate64 in 2 files; unsupported method 77 in 1 file"},
        {{"error: big: refused: it declares 9223372036854775808 bytes, more than its 4 compressed bytes can hold",
          "error: p.txt: cannot be written: the disk is full", "error: q: a folder of that name exists",
          "extracted: fine.txt"},
         "1 file refused as unsafe; the disk is full; 1 file could not be extracted"},
        {{"extracted: fine.txt"}, ""},
        // The engine's line for a whole archive it cannot decrypt, not "1 file could not be extracted".
        {{"error: /in/a: b.7z: encrypted 7z: this encryption cannot be opened yet"},
         "encrypted 7z archive: this encryption cannot be opened yet"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FailureSummary(c.lines), c.summary) << c.summary;

    // A set that is not whole is named by its part, wherever the path has ": ".
    EXPECT_EQ(MissingPartReason({"error: /in/a: b.zip: part 12 (\"a: b.z12\") is missing"}),
              "part 12 (\"a: b.z12\") is missing");
    EXPECT_EQ(MissingPartReason({"error: /in/c.zip: the last part (\"c.zip\") of the set is cut short or damaged"}),
              "the last part (\"c.zip\") of the set is cut short or damaged");
    EXPECT_EQ(MissingPartReason({"error: /in/part 1.zip: not a ZIP archive"}), "");
}

// Faults during extraction. After each, every file that existed before is
// intact, no partial file stands under the name of a real one, and nothing
// temporary is left to pile up.
#include "Codecs.h"
#include "EngineCall.h"
#include "Mounts.h"
#include "RawZipWriter.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <sys/stat.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

bool anyTemporary(const fs::path &root)
{
    for (const std::string &name : FilesBelow(root))
        if (name.find(".mz") != std::string::npos)
            return true;
    return false;
}

// Fills a tmpfs of `diskSize` while "precious.txt" (`size` bytes, compressed)
// is written over an older copy: the declared total stays below the free space,
// but each of `smallFiles` one-byte files takes a whole page.
void fillTheDiskDuringAnEntry(TempDir &dir, const std::string &diskSize, int smallFiles, size_t size)
{
    SCOPED_TRACE("disk " + diskSize + ", entry of " + std::to_string(size) + " bytes");
    fs::remove_all(dir / "disk/out");
    dir.write("disk/out/precious.txt", "the old contents");
    RawZip zip;
    for (int i = 0; i < smallFiles; ++i)
        zip.entries.push_back(StoredEntry("small/" + std::to_string(i), "s"));
    zip.entries.push_back(CompressedEntry("precious.txt", 8, std::string(size, 'n')));
    zip.entries.push_back(StoredEntry("after.txt", "after"));
    WriteRawZip(dir / "fill.zip", zip);
    EngineCall call((dir / "fill.zip").string(), (dir / "disk/out").string());
    call.options.Threads = 1;
    call.options.MessageLevel = 1;
    EXPECT_EQ(call.run(), UZ_SOME_FAILED);
    EXPECT_TRUE(call.printed("error: precious.txt: cannot be written: the disk is full"));
    EXPECT_EQ(dir.read("disk/out/precious.txt"), "the old contents");
    EXPECT_FALSE(anyTemporary(dir / "disk"));
}

// The hidden folders calls fill beside their destinations.
size_t StagesIn(const fs::path &folder)
{
    size_t found = 0;
    for (const auto &item : fs::directory_iterator(folder))
        found += item.path().extension() == ".stage";
    return found;
}

RawEntry LinkEntry(const std::string &name, const std::string &target)
{
    RawEntry entry = StoredEntry(name, target);
    entry.externalAttributes = uint32_t(S_IFLNK | 0777) << 16;
    return entry;
}

// Points the engine's state folder into a test's own folder, and back.
class StateFolder {
public:
    explicit StateFolder(const fs::path &home) : m_records(home / "marrowlyn/temporaries")
    {
        if (const char *old = std::getenv("XDG_STATE_HOME"))
            m_old = old;
        setenv("XDG_STATE_HOME", home.c_str(), 1);
    }
    ~StateFolder()
    {
        if (m_old.empty())
            unsetenv("XDG_STATE_HOME");
        else
            setenv("XDG_STATE_HOME", m_old.c_str(), 1);
    }

    // A record as a call writes it, each path ended by a NUL.
    fs::path write(const std::string &token, const std::vector<fs::path> &paths) const
    {
        std::string text;
        for (const fs::path &path : paths)
            text += path.string() + '\0';
        fs::create_directories(m_records);
        fs::path record = m_records / (token + ".list");
        std::ofstream(record, std::ios::binary) << text;
        return record;
    }
    // The records there, by name, with their contents.
    std::map<std::string, std::string> records() const
    {
        std::map<std::string, std::string> found;
        std::error_code ec;
        for (const auto &item : fs::directory_iterator(m_records, ec))
            found[item.path().filename().string()] = ReadWholeFile(item.path());
        return found;
    }

private:
    std::string m_old;
    fs::path m_records;
};

} // namespace

TEST(Faults, DiskFillsDuringAnEntryAndTheFreeSpaceRule)
{
    TempDir dir;
    {
        // A large entry is written behind its decoder: the failure must come back all the same.
        TestMount disk(dir / "disk", "12m");
        if (!disk.mounted())
            GTEST_SKIP() << disk.whyNot();
        fillTheDiskDuringAnEntry(dir, "12m", 2400, 9u << 20);
    }
    TestMount disk(dir / "disk", "1m");
    ASSERT_TRUE(disk.mounted()) << disk.whyNot();
    fillTheDiskDuringAnEntry(dir, "1m", 220, 300000);

    // Declared contents beyond the free space: refused before anything is written.
    WriteRawZip(
        dir / "big.zip",
        {.entries = {StoredEntry("first.txt", "1"), CompressedEntry("precious.txt", 8, std::string(4 << 20, 'b'))}});
    fs::remove_all(dir / "disk/out/small");
    EngineCall big((dir / "big.zip").string(), (dir / "disk/out").string());
    EXPECT_EQ(big.run(), UZ_NO_SPACE);
    EXPECT_TRUE(big.printedStarting("error: " + (dir / "big.zip").string() + ": refused: its contents need "));
    EXPECT_FALSE(fs::exists(dir / "disk/out/first.txt"));
    EXPECT_EQ(dir.read("disk/out/precious.txt"), "the old contents");
}

TEST(Faults, SizesThatOnlyALieCanHaveFailAloneAndCannotWrapTheFreeSpaceSum)
{
    // Deflated zeros that would fill the 1 MiB disk, declared (in Zip64
    // fields) at sizes no deflate stream of their length can reach: each liar
    // is refused on its own, the honest entries are extracted, and two liars
    // whose sizes wrap a 64-bit sum do not slip past the free-space rule.
    TempDir dir;
    TestMount disk(dir / "disk", "1m");
    if (!disk.mounted())
        GTEST_SKIP() << disk.whyNot();
    auto liar = [](const std::string &name, uint64_t declared) {
        RawEntry entry = CompressedEntry(name, 8, std::string(2 << 20, '\0'));
        entry.size = declared;
        return entry;
    };
    const uint64_t half = (uint64_t(1) << 63) - 1;
    struct Case {
        const char *what;
        std::vector<RawEntry> liars;
    } cases[] = {
        {"one entry declares 2^63 bytes", {liar("liar.bin", half + 1)}},
        {"two declared sizes wrap the sum", {liar("liar1.bin", half), liar("liar2.bin", half)}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(dir / "disk/out");
        RawZip zip{.entries = {StoredEntry("first.txt", "first")}};
        zip.entries.insert(zip.entries.end(), c.liars.begin(), c.liars.end());
        zip.entries.push_back(CompressedEntry("last.txt", 8, "last"));
        WriteRawZip(dir / "liars.zip", zip);
        EngineCall call((dir / "liars.zip").string(), (dir / "disk/out").string());
        EXPECT_EQ(call.run(), UZ_SOME_FAILED);
        for (const RawEntry &entry : c.liars)
            EXPECT_TRUE(
                call.printedStarting("error: " + entry.name + ": refused: it declares " + std::to_string(*entry.size)));
        EXPECT_EQ(call.callbacks.FailedCount, uint32_t(c.liars.size()));
        EXPECT_EQ(FilesBelow(dir / "disk/out"), (std::vector<std::string>{"first.txt", "last.txt"}));
    }
}

TEST(Faults, ReadOnlyDestination)
{
    TempDir dir;
    TestMount disk(dir / "ro", "1m");
    if (!disk.mounted())
        GTEST_SKIP() << disk.whyNot();
    dir.write("ro/out/precious.txt", "the old contents");
    ASSERT_TRUE(disk.makeReadOnly());
    WriteRawZip(dir / "a.zip", {.entries = {StoredEntry("precious.txt", "new"), StoredEntry("sub/new.txt", "n")}});

    EngineCall call((dir / "a.zip").string(), (dir / "ro/out").string());
    EXPECT_EQ(call.run(), UZ_SOME_FAILED);
    EXPECT_TRUE(call.printedStarting("error: precious.txt: ")) << "every entry fails with its reason";
    EXPECT_TRUE(call.printed("error: sub/new.txt: cannot make folder \"sub\": the destination is read-only"));
    EXPECT_EQ(dir.read("ro/out/precious.txt"), "the old contents");

    EngineCall missing((dir / "a.zip").string(), (dir / "ro/not-there").string());
    EXPECT_EQ(missing.run(), UZ_CANNOT_CREATE);
    EXPECT_TRUE(missing.printed("error: " + (dir / "a.zip").string() + ": the folder \""
                                + (dir / "ro/not-there").string() + "\" cannot be made: the destination is read-only"));
}

TEST(Faults, ArchiveTruncatedDuringTheRun)
{
    TempDir dir;
    // Larger than an archive read whole when opened: this one is read as it goes.
    RawZip zip;
    for (int i = 0; i < 6; ++i)
        zip.entries.push_back(StoredEntry("f" + std::to_string(i) + ".txt", std::string(1000000, char('a' + i))));
    WriteRawZip(dir / "a.zip", zip);
    for (int i = 0; i < 6; ++i)
        dir.write("out/f" + std::to_string(i) + ".txt", "old");

    // The service callback is asked before each entry: the third question cuts
    // the archive to its first entry, as a copy still being written would be.
    EngineCall call((dir / "a.zip").string(), (dir / "out").string());
    call.options.Threads = 1;
    call.serviceHook = [&](int index) {
        if (index == 2)
            fs::resize_file(dir / "a.zip", 1500000);
    };
    EXPECT_EQ(call.run(), UZ_SOME_FAILED);
    for (int i = 2; i < 6; ++i) {
        std::string name = "f" + std::to_string(i) + ".txt";
        EXPECT_TRUE(call.printedStarting("error: " + name + ": ")) << name;
        EXPECT_TRUE(dir.read("out/" + name) == "old") << name << " was replaced";
    }
    EXPECT_FALSE(anyTemporary(dir / "out"));
}

// Into a folder that exists, the file in work is unnamed; into one the call
// makes, it is in a hidden folder beside it, which the next call removes.
TEST(Faults, KilledInTheMiddleOfAnEntryLeavesNothingBehind)
{
    TempDir dir;
    StateFolder state(dir / "state");
    const size_t size = size_t(128) << 20;
    WriteRawZip(
        dir / "big.zip",
        {.entries = {StoredEntry("first.txt", "first"), CompressedEntry("big.bin", 93, std::string(size, 'z'))}});
    dir.write("out/big.bin", "the old big.bin");
    dir.write("out/first.txt", "the old first");
    for (const char *where : {"out", "new"}) {
        const std::string out = (dir / where).string();
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            EngineCall call((dir / "big.zip").string(), out);
            call.options.Threads = 1;
            call.run();
            _exit(0);
        }
        // In the middle: the child holds big.bin open, unnamed or hidden.
        bool writing = false;
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!writing && std::chrono::steady_clock::now() < deadline) {
            std::error_code ec;
            for (auto &fd : fs::directory_iterator("/proc/" + std::to_string(child) + "/fd", ec)) {
                std::string target = fs::read_symlink(fd.path(), ec).string();
                if ((target.rfind(out + "/", 0) == 0
                     && (target.find("(deleted)") != std::string::npos || target.find(".part") != std::string::npos))
                    || target.ends_with(".stage/big.bin"))
                    writing = true;
            }
            if (!writing)
                std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(writing) << where << ": the child never got to the large entry";
        ASSERT_TRUE(WIFSIGNALED(status)) << where << ": the child finished before it could be killed";

        EXPECT_FALSE(anyTemporary(dir / where)) << "an unnamed file vanishes with the process";
        const bool existed = std::string(where) == "out";
        const std::vector<std::string> before{"big.bin", "first.txt"};
        EXPECT_EQ(FilesBelow(dir / where), existed ? before : std::vector<std::string>());
        if (existed) {
            EXPECT_EQ(dir.read("out/big.bin"), "the old big.bin");
        }

        // The next run completes as if nothing had happened, and takes the hidden folder away.
        EngineCall again((dir / "big.zip").string(), out);
        EXPECT_EQ(again.run(), UZ_OK);
        EXPECT_EQ(fs::file_size(dir / where / "big.bin"), size);
        EXPECT_EQ(StagesIn(dir.path()), 0u);
    }
}

// A destination the call makes stays empty while it runs and gets every file
// at the end; what another program puts there meanwhile is kept, and a stop
// that withdraws leaves a made folder as it was and an existing one untouched.
TEST(Faults, AMadeDestinationIsSeenWholeAtTheEndAndCanBeWithdrawn)
{
    TempDir dir;
    StateFolder state(dir / "state");
    RawEntry broken = StoredEntry("broken.txt", "its CRC is wrong");
    broken.crc = 1;
    WriteRawZip(dir / "a.zip",
                {.entries = {StoredEntry("a.txt", "ours"), StoredEntry("sub/clash.txt", "ours"), broken,
                             StoredEntry("sub/b.txt", "ours")}});
    EngineCall call((dir / "a.zip").string(), (dir / "out/new").string());
    call.options.Threads = 1;
    std::vector<std::string> seen{"not looked at"};
    call.serviceHook = [&](int index) {
        if (index != 2)
            return;
        seen = FilesBelow(dir / "out/new");
        dir.write("out/new/theirs.txt", "theirs");
        dir.write("out/new/sub/clash.txt", "theirs");
    };
    EXPECT_EQ(call.run(), UZ_SOME_FAILED);
    EXPECT_EQ(seen, std::vector<std::string>());
    EXPECT_EQ(FilesBelow(dir / "out/new"),
              (std::vector<std::string>{"a.txt", "sub/b.txt", "sub/clash.txt", "theirs.txt"}));
    EXPECT_EQ(dir.read("out/new/sub/clash.txt"), "theirs");
    EXPECT_TRUE(call.printed(
        "error: sub/clash.txt: a file of that name appeared in the folder during the extraction and was kept"));
    EXPECT_EQ(StagesIn(dir / "out"), 0u);
    EXPECT_EQ(state.records().size(), 0u) << "a finished call takes its record away";
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(fs::status(dir / "out/new").permissions(), fs::perms(0777 & ~mask));

    for (const char *where : {"gone", "new"}) {
        EngineCall stopped((dir / "a.zip").string(), (dir / "out" / where).string());
        stopped.cancelAt = 1;
        stopped.cancelAnswer = 2;
        EXPECT_EQ(stopped.run(), UZ_CANCELLED) << where;
    }
    EXPECT_FALSE(fs::exists(dir / "out/gone"));
    EXPECT_EQ(dir.read("out/new/theirs.txt"), "theirs");
    EXPECT_EQ(StagesIn(dir / "out"), 0u);
}

TEST(Faults, AChildMadeByForkExtractsWithHelpersOfItsOwn)
{
    // The helpers of the parent's calls wait between calls; a child made by
    // fork() has none of them and must not wait for them.
    TempDir dir;
    RawZip zip;
    for (int i = 0; i < 40; ++i)
        zip.entries.push_back(
            CompressedEntry("f" + std::to_string(i) + ".txt", 8, std::string(5000, char('a' + i % 26))));
    WriteRawZip(dir / "a.zip", zip);
    EngineCall parent((dir / "a.zip").string(), (dir / "parent").string());
    parent.options.Threads = 4;
    ASSERT_EQ(parent.run(), UZ_OK);

    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        alarm(20);
        EngineCall call((dir / "a.zip").string(), (dir / "child").string());
        call.options.Threads = 4;
        _exit(call.run() == UZ_OK && FilesBelow(dir / "child").size() == 40 ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child hung or failed";
}

TEST(Faults, OnlyTheRecordedTemporariesOfADeadCallAreRemoved)
{
    TempDir dir;
    const fs::path root = fs::canonical(dir.path());
    StateFolder state(root / "state");

    // Files and links made where nothing is replaced need no temporary name,
    // so no record at all.
    fs::create_directory(root / "fresh");
    WriteRawZip(root / "fresh.zip", {.entries = {StoredEntry("a.txt", "a"), LinkEntry("sub/to-a", "../a.txt")}});
    EngineCall fresh((root / "fresh.zip").string(), (root / "fresh").string());
    EXPECT_EQ(fresh.run(), UZ_OK);
    EXPECT_TRUE(fs::is_symlink(root / "fresh/sub/to-a"));
    EXPECT_FALSE(fs::exists(root / "state/marrowlyn"));

    // What other calls left: a dead one's record, a live one's (its lock
    // held), and files that look like temporaries but that no record lists.
    const std::string dead = "0123456789abcdef", live = "fedcba9876543210";
    fs::create_directories(root / "old/real");
    fs::create_directory_symlink("real", root / "old/through");
    struct Leftover {
        std::string path, listedBy; // the token of the record that lists it
        bool link, removed;
    };
    const std::vector<Leftover> leftovers = {
        {"old/.mz" + dead + "-0-7.part", dead, false, true},
        {"old/sub/.mz" + dead + "-1-0.part", dead, true, true},
        {"old/.mz" + dead + "-0-x.part", dead, false, false},         // not quite the form
        {"old/.mz" + live + "-0-0.part", dead, false, false},         // another call's token
        {"old/keep.txt", dead, false, false},                         // no temporary's name at all
        {"old/through/.mz" + dead + "-0-9.part", dead, false, false}, // its folder has become a link
        {"old/.mz" + live + "-0-1.part", live, false, false},         // the live call's
        {"new/.mz1111111111111111-0-0.part", "", false, false},       // the user's, in the destination
    };
    std::map<std::string, std::vector<fs::path>> listed;
    for (const Leftover &leftover : leftovers) {
        fs::path path = root / leftover.path;
        fs::create_directories(path.parent_path());
        if (leftover.link)
            fs::create_symlink("nowhere", path);
        else
            dir.write(leftover.path, "x");
        if (!leftover.listedBy.empty())
            listed[leftover.listedBy].push_back(path);
    }
    state.write(dead, listed[dead]);
    int held = open(state.write(live, listed[live]).c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(flock(held, LOCK_EX), 0);

    // An entry named like a temporary, extracted and then replaced; the
    // replacing run records its temporaries while it goes.
    RawZip zip{.entries = {StoredEntry(".mz2222222222222222-0-0.part", "from the archive")}};
    for (int i = 0; i < 12; ++i)
        zip.entries.push_back(StoredEntry("f" + std::to_string(i), "f"));
    WriteRawZip(root / "a.zip", zip);
    std::map<std::string, std::string> during;
    for (int run = 0; run < 2; ++run) {
        EngineCall call((root / "a.zip").string(), (root / "new").string());
        call.options.Threads = 1;
        call.serviceHook = [&](int index) {
            if (run == 1 && index == 11)
                during = state.records();
        };
        EXPECT_EQ(call.run(), UZ_OK);
    }
    for (const Leftover &leftover : leftovers)
        EXPECT_EQ(fs::exists(fs::symlink_status(root / leftover.path)), !leftover.removed) << leftover.path;
    EXPECT_EQ(dir.read("new/.mz2222222222222222-0-0.part"), "from the archive");
    std::map<std::string, std::string> after = state.records();
    ASSERT_EQ(after.size(), 1u) << "the dead call's record goes, and so does each finished call's own";
    EXPECT_EQ(after.begin()->first, live + ".list");
    close(held);

    during.erase(live + ".list");
    ASSERT_EQ(during.size(), 1u) << "the replacing run's record";
    const auto &[name, paths] = *during.begin();
    std::string prefix = (root / "new/.mz").string() + name.substr(0, 16) + "-";
    EXPECT_EQ(paths.rfind(prefix, 0), 0u) << paths;
}

TEST(Faults, APartReplacedByAFifoDuringTheRunFailsNamingIt)
{
    // The first entry's data alone fills parts 2 to 5: nothing reads them
    // before the entry is decoded, when part 2 is a FIFO by then.
    TempDir dir;
    const size_t piece = 4096;
    const std::string bytes = BuildRawZip(
        {.entries = {StoredEntry("big.bin", std::string(5 * piece, 'b')), StoredEntry("after.txt", "after")}});
    auto partPath = [&](size_t number) { return dir / ("set.zip.00" + std::to_string(number)); };
    for (size_t at = 0, number = 1; at < bytes.size(); at += piece, ++number)
        dir.write(partPath(number).filename().string(), bytes.substr(at, piece));

    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        alarm(20); // a call that hangs on the FIFO ends here
        EngineCall call(partPath(1).string(), (dir / "out").string());
        call.options.Threads = 1;
        call.serviceHook = [&](int index) {
            if (index == 0 && (::unlink(partPath(2).c_str()) != 0 || ::mkfifo(partPath(2).c_str(), 0600) != 0))
                _exit(2);
        };
        const int32_t code = call.run();
        const bool named = std::any_of(call.lines.begin(), call.lines.end(), [](const std::string &line) {
            return line.find("part 2 (\"set.zip.002\") is not a regular file") != std::string::npos;
        });
        _exit(code == UZ_SOME_FAILED && named && call.printed("extracted: after.txt") ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << (WIFSIGNALED(status) ? "the call hung on the FIFO" : "the call did not fail naming the part");
}

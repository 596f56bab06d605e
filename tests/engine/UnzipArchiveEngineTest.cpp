// UnzipArchive through the real engine library: what ends up on disk.
#include "EngineLibrary.h"
#include "FakeClock.h"
#include "SevenZip.h"
#include "TempDir.h"
#include "UnzipArchive.h"
#include "ZipBuilder.h"
#include "cUnzip.h"
#include "mUnzip.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;
using Status = UnzipOutcome::Status;
using namespace std::chrono_literals;

namespace {

class UnzipArchiveEngineTest : public ::testing::Test {
protected:
    UnzipArchiveEngineTest() { SetEngineLibraryPath(ENGINE_PATH); }
    ~UnzipArchiveEngineTest() override
    {
        SetEngineLibraryPath("");
        SetCurrentPassword("");
    }
    TempDir dir;
    FakeClock clock;

    std::string Archive(const std::string &name)
    {
        const fs::path path = dir / name;
        fs::create_directories(path.parent_path());
        MakeZip(path, {{"a.txt", "hello"}, {"sub/b.txt", "world"}});
        return path.string();
    }
};

TEST_F(UnzipArchiveEngineTest, ExtractsEveryEntryWithItsFoldersAndReplacesExistingFiles)
{
    const std::string archive = Archive("in/photos.ZIP");
    const fs::path out = dir / "out/not/yet"; // created by the engine
    UnzipOutcome outcome = UnzipArchive(archive, out.string(), true, clock.hooks());
    ASSERT_TRUE(outcome.ok()) << outcome.reason;
    EXPECT_EQ(dir.read("out/not/yet/a.txt"), "hello");
    EXPECT_EQ(dir.read("out/not/yet/sub/b.txt"), "world");

    dir.write("out/not/yet/a.txt", "an older and longer text");
    outcome = UnzipArchive(archive, out.string(), true, clock.hooks());
    ASSERT_TRUE(outcome.ok()) << outcome.reason;
    EXPECT_EQ(dir.read("out/not/yet/a.txt"), "hello");

    // No destination: beside the archive, named after it.
    outcome = UnzipArchive(archive, "", true, clock.hooks());
    ASSERT_TRUE(outcome.ok()) << outcome.reason;
    EXPECT_EQ(dir.read("in/photos/sub/b.txt"), "world");
}

TEST_F(UnzipArchiveEngineTest, FilesThatAreNotArchivesLeaveNothingBehind)
{
    const fs::path out = dir / "out";
    EXPECT_EQ(UnzipArchive(dir.write("x.zip", "").string(), out.string(), true, clock.hooks()).status, Status::Empty);
    EXPECT_EQ(UnzipArchive(dir.write("x.txt", "").string(), out.string(), true, clock.hooks()).status, Status::Empty);
    EXPECT_EQ(UnzipArchive(dir.write("mz.zip", "MZ\x90\x00").string(), out.string(), true, clock.hooks()).status,
              Status::NotArchive);
    // "Rar" passes the first look, and the engine then says what it is.
    const UnzipOutcome rar
        = UnzipArchive(dir.write("r.zip", "Rar!\x1a\x07\x00 not a zip").string(), out.string(), true, clock.hooks());
    EXPECT_EQ(rar.status, Status::EngineFailed);
    EXPECT_FALSE(rar.reason.empty());
    EXPECT_TRUE(!fs::exists(out) || fs::is_empty(out));
}

TEST_F(UnzipArchiveEngineTest, AWrongPasswordIsReportedWithTheEnginesMessages)
{
    const fs::path archive = dir / "secret.zip";
    MakeZip(archive, {{.name = "plain.txt", .data = "open"}, {.name = "hidden.txt", .data = "x", .encrypted = true}},
            "right");
    SetCurrentPassword("wrong");
    UnzipOutcome outcome = UnzipArchive(archive.string(), (dir / "out").string(), true, clock.hooks());
    EXPECT_EQ(outcome.status, Status::EngineFailed);
    ASSERT_FALSE(outcome.messages.empty());
    EXPECT_NE(outcome.messages[0].find("hidden.txt"), std::string::npos) << outcome.messages[0];
    EXPECT_EQ(dir.read("out/plain.txt"), "open");
    EXPECT_FALSE(fs::exists(dir / "out/hidden.txt"));

    SetCurrentPassword("  right ");
    outcome = UnzipArchive(archive.string(), (dir / "out").string(), true, clock.hooks());
    EXPECT_TRUE(outcome.ok()) << outcome.reason;
    EXPECT_EQ(dir.read("out/hidden.txt"), "x");
}

// A list of passwords is tried on the first encrypted entry within one test
// call, not a call (and a reading of the archive's directory) per password.
TEST_F(UnzipArchiveEngineTest, AListOfPasswordsIsTriedInOneEngineCall)
{
    const fs::path archive = dir / "secret.zip";
    MakeZip(archive, {{.name = "plain.txt", .data = "open"}, {.name = "hidden.txt", .data = "x", .encrypted = true}},
            "right");
    UnzipHooks hooks;
    for (int i = 0; i < 40; ++i)
        hooks.passwords.push_back("wrong " + std::to_string(i));
    hooks.passwords.push_back("right");
    std::size_t openedBy = 0;
    hooks.openedByListPassword = [&](std::size_t position) { openedBy = position; };
    cUnzip unzip;
    int callsOnTheEntry = 0;
    ScopedListener count(unzip.Cancel,
                         [&](const std::string &name, bool &) { callsOnTheEntry += name == "hidden.txt"; });
    const UnzipOutcome outcome
        = UnzipArchive(unzip, archive.string(), (dir / "out").string(), true, clock.hooks(hooks));
    EXPECT_TRUE(outcome.ok()) << outcome.reason;
    EXPECT_EQ(openedBy, 41u);
    EXPECT_EQ(dir.read("out/hidden.txt"), "x");
    EXPECT_EQ(callsOnTheEntry, 2) << "one test call and the extraction";
}

// Passwords up to 64 KiB (as long as --password-file takes) open the archives
// 7zz makes with them. 7zz writes AES only with passwords up to 99 bytes; the
// longer AES ones come from the test's own writer.
TEST_F(UnzipArchiveEngineTest, PasswordsUpTo64KiBOpenTheirArchives)
{
    if (!Have7zz())
        GTEST_SKIP() << "7zz (Debian package 7zip) is needed";
    dir.write("src/a.txt", "long secret");
    for (const std::size_t length : {99, 254, 255, 1000, 65536}) {
        std::string password;
        for (std::size_t i = 0; i < length; ++i)
            password += "Ab3x9"[i % 5];
        const std::string zc = "zc" + std::to_string(length) + ".zip", aes = "aes" + std::to_string(length) + ".zip";
        ASSERT_TRUE(Run7zz(dir / "src", "Deflate", "-p" + password + " " + zc + " a.txt")) << length;
        if (length <= 99)
            ASSERT_TRUE(Run7zz(dir / "src", "Deflate", "-mem=AES256 -p" + password + " " + aes + " a.txt"));
        else
            MakeZip(dir / "src" / aes, {{.name = "a.txt", .data = "long secret", .encrypted = true}}, password);
        SetCurrentPassword(password);
        for (const std::string &name : {zc, aes}) {
            const fs::path out = dir / ("out-" + name);
            const UnzipOutcome outcome = UnzipArchive((dir / "src" / name).string(), out.string(), true, clock.hooks());
            EXPECT_TRUE(outcome.ok()) << name << ": " << outcome.reason;
            EXPECT_TRUE(fs::exists(out / "a.txt") && dir.read("out-" + name + "/a.txt") == "long secret") << name;
        }
    }
}

TEST_F(UnzipArchiveEngineTest, AnArchiveHeldUnreadableIsExtractedOnceReleasedOrSkippedAfterTheLimit)
{
    const std::string archive = Archive("held.zip");
    std::chrono::seconds heldFor = 10s;
    UnzipHooks hooks;
    hooks.openForReading = [&](const std::string &file) {
        if (clock.elapsed() < heldFor) {
            errno = EACCES;
            return -1;
        }
        return ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    };
    UnzipOutcome outcome = UnzipArchive(archive, (dir / "soon").string(), true, clock.hooks(hooks));
    ASSERT_TRUE(outcome.ok()) << outcome.reason;
    EXPECT_EQ(dir.read("soon/a.txt"), "hello");

    clock = FakeClock{};
    heldFor = 301s;
    outcome = UnzipArchive(archive, (dir / "never").string(), true, clock.hooks(hooks));
    EXPECT_EQ(outcome.status, Status::StillUnreadable);
    EXPECT_FALSE(fs::exists(dir / "never"));
}

// Each rule over the same files in place: one older than its entry, one
// newer, one whose " (2)" name is taken too, one where a link goes; a missing
// one is always written.
// The rows share the program's one engine object, in an order where a rule
// left behind by the row before would show.
TEST_F(UnzipArchiveEngineTest, FilesAlreadyInPlaceFollowTheRule)
{
    const std::time_t entryTime = 1630497600; // 2021-09-01
    const fs::path archive = dir / "a.zip";
    MakeZip(archive,
            {{.name = "old.txt", .data = "new", .mtime = entryTime},
             {.name = "new.txt", .data = "new", .mtime = entryTime},
             {.name = "sub/taken.tar.gz", .data = "new", .mtime = entryTime},
             {.name = "fresh", .data = "new", .mtime = entryTime},
             {.name = "link", .mtime = entryTime, .symlinkTarget = "fresh"}});
    const std::string before
        = "link=on disk new.txt=on disk old.txt=on disk sub/taken.tar (2).gz=on disk sub/taken.tar.gz=on disk";
    const struct {
        ExistingFile rule;
        std::string after;
        int skipped, renamed;
    } rows[] = {
        {ExistingFile::KeepBoth,
         "fresh=new link (2)=new link=on disk new (2).txt=new new.txt=on disk old (2).txt=new old.txt=on disk "
         "sub/taken.tar (2).gz=on disk sub/taken.tar (3).gz=new sub/taken.tar.gz=on disk",
         0, 4},
        {ExistingFile::ReplaceOlder,
         "fresh=new link=on disk new.txt=on disk old.txt=new sub/taken.tar (2).gz=on disk sub/taken.tar.gz=on disk", 3,
         0},
        {ExistingFile::Replace,
         "fresh=new link=new new.txt=new old.txt=new sub/taken.tar (2).gz=on disk sub/taken.tar.gz=new", 0, 0},
        {ExistingFile::Keep, "fresh=new " + before, 4, 0},
    };
    for (const auto &row : rows) {
        const fs::path out = dir / "out";
        fs::remove_all(out);
        for (const char *name : {"old.txt", "new.txt", "sub/taken.tar.gz", "sub/taken.tar (2).gz", "link"})
            dir.write("out/" + std::string(name), "on disk");
        fs::last_write_time(out / "old.txt", fs::file_time_type::clock::now() - std::chrono::hours(24 * 365 * 25));

        UnzipHooks hooks;
        hooks.existingFile = row.rule;
        std::vector<std::string> lines;
        hooks.progress = [&](const std::string &line) { lines.push_back(line); };
        const UnzipOutcome outcome = UnzipArchive(archive.string(), out.string(), true, clock.hooks(hooks));
        ASSERT_TRUE(outcome.ok()) << outcome.reason;

        std::vector<std::string> files;
        for (const auto &item : fs::recursive_directory_iterator(out))
            if (item.is_regular_file())
                files.push_back(item.path().lexically_relative(out).string() + "=" + ReadWholeFile(item.path()));
        std::sort(files.begin(), files.end());
        std::string after;
        for (const std::string &file : files)
            after += (after.empty() ? "" : " ") + file;
        EXPECT_EQ(after, row.after) << int(row.rule);
        const auto count = [&](const std::string &start) {
            return std::count_if(lines.begin(), lines.end(),
                                 [&](const std::string &l) { return l.rfind(start, 0) == 0; });
        };
        EXPECT_EQ(count("skipped: "), row.skipped) << int(row.rule);
        EXPECT_EQ(count("renamed: "), row.renamed) << int(row.rule);
        if (row.renamed) {
            EXPECT_NE(
                std::find(lines.begin(), lines.end(), "renamed: sub/taken.tar.gz: written as sub/taken.tar (3).gz"),
                lines.end());
        }
    }
}

TEST_F(UnzipArchiveEngineTest, ACancelStopsTheEngine)
{
    const fs::path archive = dir / "many.zip";
    std::vector<ZipEntry> entries;
    for (int i = 0; i < 20; ++i)
        entries.push_back({"f" + std::to_string(i) + ".txt", "data"});
    MakeZip(archive, entries);
    UnzipHooks hooks;
    int lines = 0;
    hooks.progress = [&](const std::string &) { ++lines; };
    hooks.cancelRequested = [&] { return lines >= 3; };
    const UnzipOutcome outcome = UnzipArchive(archive.string(), (dir / "out").string(), true, clock.hooks(hooks));
    EXPECT_EQ(outcome.status, Status::Cancelled) << outcome.reason;
    std::size_t written = 0;
    for (const auto &entry : fs::directory_iterator(dir / "out")) {
        (void)entry;
        ++written;
    }
    EXPECT_LT(written, 20u);
}

TEST_F(UnzipArchiveEngineTest, ListingAndSelectionThroughTheWrapper)
{
    const fs::path archive = dir / "list.zip";
    const std::time_t when = LocalTime(2021, 8, 31, 14, 5);
    const std::string longName
        = std::string(100, 'a') + "/" + std::string(100, 'b') + "/" + std::string(100, 'c') + ".txt";
    MakeZip(archive,
            {{.name = "docs/img/a.png", .data = std::string(1000, 'a'), .mtime = when},
             {.name = "docs/", .directory = true},
             {.name = "readme.txt", .data = "read me", .method = ZipMethod::Store},
             {.name = "locked.txt", .data = "x", .encrypted = true},
             {.name = longName, .data = "a long name"}},
            "pw");
    cUnzip unzip;
    unzip.ZipFile(archive.string());
    unzip.Directory();
    ASSERT_EQ(unzip.FileCount(), 4); // the folder entry adds no row
    EXPECT_EQ(unzip.Filename(1), "a.png");
    EXPECT_EQ(unzip.FileDirectory(1), "docs/img");
    EXPECT_EQ(unzip.FileSize(1), 1000);
    EXPECT_EQ(unzip.FileCompressionMethod(1), "Deflate");
    EXPECT_LT(unzip.FilePackedSize(1), 30) << "1,000 equal bytes pack into a few; not the bytes saved";
    EXPECT_EQ(unzip.FileDirectory(4) + "/" + unzip.Filename(4), longName) << "names beyond 256 bytes are listed whole";
    EXPECT_EQ(unzip.FileDate(1), std::chrono::local_days{std::chrono::year{2021} / 8 / 31} + 14h + 5min);
    EXPECT_FALSE(unzip.FileEncrypted(1));
    EXPECT_EQ(unzip.FileCompressionMethod(2), "Stored");
    EXPECT_TRUE(unzip.FileEncrypted(3));

    // Only the selected entries are extracted; the engine needs no password then.
    unzip.FileSelected(2, false);
    unzip.FileSelected(3, false);
    unzip.UseFolderNames(true);
    unzip.UnzipFolder((dir / "out").string());
    EXPECT_FALSE(unzip.Unzip()); // 0 from the engine reads as False
    EXPECT_EQ(unzip.LastEngineResult(), UZ_OK);
    EXPECT_TRUE(fs::exists(dir / "out/docs/img/a.png"));
    EXPECT_FALSE(fs::exists(dir / "out/readme.txt"));
    EXPECT_TRUE(fs::exists(dir / "out" / longName));

    int32_t major = -1, minor = -1, revision = -1;
    UnzipDateTime date{};
    std::string extra;
    unzip.GetVersion(major, minor, revision, date, extra);
    EXPECT_EQ(extra.size(), 10u);
    EXPECT_GE(major + minor + revision, 1);
}

} // namespace

// However an archive fails, the folders its entries needed go again when they
// stayed empty, in a destination made for it and in one that was there, whose
// own empty folder stays.
TEST_F(UnzipArchiveEngineTest, AFailedArchiveLeavesNoEmptyFolderOfItsMaking)
{
    const fs::path locked = dir / "locked.zip", damaged = dir / "damaged.zip", plain = dir / "plain.zip";
    MakeZip(locked, {{.name = "a/b/x.txt", .data = "secret", .encrypted = true}}, "right");
    MakeZip(plain, {{.name = "a/b/", .directory = true}, {.name = "a/b/x.txt", .data = "plain"}});
    MakeZip(damaged, {{.name = "a/b/x.txt", .data = "a text to spoil", .method = ZipMethod::Store}});
    std::string bytes = dir.read("damaged.zip");
    bytes[bytes.find("to spoil")] = 'T';
    dir.write("damaged.zip", bytes);
    struct Case {
        const char *what;
        fs::path archive;
        const char *password;
        bool stop;
    } cases[] = {
        {"no password", locked, "", false},
        {"a wrong password", locked, "wrong", false},
        {"a damaged entry", damaged, "", false},
        {"a stop", plain, "", true},
    };
    for (const Case &c : cases) {
        fs::remove_all(dir / "made");
        fs::remove_all(dir / "held");
        fs::create_directories(dir / "held/keep");
        SetCurrentPassword(c.password);
        for (const char *destination : {"made/sub", "held"}) {
            UnzipHooks hooks;
            int asked = 0;
            // The first ask is before the engine runs; the third is after its first entry.
            hooks.cancelRequested = [&] { return c.stop && ++asked >= 3; };
            const UnzipOutcome outcome
                = UnzipArchive(c.archive.string(), (dir / destination).string(), true, clock.hooks(hooks));
            EXPECT_FALSE(outcome.ok()) << c.what;
        }
        EXPECT_FALSE(fs::exists(dir / "made")) << c.what;
        EXPECT_FALSE(fs::exists(dir / "held/a")) << c.what;
        EXPECT_TRUE(fs::is_directory(dir / "held/keep")) << c.what;
    }
}

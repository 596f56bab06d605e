// Extracting one archive into one folder, with the waits and checks the batch
// run relies on, and an outcome its caller can report.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct UnzipOutcome {
    enum class Status {
        Extracted,       // the engine extracted every entry cleanly
        Missing,         // the path is empty or names nothing
        Empty,           // 0 bytes, or the length cannot be read
        NotZipName,      // ZIP alone: the name ends neither in ZIP nor in .zip.001
        NotArchive,      // ZIP alone: the first bytes (or a spanned set's first part's) are neither "PK" nor "RAR";
                         // any kind: not a regular file
        StillUnreadable, // could not be read within the wait limit
        NoDestination,   // no destination folder could be derived
        EngineFailed,    // the engine ran but reported failures (see messages)
        EngineMissing,   // the engine library or its entry point is missing
        Cancelled,       // stopped on request
        Failed           // a failure while setting up or calling the engine
    };

    Status status = Status::Failed;
    std::string reason;                // plain words, for the user
    std::vector<std::string> messages; // the engine's lines about failed entries

    bool ok() const { return status == Status::Extracted; }
};

// What becomes of a file already where an entry goes.
enum class ExistingFile {
    Replace,     // replaced by the entry
    Keep,        // kept; the entry is passed over
    KeepBoth,    // kept; the entry is written beside it, as "NAME (2).EXT" or the next free number
    ReplaceOlder // replaced only by an entry with a later modification time
};

// What the routine needs from its surroundings; tests replace the clock and
// the pause so the five-minute wait runs in milliseconds. Every hook is called
// on the thread that runs UnzipArchive (cancelRequested and progress from
// inside the engine call), so a caller on a worker thread makes them safe
// to call from there.
struct UnzipHooks {
    std::function<std::chrono::steady_clock::time_point()> now; // default: steady_clock::now
    std::function<void(std::chrono::milliseconds)> pause;       // default: sleep
    std::function<void()> pumpEvents;                           // default: nothing
    std::function<bool()> cancelRequested;                      // default: never
    // Asked when a cancel stops the engine: true withdraws what this archive
    // wrote into a destination the engine made for it (nothing is left).
    std::function<bool()> withdrawOnCancel;
    // Asked when the engine has written everything into a destination it
    // made and is about to let it be seen; true withdraws it instead.
    std::function<bool()> beforePublish;
    // The engine's threads for this archive; 0 leaves the engine object's
    // own setting. One, where other archives are extracted beside it.
    int threads = 0;
    std::function<void(const std::string &)> progress; // each engine message line
    // The archive's compressed bytes the engine has got through so far:
    // before each entry, and as a large entry decodes (about once a MiB).
    std::function<void(std::uint64_t)> workDone;
    std::chrono::seconds waitLimit{300};
    std::chrono::milliseconds pollInterval{100};
    // Opens the archive for reading and answers a descriptor, or -1 (errno
    // set) while it cannot be read yet. Default: open(2) read-only. Tests use
    // it to hold an archive unreadable, which file modes cannot do for root.
    std::function<int(const std::string &)> openForReading;
    // Off: ZIP alone, told by its name and first bytes before the engine is
    // called. On: every kind the engine reads; it tells them by content
    // (a self-extractor's stub included), so the name is no guide.
    bool everyKind = false;
    // Followed when `overwrite` is true; without it every existing file is kept.
    ExistingFile existingFile = ExistingFile::Replace;
    // Passwords tried in turn after the run's own (see ArchivePasswords.h);
    // none: the run's own alone, as the engine's password callback gives it.
    std::vector<std::string> passwords;
    // Told the 1-based position in `passwords` of the one that opened an
    // archive extracted cleanly; not called when the run's own did.
    std::function<void(std::size_t)> openedByListPassword;
    // Asked, with the archive and the try (1 to 3), when the archive has an
    // encrypted entry that no password of the run opens; the answer is tried
    // before anything is written. Nothing: the archive is skipped.
    // None: the run's passwords alone, as without asking.
    std::function<std::optional<std::string>(const std::string &archive, int attempt)> askPassword;
    // Told an answer to askPassword that opens the archive.
    std::function<void(const std::string &)> passwordAnswered;
    // Answers the user chose to keep for the rest of the run: tried, with
    // askPassword, after the run's passwords.
    std::vector<std::string> keptAnswers;
};

class cUnzip;

// Extracts with SharedUnzip(): for the window, where one archive is extracted
// at a time.
UnzipOutcome UnzipArchive(const std::string &archivePath, const std::string &destinationFolder, bool overwrite,
                          const UnzipHooks &hooks = {});
// The same with an object of the caller's, for callers that extract several
// archives on different threads at once (one object per thread).
UnzipOutcome UnzipArchive(cUnzip &unzip, const std::string &archivePath, const std::string &destinationFolder,
                          bool overwrite, const UnzipHooks &hooks = {});

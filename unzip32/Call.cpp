#include "Call.h"

#include "ArchiveKind.h"
#include "DeclaredSizes.h"
#include "OtherKinds.h"
#include "VisibleText.h"
#include "WorkerPool.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <random>
#include <thread>
#include <unistd.h>

namespace unzip32 {

namespace {

// Unique to each call of the process, and unforeseeable from outside: a
// random start, drawn once (drawing costs more than a small archive's
// entry), and a count from there.
uint64_t CallToken()
{
    static const uint64_t start = [] {
        std::random_device random;
        return uint64_t(random()) << 32 | random();
    }();
    static std::atomic<uint64_t> calls{0};
    return start + calls++;
}

std::optional<unsigned> currentUmask()
{
    // umask() cannot be read without being set, which would race with other threads.
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0)
            return unsigned(std::stoul(line.substr(6), nullptr, 8));
    }
    return std::nullopt;
}

} // namespace

Call::Call(const DCL &options, USERFUNCTIONS &callbacks, NameFilter filter)
    : m_options(options), m_callbacks(callbacks), m_filter(std::move(filter))
{
    m_shared.archivePath = options.ZipFileName;
}

Call::~Call()
{
    m_pool.reset(); // joins the workers before their state goes
    m_workers.clear();
    m_local.reset();
    if (m_shared.rootFd >= 0)
        ::close(m_shared.rootFd);
}

void Call::print(const std::string &line)
{
    bool failure = line.rfind("error: ", 0) == 0;
    if (!m_callbacks.print || m_options.MessageLevel >= 2 || (m_options.MessageLevel == 1 && !failure))
        return;
    std::string shown = VisibleText(line);
    m_callbacks.print(shown.c_str(), uint32_t(shown.size()));
}

void Call::fail(const ArchiveEntry &entry, const std::string &reason)
{
    ++m_callbacks.FailedCount;
    print("error: " + entry.name + ": " + reason);
}

void Call::skip(const ArchiveEntry &entry, const std::string &reason)
{
    print("skipped: " + entry.name + ": " + reason);
}

void Call::written(const ArchiveEntry &entry, bool renamed, const std::string &target)
{
    // The program follows these lines to the files it may open afterwards, so
    // a line names the path written whenever the entry's name is not that
    // path. A colon in the path is written "\x3a": the path then holds no
    // ": written as " of its own, and the last one in the line is the divide.
    static const std::string writtenAs = ": written as ";
    if (!renamed && target == entry.name && entry.name.find(writtenAs) == std::string::npos) {
        print("extracted: " + entry.name);
        return;
    }
    std::string path;
    for (char c : target)
        path += c == ':' ? std::string("\\x3a") : std::string(1, c);
    print((renamed ? "renamed: " : "extracted: ") + entry.name + writtenAs + path);
}

int32_t Call::failArchive(int32_t code, const std::string &reason)
{
    print("error: " + m_shared.archivePath + ": " + reason);
    return code;
}

bool Call::plausible(const CentralEntry &c) { return c.size <= MostContentsFrom(c.method, c.packedSize); }

unsigned Call::threadCount() const
{
    unsigned wanted = m_options.Threads > 0 ? unsigned(m_options.Threads) : std::thread::hardware_concurrency();
    return std::clamp(wanted, 1u, 64u);
}

int32_t Call::run()
{
    std::string reason;
    if (BeginsAsOtherKind(m_shared.archivePath)
        || !m_archive.open(m_shared.archivePath, reason, m_options.NameCodePage))
        return runOtherKind(reason);
    m_shared.patches = &m_archive.patches();
    m_shared.archive = m_archive.file();
    std::string overlap;
    if (m_archive.overlapping(overlap))
        return failArchive(UZ_UNSAFE_ARCHIVE,
                           "refused: entries share their data (\"" + overlap
                               + "\"), the construction of a zip bomb; nothing was extracted");
    int32_t code = m_options.ListOnly ? list() : extract();
    if (code == UZ_OK && m_filter.hasIncludes() && m_callbacks.EntryCount == 0)
        return failArchive(UZ_NO_MATCH, "no entry matches the names asked for");
    return code;
}

int32_t Call::extract()
{
    m_testOnly = m_options.TestOnly != 0;
    int32_t code = UZ_OK;
    m_shared.settings.token = CallToken();
    m_shared.settings.umask = currentUmask();
    if (!m_testOnly && !prepareDestination(code))
        return code;
    m_shared.settings.unnamedFiles = access("/proc/self/fd", X_OK) == 0;
    m_threads = threadCount();
    m_local = std::make_unique<EntryWorker>(m_shared, m_threads);
    // A large entry's decoder says how far it has got: on the calling thread
    // the caller is told at once, from a helper the calling thread is woken
    // to tell it (if it is waiting; otherwise it tells soon enough itself).
    m_callingThread = std::this_thread::get_id();
    m_shared.progress.moved = [this] {
        if (std::this_thread::get_id() == m_callingThread)
            reportMovement();
        else if (m_pool)
            m_pool->nudge();
    };

    if (m_other)
        extractOtherEntries();
    for (const ArchiveEntry &entry : m_archive.entries()) {
        if (!m_filter.selects(entry.normalised()))
            continue;
        if (!handleEntry(entry))
            break;
        drain(false);
    }
    drain(true);
    for (const EntryJob &job : m_symlinks) {
        if (m_cancelled)
            break;
        makeSymlink(job);
    }
    restoreFolderTimes();
    askBeforePublishing();
    publishStage();
    // Every entry is counted whole by now; what a failed decoder may have
    // left in the running share is not work still to come.
    m_shared.progress.size = 0;
    m_shared.progress.packed = 0;
    publishTotals();
    if (m_cancelled)
        return UZ_CANCELLED;
    return m_callbacks.FailedCount > 0 ? UZ_SOME_FAILED : UZ_OK;
}

} // namespace unzip32

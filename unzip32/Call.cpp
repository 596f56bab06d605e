#include "Call.h"

#include "ArchiveKind.h"
#include "DeclaredSizes.h"
#include "OtherKinds.h"
#include "VisibleText.h"
#include "WorkerPool.h"

#include <zip.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <thread>
#include <unistd.h>
#include <unordered_set>

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

bool Call::plausible(const CentralEntry &c)
{
    return c.size <= MostContentsFrom(c.method, c.packedSize);
}

unsigned Call::threadCount() const
{
    unsigned wanted = m_options.Threads > 0 ? unsigned(m_options.Threads) : std::thread::hardware_concurrency();
    return std::clamp(wanted, 1u, 64u);
}

int32_t Call::run()
{
    std::string reason;
    if (BeginsAsOtherKind(m_shared.archivePath) || !m_archive.open(m_shared.archivePath, reason, m_options.NameCodePage))
        return runOtherKind(reason);
    m_shared.patches = &m_archive.patches();
    m_shared.archive = m_archive.file();
    std::string overlap;
    if (m_archive.overlapping(overlap))
        return failArchive(UZ_UNSAFE_ARCHIVE, "refused: entries share their data (\"" + overlap
                                                  + "\"), the construction of a zip bomb; nothing was extracted");
    int32_t code = m_options.ListOnly ? list() : extract();
    if (code == UZ_OK && m_filter.hasIncludes() && m_callbacks.EntryCount == 0)
        return failArchive(UZ_NO_MATCH, "no entry matches the names asked for");
    return code;
}

int32_t Call::list()
{
    for (const ArchiveEntry &entry : m_archive.entries()) {
        if (!m_filter.selects(entry.normalised()))
            continue;
        const CentralEntry &c = entry.central;
        ++m_callbacks.EntryCount;
        m_callbacks.TotalSize = SaturatingAdd(m_callbacks.TotalSize, c.size);
        m_callbacks.TotalPackedSize = SaturatingAdd(m_callbacks.TotalPackedSize, c.packedSize);
        if (!m_callbacks.listEntry)
            continue;
        int32_t ratio = 0;
        if (c.size > 0 && c.packedSize < c.size)
            ratio = int32_t((c.size - c.packedSize) * 100 / c.size);
        auto saturate = [](uint64_t v) { return uint32_t(std::min<uint64_t>(v, 0xFFFFFFFFu)); };
        std::string method = MethodName(c.method);
        m_callbacks.listEntry(saturate(c.packedSize), saturate(c.size), ratio, (c.dosDate >> 5) & 0x0F,
                              c.dosDate & 0x1F, 1980 + ((c.dosDate >> 9) & 0x7F), (c.dosTime >> 11) & 0x1F,
                              (c.dosTime >> 5) & 0x3F, 0, entry.name.c_str(), method.c_str(), c.crc,
                              c.encrypted() ? 0x40 : 0);
    }
    return UZ_OK;
}

bool Call::prepareDestination(int32_t &code)
{
    m_destination = (m_options.ExtractDir && *m_options.ExtractDir) ? m_options.ExtractDir : ".";
    std::error_code made;
    std::filesystem::create_directories(m_destination, made);
    m_shared.rootFd = ::open(m_destination.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_shared.rootFd < 0) {
        int error = errno;
        code = failArchive(UZ_CANNOT_CREATE, "the folder \"" + m_destination + "\" cannot be "
                                                 + (made ? "made: " + ErrnoText(made.value()) : "opened: " + ErrnoText(error)));
        return false;
    }
    // Resolved once: the record names temporaries by paths without links.
    char *resolved = realpath(m_destination.c_str(), nullptr);
    m_shared.settings.temporaries.begin(m_shared.settings.token, resolved ? resolved : "");
    std::free(resolved);
    // Entries whose sizes are lies, or whose data is not in the archive, fail
    // on their own (handleEntry) and are no part of what the archive needs;
    // the packed sizes of the rest are bounded by the archive's, their
    // contents by their method, and the sum is held rather than wrapped.
    uint64_t needed = 0;
    for (const ArchiveEntry &entry : m_archive.entries()) {
        const CentralEntry &c = entry.central;
        if (!entry.directory && c.localHeaderValid && plausible(c) && m_filter.selects(entry.normalised()))
            needed = SaturatingAdd(needed, entry.central.size);
    }
    struct statvfs space {};
    if (fstatvfs(m_shared.rootFd, &space) == 0) {
        uint64_t available = uint64_t(space.f_bavail) * space.f_frsize;
        if (needed > available) {
            code = failArchive(UZ_NO_SPACE, "refused: its contents need " + std::to_string(needed)
                                                + " bytes but only " + std::to_string(available)
                                                + " are free at \"" + m_destination + "\"");
            return false;
        }
    }
    return true;
}

int32_t Call::extract()
{
    m_testOnly = m_options.TestOnly != 0;
    int32_t code = UZ_OK;
    m_shared.settings.token = CallToken();
    if (!m_testOnly && !prepareDestination(code))
        return code;
    m_shared.settings.umask = currentUmask();
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
    // Every entry is counted whole by now; what a failed decoder may have
    // left in the running share is not work still to come.
    m_shared.progress.size = 0;
    m_shared.progress.packed = 0;
    publishTotals();
    if (m_cancelled)
        return UZ_CANCELLED;
    return m_callbacks.FailedCount > 0 ? UZ_SOME_FAILED : UZ_OK;
}

namespace {

// An entry whose decoding reports how far it has got; smaller ones take a
// moment and count as soon as they are handed over.
bool Large(const CentralEntry &c)
{
    return c.size > kWholeEntryLimit;
}

} // namespace

void Call::count(const CentralEntry &c)
{
    m_countedSize = SaturatingAdd(m_countedSize, c.size);
    m_countedPacked = SaturatingAdd(m_countedPacked, c.packedSize);
}

void Call::publishTotals()
{
    m_callbacks.TotalSize = SaturatingAdd(m_countedSize, m_shared.progress.size.load());
    m_callbacks.TotalPackedSize = SaturatingAdd(m_countedPacked, m_shared.progress.packed.load());
}

bool Call::askService(const std::string &name)
{
    if (m_cancelled)
        return false;
    if (!m_callbacks.service)
        return true;
    publishTotals();
    if (m_callbacks.service(name.c_str(), uint32_t(name.size() + 1)) != 1)
        return true;
    // The decoders stop at their next step; the entries in progress are removed.
    m_cancelled = true;
    m_shared.cancel = true;
    return false;
}

void Call::reportMovement()
{
    if (const ArchiveEntry *entry = m_shared.progress.latest.load())
        askService(entry->name);
}

bool Call::handleEntry(const ArchiveEntry &entry)
{
    if (!askService(entry.name))
        return false;
    ++m_callbacks.EntryCount;
    if (!dispatch(entry))
        count(entry.central);
    // The service callback may have asked to stop while a large entry was
    // being decoded on this thread.
    return !m_cancelled;
}

bool Call::dispatch(const ArchiveEntry &entry)
{
    const CentralEntry &c = entry.central;
    if (entry.directory) {
        if (!m_testOnly && m_options.UseFolderNames) {
            auto components = SafeComponents(entry.normalised(), true, m_options.SpaceToUnderscore);
            if (conflicts(JoinComponents(components)))
                drain(true);
            makeFolder(entry, components);
        }
        return false;
    }
    if (!c.localHeaderValid) {
        fail(entry, "its data lies outside the archive or its header is damaged (truncated archive?)");
        return false;
    }
    if (!MethodSupported(c.method)) {
        fail(entry, "unsupported compression method (" + MethodName(c.method) + ")");
        return false;
    }
    if (c.encrypted() && (c.flags & 0x40)) {
        fail(entry, "unsupported encryption method");
        return false;
    }
    if (!plausible(c)) {
        fail(entry, "refused: it declares " + std::to_string(c.size) + " bytes, more than its " + std::to_string(c.packedSize)
                        + " compressed bytes can hold (a zip bomb or a damaged header)");
        return false;
    }

    EntryJob job;
    job.entry = &entry;
    if (!m_testOnly) {
        job.components = SafeComponents(entry.normalised(), m_options.UseFolderNames, m_options.SpaceToUnderscore);
        if (job.components.empty()) {
            fail(entry, "its name has no part that can be used as a file name");
            return false;
        }
        job.target = JoinComponents(job.components);
        // A second entry for the same file, or a file where an earlier entry
        // needs a folder (or the reverse), waits until the first is in place:
        // the entry that comes first in the archive wins, whatever the threads do.
        if (conflicts(job.target))
            drain(true);
        if (!entry.symlink && m_options.OverwriteExisting && !m_options.ExtractOnlyNewer) {
            // Whatever is there is replaced: the writer finds out by itself
            // (a link that fails with EEXIST), which spares a look per file.
            job.replace = true;
        } else if (!entry.symlink) {
            Existing existing = decideExisting(entry, job.components);
            if (existing == Existing::Skip)
                return false;
            job.replace = existing == Existing::Replace;
            job.renamed = existing == Existing::Renamed;
            if (job.renamed)
                job.target = JoinComponents(job.components);
        }
    }
    if (c.encrypted() && !obtainPassword(entry, job.password))
        return false;
    if (entry.symlink && !m_testOnly) {
        m_symlinks.push_back(std::move(job));
        return false;
    }
    job.reportsProgress = Large(c);
    const bool countsItself = job.reportsProgress;
    submit(std::move(job));
    return countsItself;
}

bool Call::conflicts(const std::string &target) const
{
    // The files in flight are a handful; the target's path may be thousands of
    // folders deep: compare with each in flight rather than look up every
    // prefix of the path.
    auto isBelow = [](const std::string &path, const std::string &folder) {
        return path.size() > folder.size() && path[folder.size()] == '/' && path.compare(0, folder.size(), folder) == 0;
    };
    for (const std::string &busy : m_targets) {
        if (busy == target || isBelow(target, busy) || isBelow(busy, target))
            return true;
    }
    return false;
}

Call::Existing Call::decideExisting(const ArchiveEntry &entry, std::vector<std::string> &components)
{
    std::string path = JoinComponents(components);
    struct stat info {};
    if (fstatat(m_shared.rootFd, path.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return Existing::Write;
    if (S_ISDIR(info.st_mode)) {
        fail(entry, "a folder of that name exists");
        return Existing::Skip;
    }
    if (m_options.ExtractOnlyNewer) {
        auto onDisk = std::make_pair(int64_t(info.st_mtim.tv_sec), info.st_mtim.tv_nsec);
        if (std::make_pair(entry.mtime, long(entry.mtimeNanos)) <= onDisk) {
            skip(entry, "the file on disk is as new or newer");
            return Existing::Skip;
        }
        return Existing::Replace;
    }
    if (m_options.OverwriteExisting)
        return Existing::Replace;
    if (!m_options.PromptToOverwrite) {
        skip(entry, "a file of that name exists");
        return Existing::Skip;
    }
    if (!m_replaceAll && m_callbacks.replace) {
        std::string full = m_destination + "/" + path;
        std::vector<char> buffer(full.begin(), full.end());
        buffer.push_back('\0');
        switch (m_callbacks.replace(buffer.data())) {
        case UZ_REPLACE_ALL: m_replaceAll = true; break;
        case UZ_REPLACE_NONE: m_replaceAll = false; break;
        case UZ_REPLACE_NO: skip(entry, "the existing file was kept"); return Existing::Skip;
        case UZ_REPLACE_RENAME: return nameBeside(entry, components);
        default: return Existing::Replace;
        }
    }
    if (m_replaceAll.value_or(true))
        return Existing::Replace;
    skip(entry, "the existing file was kept");
    return Existing::Skip;
}

Call::Existing Call::nameBeside(const ArchiveEntry &entry, std::vector<std::string> &components)
{
    // A name being written by a worker is as taken as one on disk. Should
    // another file take the chosen name before the entry is in place, the
    // entry fails rather than replace it (its job does not replace).
    // Many entries of one name look at each number once: the search goes on
    // from where the last one for this path stopped.
    const std::string name = components.back();
    int &next = m_nextNumber.try_emplace(JoinComponents(components), 2).first->second;
    for (; next < INT_MAX; ++next) {
        components.back() = NumberedName(name, next);
        const std::string path = JoinComponents(components);
        struct stat info {};
        if (!conflicts(path) && fstatat(m_shared.rootFd, path.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            ++next;
            return Existing::Renamed;
        }
    }
    fail(entry, "no free name is left beside the existing file");
    return Existing::Skip;
}

// libzip's check of the encryption header, before any decoding: WinZip
// AES's 2-byte verifier, ZipCrypto's check byte. One wrong password in 256
// passes that byte; its entry then fails to decode (as damage would).
bool Call::passwordOpens(const ArchiveEntry &entry, const std::string &password)
{
    zip_file_t *file = zip_fopen_index_encrypted(m_archive.handle(), entry.index, ZIP_FL_COMPRESSED, password.c_str());
    if (!file) {
        zip_error_clear(m_archive.handle());
        return false;
    }
    zip_fclose(file);
    return true;
}

bool Call::obtainPassword(const ArchiveEntry &entry, std::string &password)
{
    // The password that opened an earlier entry usually opens the next one too.
    if (m_goodPassword && passwordOpens(entry, *m_goodPassword)) {
        password = *m_goodPassword;
        return true;
    }
    // After a wrong one the caller is asked again for the same entry: a list of
    // candidates is tried on the entry's header check within one call, not a
    // call (and a reading of the directory) each. A caller that answers one it
    // has given already has no other, and the entry fails.
    std::unordered_set<std::string> tried;
    std::string prompt = "Enter the password for " + entry.name;
    for (;;) {
        if (!askPassword(entry, prompt, password)) {
            fail(entry, tried.empty() ? "encrypted, and no password was given" : "wrong password");
            return false;
        }
        if (!tried.insert(password).second) {
            fail(entry, "wrong password");
            return false;
        }
        if (!password.empty() && passwordOpens(entry, password)) {
            m_goodPassword = password;
            return true;
        }
        prompt = "The password was wrong; enter another for " + entry.name;
    }
}

bool Call::askPassword(const ArchiveEntry &entry, const std::string &prompt, std::string &password)
{
    if (!m_callbacks.password)
        return false;
    m_passwordBuffer.assign(kPasswordBufferSize, '\0');
    if (m_callbacks.password(m_passwordBuffer.data(), int32_t(kPasswordBufferSize), prompt.c_str(), entry.name.c_str()) != 0)
        return false;
    password.assign(m_passwordBuffer.data(), strnlen(m_passwordBuffer.data(), kPasswordBufferSize - 1));
    return true;
}

void Call::makeFolder(const ArchiveEntry &entry, const std::vector<std::string> &components)
{
    if (components.empty())
        return;
    std::string reason;
    int fd = m_local->folders().open(components, components.size(), true, reason);
    if (fd < 0) {
        fail(entry, reason);
        return;
    }
    // As for files: through the umask, and always the owner's to enter and
    // change. The sticky bit is kept (it guards a shared folder's files);
    // set-user-id and set-group-id never are.
    if (entry.central.unixHost() && (entry.central.unixMode() & 0777))
        fchmod(fd, (entry.central.unixMode() & 01777 & ~m_shared.settings.umask.value_or(0)) | 0700);
    m_folderTimes.push_back(&entry);
    print("extracted: " + entry.name);
}

void Call::restoreFolderTimes()
{
    // Last, because writing a file into a folder changes the folder's time.
    // Deepest first is not needed: a folder's time does not change with the
    // times of the folders in it.
    for (const ArchiveEntry *entry : m_folderTimes) {
        auto components = SafeComponents(entry->normalised(), true, m_options.SpaceToUnderscore);
        struct timespec mtime = entry->modified();
        std::string reason;
        int fd = m_local->folders().open(components, components.size(), false, reason);
        if (fd < 0)
            continue;
        struct timespec times[2] = {mtime, mtime};
        futimens(fd, times);
    }
}

void Call::makeSymlink(const EntryJob &job)
{
    const ArchiveEntry &entry = *job.entry;
    std::string target, reason;
    if (!m_local->readSymlinkTarget(job, target, reason)) {
        fail(entry, reason);
        return;
    }
    if (target.find('\0') != std::string::npos || !SymlinkTargetStaysInside(job.components, target)) {
        fail(entry, "refused: the link's target \"" + target + "\" leads outside the destination");
        return;
    }
    std::vector<std::string> components = job.components;
    Existing existing = decideExisting(entry, components);
    if (existing == Existing::Skip)
        return;
    EntryFile link(m_local->folders(), m_shared.settings, m_threads);
    if (!link.createSymlink(components, target, existing == Existing::Replace, reason)) {
        fail(entry, "the link cannot be made: " + reason);
        return;
    }
    written(entry, existing == Existing::Renamed, JoinComponents(components));
}

void Call::submit(EntryJob job)
{
    if (!m_pool) {
        // The calling thread decodes too (with m_local), so it needs one thread fewer.
        for (unsigned i = 0; i + 1 < m_threads; ++i)
            m_workers.push_back(std::make_unique<EntryWorker>(m_shared, i));
        m_pool = std::make_unique<WorkerPool<EntryJob, EntryResult>>(
            m_threads - 1, [this](EntryJob &job, unsigned worker) {
                return worker < m_workers.size() ? m_workers[worker]->process(job) : m_local->process(job);
            });
    }
    if (!job.target.empty())
        m_targets.insert(job.target);
    m_pool->submit(std::move(job));
    // A bounded queue keeps the service callback's view of progress honest
    // and the memory of waiting jobs small; instead of waiting for room, the
    // calling thread decodes a queued entry itself.
    while (m_pool->pending() >= kQueuedPerThread * size_t(m_threads)) {
        drain(false);
        if (m_pool->pending() >= kQueuedPerThread * size_t(m_threads))
            m_pool->runOne();
    }
}

void Call::drain(bool all)
{
    if (!m_pool)
        return;
    m_finished.clear();
    if (all)
        m_pool->finishAll(m_finished, [this] { reportMovement(); });
    else
        m_pool->takeFinished(m_finished);
    for (const EntryResult &result : m_finished)
        report(result);
}

void Call::report(const EntryResult &result)
{
    if (Large(result.entry->central)) {
        m_shared.progress.size -= result.progressSize;
        m_shared.progress.packed -= result.progressPacked;
        count(result.entry->central);
    }
    if (!result.target.empty())
        m_targets.erase(result.target);
    if (result.cancelled)
        return; // the entry in progress at a cancel: removed, and the call says why
    if (!result.ok) {
        fail(*result.entry, result.reason);
        return;
    }
    if (m_testOnly)
        print("tested: " + result.entry->name);
    else
        written(*result.entry, result.renamed, result.target);
}

} // namespace unzip32

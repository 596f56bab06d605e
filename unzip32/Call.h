// One call of Wiz_SingleEntryUnzip: reads the options, walks the archive's
// entries in order on the calling thread (every callback is made here) and
// shares the decoding between that thread and a pool of workers.
//
// Its member functions live in files named for what they do: Call.cpp (the
// setup, the run and the messages), CallList, CallDestination, CallEntries,
// CallExisting, CallPasswords, CallFoldersAndLinks, CallWorkers and
// CallProgress.
#pragma once

#include "Archive.h"
#include "EntryNames.h"
#include "EntryWorker.h"
#include "StagedFolder.h"
#include "unzip32.h"

#include <memory>
#include <optional>
#include <set>
#include <thread>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace unzip32 {

template <typename Job, typename Result> class WorkerPool;
struct OtherKindCall;
struct OtherEntry;

class Call {
public:
    Call(const DCL &options, USERFUNCTIONS &callbacks, NameFilter filter);
    ~Call();
    int32_t run();

private:
    enum class Existing { Write, Replace, Skip, Renamed };

    void print(const std::string &line);
    void fail(const ArchiveEntry &entry, const std::string &reason);
    void skip(const ArchiveEntry &entry, const std::string &reason);
    void written(const ArchiveEntry &entry, bool renamed, const std::string &target);
    int32_t failArchive(int32_t code, const std::string &reason);

    int32_t list();
    int32_t extract();
    bool prepareDestination(int32_t &code);
    bool enoughSpace(int32_t &code);
    void askBeforePublishing(); // the service callback's last word on a made destination
    void publishStage();
    bool handleEntry(const ArchiveEntry &entry); // false: stop (cancelled)
    bool dispatch(const ArchiveEntry &entry);    // true: handed to a decoder that counts it itself
    void folderEntry(const ArchiveEntry &entry);
    bool refused(const ArchiveEntry &entry); // true: it cannot be decoded (and has failed)
    bool place(EntryJob &job);               // false: the entry goes nowhere (failed or skipped)
    void count(const CentralEntry &c);
    void publishTotals();
    bool askService(const std::string &name); // false: the caller asked to stop
    void reportMovement();                    // a large entry has decoded further
    bool obtainPassword(const ArchiveEntry &entry, std::string &password);
    bool passwordOpens(const ArchiveEntry &entry, const std::string &password);
    bool askPassword(const ArchiveEntry &entry, const std::string &prompt, std::string &password); // false: refused
    bool conflicts(const std::string &target) const; // with a file being written
    // Renamed: `components` now name where the entry goes instead.
    Existing decideExisting(const ArchiveEntry &entry, std::vector<std::string> &components);
    Existing nameBeside(const ArchiveEntry &entry, std::vector<std::string> &components);
    void makeFolder(const ArchiveEntry &entry, const std::vector<std::string> &components);
    void makeSymlink(const EntryJob &job);
    void restoreFolderTimes();
    void submit(EntryJob job);
    void report(const EntryResult &result);
    void drain(bool all);
    unsigned threadCount() const;
    static bool plausible(const CentralEntry &c); // its declared size can be true
    static bool large(const CentralEntry &c);     // its decoder reports progress, and counts it when done

    // Archives of other kinds, read by libarchive (OtherKinds*.cpp).
    int32_t runOtherKind(std::string reason); // reason: the ZIP reader's, said when it is no kind at all
    int32_t listOther();
    void extractOtherEntries();
    void handleOther(const OtherEntry &other, ArchiveEntry &entry);
    bool targetOf(const ArchiveEntry &entry, EntryJob &job); // false: not to be written
    void writeOther(const OtherEntry &other, const ArchiveEntry &entry);
    bool copyOther(const OtherEntry &other, const ArchiveEntry &entry, EntryFile *file, std::string &reason);
    void linkOther(const OtherEntry &other, const ArchiveEntry &entry);
    int heldFolderOf(const std::vector<std::string> &components, dev_t device, ino_t inode, std::string &reason);
    void joinGroup(const OtherEntry &other, const ArchiveEntry &entry, const std::vector<std::string> &components);
    void makeOtherSymlinks();

    const DCL &m_options;
    USERFUNCTIONS &m_callbacks;
    NameFilter m_filter;
    Archive m_archive;
    CallShared m_shared;
    StagedFolder m_stage; // closed after the workers: declared before them
    std::string m_destination;
    std::unique_ptr<EntryWorker> m_local;   // the calling thread's own, for folders and links
    std::unique_ptr<OtherKindCall> m_other; // an archive of another kind: its reader and what it wrote
    std::unique_ptr<WorkerPool<EntryJob, EntryResult>> m_pool;
    std::vector<std::unique_ptr<EntryWorker>> m_workers;
    std::vector<EntryResult> m_finished; // results being reported
    static constexpr size_t kQueuedPerThread = 4;
    std::vector<EntryJob> m_symlinks;
    // Folder entries made: their times are set last. Their paths are worked
    // out again then, rather than kept: a long chain of nested folders would
    // hold the square of its depth in names.
    std::vector<const ArchiveEntry *> m_folderTimes;
    std::set<std::string> m_targets; // being written by the workers (a handful, never the whole archive)
    std::optional<std::string> m_goodPassword;
    // Room for the longest password a caller may give, 64 KiB, and its NUL.
    static constexpr size_t kPasswordBufferSize = 64 * 1024 + 1;
    std::vector<char> m_passwordBuffer;
    std::optional<bool> m_replaceAll;                  // a sticky answer of the replace callback
    std::unordered_map<std::string, int> m_nextNumber; // per path renamed: the first number not tried yet
    // Entries counted into the totals: handled, or reported by their decoder.
    uint64_t m_countedSize = 0, m_countedPacked = 0;
    std::thread::id m_callingThread;
    bool m_cancelled = false;
    bool m_withdrawn = false; // stopped with nothing of the call's to be left where it could be
    bool m_testOnly = false;
    unsigned m_threads = 1;
};

} // namespace unzip32

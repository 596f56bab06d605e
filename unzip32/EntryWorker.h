// Decoding one entry on a worker thread (or on the calling thread, which
// decodes too): unencrypted data read straight from the shared descriptor of
// the archive, a libzip handle of its own only for encrypted entries, its own
// buffers and folder handles; it never calls back into the caller.
#pragma once

#include "Archive.h"
#include "Decoders.h"
#include "FileWriter.h"

#include <atomic>
#include <functional>
#include <string>
#include <vector>

namespace unzip32 {

struct EntryJob {
    const ArchiveEntry *entry = nullptr;
    std::vector<std::string> components; // where it goes; empty when only testing
    std::string target;                  // the components joined with "/"
    bool replace = false;                // an existing file may be replaced
    bool renamed = false;                // written beside an existing file, under a name of its own
    std::string password;                // for an encrypted entry, already checked
    bool reportsProgress = false;        // a large entry: tells how far it has got while it decodes
};

struct EntryResult {
    const ArchiveEntry *entry = nullptr;
    bool ok = false;
    bool cancelled = false;
    std::string reason;   // plain words, when not ok
    std::string target;   // the job's
    bool renamed = false; // the job's
    // What a job that reports progress added to CallShared::progress, for
    // the calling thread to take back when it counts the whole entry.
    uint64_t progressSize = 0, progressPacked = 0;
};

// How far the large entries being decoded have got. The decoders add to it
// from their threads; the calling thread reads it into the call's totals and
// tells the caller through the service callback.
struct LargeEntryProgress {
    mutable std::atomic<uint64_t> size{0};   // contents decoded of large entries not yet reported
    mutable std::atomic<uint64_t> packed{0}; // their compressed bytes, in proportion
    mutable std::atomic<const ArchiveEntry *> latest{nullptr};
    std::function<void()> moved; // called by a decoder after each step, on its own thread
};

struct CallShared {
    std::string archivePath;
    const BytePatches *patches = nullptr;       // the archive's, for a worker's own libzip handle (encrypted entries)
    std::shared_ptr<const ArchiveFile> archive; // as checked; unencrypted data is read from it directly
    int rootFd = -1;                            // the destination folder; -1 when only testing
    WriteSettings settings;
    std::atomic<bool> cancel{false};
    LargeEntryProgress progress;
};

class EntryWorker {
public:
    EntryWorker(const CallShared &shared, unsigned id)
        : m_shared(shared), m_id(id), m_folders(shared.rootFd, shared.settings.staged)
    {}
    ~EntryWorker();
    EntryWorker(const EntryWorker &) = delete;
    EntryWorker &operator=(const EntryWorker &) = delete;

    // Never throws.
    EntryResult process(const EntryJob &job);
    // A link's target, decoded; false with a reason on failure.
    bool readSymlinkTarget(const EntryJob &job, std::string &target, std::string &reason);
    FolderCache &folders() { return m_folders; }

private:
    EntryResult processFile(const EntryJob &job);
    EntryResult decodeInto(const EntryJob &job, Source &source, Output *output, EntryFile *file);
    zip_file_t *openEntry(const EntryJob &job, std::string &reason);
    DecodeRequest requestFor(const ArchiveEntry &entry) const;

    const CallShared &m_shared;
    unsigned m_id;
    zip_t *m_zip = nullptr;
    DecoderContext m_context;
    FolderCache m_folders;
};

} // namespace unzip32

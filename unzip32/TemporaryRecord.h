// Named temporary files, and what a killed call leaves of them. Files are
// decoded into unnamed files (O_TMPFILE) that a kill simply discards; a name
// is needed only to replace an existing file or link (the finished one is
// named, then renamed over the old one) and where the file system has no
// unnamed files. Each such name is written to the call's record before the
// file is made. The record lives in the user's state folder, outside every
// destination, so an archive cannot forge it; the call holds a lock on it
// (flock) while it runs and removes it when it ends. A record whose lock can
// be taken belongs to a call that died: the next extracting call removes the
// files it lists that still carry that call's own random token, and nothing
// else. A file in a destination that merely looks like a temporary is never
// touched, whether a user or an archive put it there.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>

namespace unzip32 {

// ".mz" + the call's token in 16 hex digits + "-<worker>-<n>.part".
std::string TemporaryName(uint64_t token, unsigned worker, uint64_t n);

class TemporaryRecord {
public:
    TemporaryRecord() = default;
    ~TemporaryRecord();
    TemporaryRecord(const TemporaryRecord &) = delete;
    TemporaryRecord &operator=(const TemporaryRecord &) = delete;

    // On the calling thread, before any worker writes: removes the leftovers
    // of dead calls and notes where this call writes (`destination` without
    // links; empty when it could not be resolved).
    void begin(uint64_t token, const std::string &destination);
    // Records "<destination>/<folder>/<name>" before that file is made; the
    // record is made on first use. Without a state folder (or a resolved
    // destination) nothing is recorded: the temporary is made all the same,
    // but one left by a kill stays until someone removes it.
    void add(const std::string &folder, const std::string &name);
    // Records an absolute path; false when it could not be recorded. A
    // call's hidden folder (StagedFolder.h) is recorded so, and removed
    // whole after a kill.
    bool addPath(std::string path);

private:
    bool open();

    std::mutex m_mutex;
    uint64_t m_token = 0;
    std::string m_destination, m_folder, m_path;
    int m_fd = -1;
    bool m_failed = false;
};

} // namespace unzip32

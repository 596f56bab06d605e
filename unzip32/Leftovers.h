// Temporary files that a killed run left behind. Files are normally decoded
// into unnamed files (O_TMPFILE) that a kill simply discards; only where the
// file system cannot make those, and for the moment between naming a finished
// file and renaming it over an existing one, does a file carry a temporary
// name. Such names are recognisable, and the next call that writes into the
// folder removes them, except those a live writer still holds (flock).
#pragma once

#include <mutex>
#include <string>
#include <unordered_set>

namespace unzip32 {

// ".mz" + 16 hex digits + "-" ... + ".part": the names EntryFile gives.
bool IsTemporaryName(const std::string &name);

class LeftoverCleaner {
public:
    // Removes leftovers in the open folder `fd`, once per folder and call.
    // Safe to call from several workers at once.
    void clean(int fd, const std::string &key);
    // A folder this call made holds nothing to clean.
    void madeFolder(const std::string &key);

private:
    std::mutex m_mutex;
    std::unordered_set<std::string> m_done;
};

} // namespace unzip32

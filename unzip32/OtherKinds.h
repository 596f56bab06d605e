// What a call keeps while it reads an archive of another kind: the reader,
// the entries it must still refer to later (folders for their times, links
// made last), and the files it wrote, which are the only ones a hard link may
// repeat.
#pragma once

#include "Archive.h"
#include "OtherKindReader.h"

#include <cstdint>
#include <deque>
#include <string>
#include <sys/types.h>
#include <unordered_map>
#include <vector>

namespace unzip32 {

struct OtherKindCall {
    struct Written {
        std::vector<std::string> components; // where the file went
        dev_t device = 0;
        ino_t inode = 0; // what it was when written
    };
    struct Symlink {
        const ArchiveEntry *entry;
        std::vector<std::string> components;
        std::string target;
    };

    OtherKindReader reader;
    std::deque<ArchiveEntry> kept;                    // stable: the call holds pointers to them
    std::unordered_map<std::string, Written> written; // by the entry's normalised name
    std::vector<Symlink> symlinks;
    uint64_t contents = 0;   // decoded by the call so far, against the reader's mostContents()
    uint64_t readBefore = 0; // the archive's bytes read before the current entry
};

// The ArchiveEntry the call's shared rules (names, folders, times, messages)
// see for an entry of another kind: permission bits only, as a Unix ZIP's.
ArchiveEntry EntryFor(const OtherEntry &other);

// A listing's date fields for `time` (seconds since the epoch), local time,
// the year held within 1980 to 2107 as the listing promises.
struct ListedTime {
    uint32_t year, month, day, hour, minute;
};
ListedTime ListedTimeOf(int64_t time);

// Why an encrypted entry (or a whole archive whose names are encrypted) of
// `kind` writes nothing.
std::string EncryptedReason(const std::string &kind);

} // namespace unzip32

// Writing into the destination without ever leaving it: folders are opened
// one component at a time with O_NOFOLLOW; a file is decoded into an unnamed
// file in its target's folder (O_TMPFILE) and linked into place only when
// complete, so a killed process leaves nothing behind. A name is needed only
// to replace an existing file and where the file system has no unnamed
// files; such names are recorded first (TemporaryRecord.h). Into a
// destination the call made itself, files are written under their names in
// a hidden folder that takes the destination's name at the end
// (StagedFolder.h).
#pragma once

#include "Decoders.h"
#include "FolderCache.h"
#include "TemporaryRecord.h"

#include <atomic>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace unzip32 {

// What a writer needs to know of the call it works for.
struct WriteSettings {
    std::optional<unsigned> umask; // when known, spares a chmod for ordinary modes
    uint64_t token = 0;            // makes temporary names unique to this call
    bool unnamedFiles = true;      // /proc is there to link unnamed files by (checked once per call)
    // The destination is the call's own hidden folder (StagedFolder.h):
    // files are made under their names at once.
    bool staged = false;
    // Linking an unnamed file by its descriptor (AT_EMPTY_PATH) needs a
    // privilege; the first refusal switches every writer of the call to /proc.
    mutable std::atomic<bool> linkByDescriptor{true};
    mutable TemporaryRecord temporaries; // every temporary name of the call, before it is made
};

class EntryFile : public Output {
public:
    EntryFile(FolderCache &folders, const WriteSettings &settings, unsigned worker)
        : m_folders(folders), m_settings(settings), m_worker(worker)
    {}
    ~EntryFile() override { abandon(); }

    // Creates the temporary file in the target's folder (made as needed).
    bool create(const std::vector<std::string> &components, uint32_t mode, std::string &reason);
    bool write(const uint8_t *data, size_t length) override;
    const std::string &writeError() const { return m_writeError; }
    // The errno of the last failure to create or put the file in place.
    int lastError() const { return m_lastError; }
    // Sets times and mode and renames into place; `replace` allows an existing
    // file to be replaced (and costs nothing extra when there is none),
    // otherwise one that appeared meanwhile is kept.
    bool commit(struct timespec mtime, bool replace, std::string &reason);
    // Makes a symbolic link; under a temporary name and renamed over the old
    // one only when one is to be replaced.
    bool createSymlink(const std::vector<std::string> &components, const std::string &target, bool replace,
                       std::string &reason);
    // Makes a hard link to `fromName` in the folder `fromFolder` (which the
    // caller holds); replaces as createSymlink does.
    bool createHardLink(const std::vector<std::string> &components, int fromFolder, const std::string &fromName,
                        bool replace, std::string &reason);
    // Leaves `length` bytes unwritten (a hole, where the file system has them)
    // before what is written next; the file grows by them at once.
    bool leaveHole(uint64_t length);
    // Removes the temporary file, if any.
    void abandon();

private:
    bool openFolder(const std::vector<std::string> &components, std::string &reason);
    bool makeTemporary(bool symlink, const std::string &target, uint32_t mode, std::string &reason);
    bool makeUnnamed(uint32_t mode);
    bool nameUnnamed(bool replace, std::string &reason);
    bool linkUnnamed(const char *name);
    bool renameIntoPlace(bool replace, std::string &reason);
    std::string nextTemporaryName();

    FolderCache &m_folders;
    const WriteSettings &m_settings;
    unsigned m_worker;
    uint64_t m_counter = 0;
    int m_folder = -1;
    int m_fd = -1;
    uint32_t m_mode = 0;
    bool m_unnamed = false;
    bool m_direct = false; // made under its name in the call's hidden folder
    int m_lastError = 0;
    std::string m_where; // the folder below the destination
    std::string m_name, m_temporary, m_writeError;
};

// The reason for an errno in plain words.
std::string ErrnoText(int error);

} // namespace unzip32

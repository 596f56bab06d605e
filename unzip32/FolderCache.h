// Folders below the destination, reached one component at a time with
// O_NOFOLLOW so that nothing is ever written through a link.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace unzip32 {

// The open folders of one thread: the few it used last, each under its path
// below the destination. An archive's entries often go back and forth
// between a handful of folders, and each folder found here costs no openat at
// all; one that is not is reached from its deepest ancestor that is. The
// number held is fixed, so it never grows with a path's depth or an
// archive's size (an archive of thousand-deep paths must not starve the
// other archives of the process of descriptors).
class FolderCache {
public:
    // `rootMade`: the call made the root itself, so it holds only what the call puts there.
    explicit FolderCache(int rootFd, bool rootMade = false) : m_root(rootFd), m_rootMade(rootMade) {}
    ~FolderCache() { closeAll(-1); }
    FolderCache(const FolderCache &) = delete;
    FolderCache &operator=(const FolderCache &) = delete;

    // The folder made of the first `count` components; -1 with a reason when it
    // cannot be reached (or made, when `create`) without following a link.
    // The descriptor stays valid until the next call.
    int open(const std::vector<std::string> &components, size_t count, bool create, std::string &reason);

    // Folders held open at most.
    static constexpr size_t kHeld = 16;

private:
    struct Slot {
        std::string path; // below the destination, components joined with "/"
        int fd = -1;
        bool made = false; // made by this cache: only what the call puts there is in it
        uint64_t used = 0;
    };

    int step(int parent, const std::string &name, bool create, bool parentMade, bool &made, std::string &reason);
    Slot *find(std::string_view path);
    // Holds `fd` under `path`, giving back the folder used longest ago when full.
    Slot &hold(std::string path, int fd, bool made);
    // Closes every folder held but `keep`.
    void closeAll(int keep);

    int m_root;
    bool m_rootMade;
    std::vector<Slot> m_slots;
    uint64_t m_clock = 0;
};

} // namespace unzip32

// Folders below the destination, reached one component at a time with
// O_NOFOLLOW so that nothing is ever written through a link.
#pragma once

#include <string>
#include <vector>

namespace unzip32 {

// The open folders of one thread: the chain of the folder reached last. Its
// shallow end and its deep end stay open, the middle of a deep path is
// closed again, so the descriptors held never grow with a path's depth (an
// archive of thousand-deep paths must not starve the other archives of the
// process), and the next entry, usually in the same folder or beside it,
// costs one openat or none.
class FolderCache {
public:
    explicit FolderCache(int rootFd) : m_root(rootFd) {}
    ~FolderCache() { closeFrom(0); }
    FolderCache(const FolderCache &) = delete;
    FolderCache &operator=(const FolderCache &) = delete;

    // The folder made of the first `count` components; -1 with a reason when it
    // cannot be reached (or made, when `create`) without following a link.
    // The descriptor stays valid until the next call.
    int open(const std::vector<std::string> &components, size_t count, bool create, std::string &reason);

    // Folders held open at each end of the chain.
    static constexpr size_t kShallowHeld = 8;
    static constexpr size_t kDeepHeld = 4;
    // Descriptors held now (for tests).
    size_t held() const;

private:
    int step(int parent, const std::string &name, bool create, bool parentMade, bool &made, std::string &reason);
    bool keeps(size_t depth, size_t deepest) const { return depth <= kShallowHeld || depth + kDeepHeld > deepest; }
    void closeFrom(size_t depth);
    void dropMiddle();

    int m_root;
    std::vector<std::string> m_names; // the chain: the components of the folder reached last
    std::vector<int> m_fds;           // m_fds[i]: the folder of the first i + 1 names, or -1 when closed
    std::vector<bool> m_made;         // m_made[i]: that folder was made by this cache
};

} // namespace unzip32

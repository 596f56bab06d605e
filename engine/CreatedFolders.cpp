#include "CreatedFolders.h"

#include "HeldFolder.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Deeper than any path the kernel takes whole; a tree deeper still is left as it is.
constexpr int MaxDepth = 256;

// The names of the folder's entries that are folders themselves (by the
// directory's own word; what each is gets checked again when it is opened).
std::vector<std::string> FolderNames(const HeldFolder &folder, bool &empty)
{
    std::vector<std::string> names;
    const std::optional<std::vector<FolderEntry>> entries = EntriesOf(folder.fd());
    empty = entries && entries->empty();
    for (const FolderEntry &entry : entries.value_or(std::vector<FolderEntry>{}))
        if (entry.type == DT_DIR || entry.type == DT_UNKNOWN)
            names.push_back(entry.name);
    return names;
}

bool SameDevice(const HeldFolder &a, const HeldFolder &b, dev_t &device, ino_t &inode)
{
    struct stat outer {
    }, inner{};
    if (::fstat(a.fd(), &outer) != 0 || ::fstat(b.fd(), &inner) != 0)
        return false;
    device = inner.st_dev;
    inode = inner.st_ino;
    return outer.st_dev == inner.st_dev;
}

// The path one level up, or "" where there is no level to climb that is
// certainly a parent: "." and ".." say nothing about which folder is meant.
std::string Parent(const std::string &path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos || slash == 0)
        return {};
    std::string parent = path.substr(0, slash);
    while (parent.size() > 1 && parent.back() == '/')
        parent.pop_back();
    return parent;
}

bool Climbable(const std::string &path)
{
    const std::string name = path.substr(path.find_last_of('/') + 1);
    return !name.empty() && name != "." && name != "..";
}

} // namespace

CreatedFolders::CreatedFolders(const std::string &destination) : m_destination(destination)
{
    std::string path = destination;
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    struct stat info {};
    while (!path.empty() && Climbable(path) && ::lstat(path.c_str(), &info) != 0 && errno == ENOENT) {
        m_missing.push_back(path);
        path = Parent(path);
    }
    if (m_missing.empty()) {
        if (const HeldFolder held = HeldFolder::open(destination); held.held())
            noteEmptyBeneath(held, 0);
    }
}

void CreatedFolders::noteEmptyBeneath(const HeldFolder &folder, int depth)
{
    bool empty = false;
    const std::vector<std::string> names = FolderNames(folder, empty);
    dev_t device = 0;
    ino_t inode = 0;
    if (empty && SameDevice(folder, folder, device, inode))
        m_emptyBefore.insert({device, inode});
    if (depth >= MaxDepth)
        return;
    for (const std::string &name : names) {
        const HeldFolder inner = folder.folderBeneath(name);
        if (inner.held() && SameDevice(folder, inner, device, inode))
            noteEmptyBeneath(inner, depth + 1);
    }
}

// Takes away the empty folders beneath `folder` that were not there empty
// before, deepest first; answers whether `folder` itself is empty now.
bool CreatedFolders::pruneBeneath(const HeldFolder &folder, int depth) const
{
    bool empty = false;
    const std::vector<std::string> names = FolderNames(folder, empty);
    if (empty || depth >= MaxDepth)
        return empty;
    bool left = false;
    for (const std::string &name : names) {
        const HeldFolder inner = folder.folderBeneath(name);
        dev_t device = 0;
        ino_t inode = 0;
        // A link is not opened as a folder, and another file system is not entered.
        if (!inner.held() || !SameDevice(folder, inner, device, inode) || !pruneBeneath(inner, depth + 1)
            || m_emptyBefore.count({device, inode}) != 0 || ::unlinkat(folder.fd(), name.c_str(), AT_REMOVEDIR) != 0)
            left = true;
    }
    if (left)
        return false;
    FolderNames(folder, empty);
    return empty;
}

void CreatedFolders::removeEmpty() const
{
    if (const HeldFolder held = HeldFolder::open(m_destination); held.held())
        pruneBeneath(held, 0);
    // rmdir takes only an empty folder, and never follows a link; a folder
    // that holds anything keeps its parents too.
    for (const std::string &folder : m_missing) {
        if (::rmdir(folder.c_str()) != 0 && errno != ENOENT)
            return;
    }
}

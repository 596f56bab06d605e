#include "StagedFolder.h"

#include "HeldFolder.h"
#include "TemporaryRecord.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace unzip32 {

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
// Beyond this depth a clash of folders is not followed further: the deeper
// part counts as one clash (only a tree made beside ours meanwhile gets here).
constexpr int kMergeDepth = 64;

int removeOne(const char *path, const struct stat *, int kind, struct FTW *)
{
    // What cannot be removed stays; the walk goes on.
    (void)(kind == FTW_DP ? rmdir(path) : unlink(path));
    return 0;
}

// No link followed, nothing beyond the tree's file system.
void removeTree(const std::string &path) { nftw(path.c_str(), removeOne, 16, FTW_DEPTH | FTW_PHYS | FTW_MOUNT); }

// The tree `name` in the folder `parent`. Our own hidden folder, closed to
// others, so its paths hold still while we walk them.
void removeTreeAt(int parent, const std::string &name)
{
    if (unlinkat(parent, name.c_str(), 0) == 0 || errno != EISDIR)
        return;
    removeTree(DescriptorPath(parent) + "/" + name);
}

bool isFolderAt(int parent, const std::string &name)
{
    struct stat info {};
    return fstatat(parent, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

std::string StageName(uint64_t token)
{
    char text[32];
    std::snprintf(text, sizeof text, ".mz%016llx.stage", (unsigned long long)token);
    return text;
}

StagedFolder::~StagedFolder()
{
    // Only when the call ended without publishing (it threw): what it wrote
    // is the user's all the same.
    publish([](const std::string &) {});
}

int StagedFolder::begin(const std::string &destination, uint64_t token, unsigned mode, TemporaryRecord &record)
{
    if (const char *setting = std::getenv("MARROWLYN_STAGING"); setting && std::strcmp(setting, "0") == 0)
        return -1;
    std::filesystem::path path = std::filesystem::path(destination).lexically_normal();
    if (!path.has_filename())
        path = path.parent_path();
    const std::string name = path.filename();
    struct stat info {};
    if (name.empty() || name == "." || name == ".." || lstat(path.c_str(), &info) == 0 || errno != ENOENT)
        return -1;
    std::filesystem::path parent = path.has_parent_path() ? path.parent_path() : ".";
    std::error_code ignored;
    std::filesystem::create_directories(parent, ignored);
    int parentFd = ::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    char *resolved = parentFd >= 0 ? realpath(parent.c_str(), nullptr) : nullptr;
    // Unrecorded, a stage left by a kill would stay: then the files go in place.
    const bool usable = resolved && mkdirat(parentFd, name.c_str(), 0777) == 0;
    const std::string stage = StageName(token);
    if (usable) {
        const std::string stagePath = std::string(resolved) + (resolved[1] ? "/" : "") + stage;
        record.begin(token, stagePath);
        if (record.addPath(stagePath) && mkdirat(parentFd, stage.c_str(), 0700) == 0)
            m_stage = openat(parentFd, stage.c_str(), kFolderFlags);
        if (m_stage < 0) {
            unlinkat(parentFd, stage.c_str(), AT_REMOVEDIR);
            unlinkat(parentFd, name.c_str(), AT_REMOVEDIR);
        }
    }
    std::free(resolved);
    if (m_stage < 0) {
        if (parentFd >= 0)
            ::close(parentFd);
        return -1;
    }
    m_parent = parentFd;
    m_stageName = stage;
    m_name = name;
    m_mode = mode;
    return fcntl(m_stage, F_DUPFD_CLOEXEC, 0);
}

void StagedFolder::publish(const std::function<void(const std::string &)> &clash)
{
    if (m_parent < 0)
        return;
    fchmod(m_stage, m_mode);
    // The claimed folder is empty unless someone used it meanwhile; a rename
    // replaces only an empty folder.
    if (renameat2(m_parent, m_stageName.c_str(), m_parent, m_name.c_str(), 0) != 0) {
        int to = openat(m_parent, m_name.c_str(), kFolderFlags);
        if (to >= 0) {
            mergeInto(m_stage, to, {}, 0, clash);
            ::close(to);
            unlinkat(m_parent, m_stageName.c_str(), AT_REMOVEDIR);
        } else if (renameat2(m_parent, m_stageName.c_str(), m_parent, m_name.c_str(), RENAME_NOREPLACE) != 0) {
            clash({}); // the claimed name is no folder now: ours stays where it is
        }
    }
    release();
}

void StagedFolder::withdraw()
{
    if (m_parent < 0)
        return;
    removeTreeAt(m_parent, m_stageName);
    unlinkat(m_parent, m_name.c_str(), AT_REMOVEDIR);
    release();
}

void StagedFolder::release()
{
    ::close(m_stage);
    ::close(m_parent);
    m_stage = m_parent = -1;
}

void StagedFolder::mergeInto(int from, int to, const std::string &below, int depth,
                             const std::function<void(const std::string &)> &clash)
{
    for (const FolderEntry &entry : EntriesOf(from).value_or(std::vector<FolderEntry>{})) {
        const std::string &name = entry.name;
        if (renameat2(from, name.c_str(), to, name.c_str(), RENAME_NOREPLACE) == 0)
            continue;
        const std::string path = below.empty() ? name : below + "/" + name;
        if (errno == EEXIST && depth < kMergeDepth && isFolderAt(from, name) && isFolderAt(to, name)) {
            int innerFrom = openat(from, name.c_str(), kFolderFlags);
            int innerTo = openat(to, name.c_str(), kFolderFlags);
            if (innerFrom >= 0 && innerTo >= 0)
                mergeInto(innerFrom, innerTo, path, depth + 1, clash);
            if (innerFrom >= 0)
                ::close(innerFrom);
            if (innerTo >= 0)
                ::close(innerTo);
            if (unlinkat(from, name.c_str(), AT_REMOVEDIR) == 0)
                continue;
        }
        removeTreeAt(from, name);
        clash(path);
    }
}

void RemoveStageTree(const std::string &path)
{
    struct stat info {};
    if (lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == geteuid())
        removeTree(path);
}

} // namespace unzip32

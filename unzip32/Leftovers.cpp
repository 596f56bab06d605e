#include "Leftovers.h"

#include <cstdint>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace unzip32 {

namespace {

// A named temporary file is locked by its writer a moment after it is
// created; one changed less than a second ago may be in that moment.
bool settled(const struct stat &info)
{
    struct timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    int64_t age = (int64_t(now.tv_sec) - info.st_ctim.tv_sec) * 1000000000 + (now.tv_nsec - info.st_ctim.tv_nsec);
    return age > 1000000000;
}

} // namespace

bool IsTemporaryName(const std::string &name)
{
    if (name.size() < 3 + 16 + 1 + 5 || name.compare(0, 3, ".mz") != 0 || name[19] != '-'
        || name.compare(name.size() - 5, 5, ".part") != 0)
        return false;
    for (size_t i = 3; i < 19; ++i) {
        char c = name[i];
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return true;
}

void LeftoverCleaner::madeFolder(const std::string &key)
{
    std::lock_guard lock(m_mutex);
    m_done.insert(key);
}

void LeftoverCleaner::clean(int fd, const std::string &key)
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_done.insert(key).second)
            return;
    }
    int listing = openat(fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0)
        return;
    DIR *dir = fdopendir(listing);
    if (!dir) {
        ::close(listing);
        return;
    }
    std::vector<std::string> found;
    while (struct dirent *item = readdir(dir)) {
        if (IsTemporaryName(item->d_name))
            found.emplace_back(item->d_name);
    }
    closedir(dir);
    for (const std::string &name : found) {
        struct stat info {};
        if (fstatat(fd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 || !settled(info))
            continue;
        if (S_ISLNK(info.st_mode)) {
            unlinkat(fd, name.c_str(), 0);
            continue;
        }
        if (!S_ISREG(info.st_mode))
            continue;
        int file = openat(fd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (file < 0)
            continue;
        // A lock we can take is one no live writer holds.
        if (flock(file, LOCK_EX | LOCK_NB) == 0)
            unlinkat(fd, name.c_str(), 0);
        ::close(file);
    }
}

} // namespace unzip32

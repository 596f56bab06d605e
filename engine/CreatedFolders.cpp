#include "CreatedFolders.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

CreatedFolders::CreatedFolders(const std::string &destination)
{
    std::string path = destination;
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    struct stat info {};
    while (!path.empty() && Climbable(path) && ::lstat(path.c_str(), &info) != 0 && errno == ENOENT) {
        m_missing.push_back(path);
        path = Parent(path);
    }
}

void CreatedFolders::removeEmpty() const
{
    // rmdir takes only an empty folder, and never follows a link; a folder
    // that holds anything keeps its parents too.
    for (const std::string &folder : m_missing) {
        if (::rmdir(folder.c_str()) != 0 && errno != ENOENT)
            return;
    }
}

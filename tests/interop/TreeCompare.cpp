#include "TreeCompare.h"

#include "TempDir.h"

#include <cstdio>
#include <iterator>
#include <map>
#include <set>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

struct Item {
    bool folder;
    timespec mtime;
    mode_t mode;
    ino_t inode;
    nlink_t links;
};

// Relative names, folders with a trailing "/"; links are taken as they are, never followed.
std::map<std::string, Item> listing(const fs::path &root)
{
    std::map<std::string, Item> items;
    for (const auto &entry : fs::recursive_directory_iterator(root)) {
        struct stat info {};
        lstat(entry.path().c_str(), &info);
        bool folder = S_ISDIR(info.st_mode);
        // lexically: fs::relative would resolve a link to its target's name
        items[entry.path().lexically_relative(root).string() + (folder ? "/" : "")]
            = {folder, info.st_mtim, info.st_mode, info.st_ino, info.st_nlink};
    }
    return items;
}

// A restored mode passes through the umask, and its owner may always read and write (and enter).
mode_t restoredMode(mode_t source)
{
    const mode_t mask = umask(0);
    umask(mask);
    return (source & 07777 & ~mask) | (S_ISDIR(source) ? 0700 : 0600);
}

std::string octal(mode_t mode)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04o", unsigned(mode & 07777));
    return text;
}

// What a name is beyond its bytes and time: a link's target, a file's mode.
void compareKind(const fs::path &source, const fs::path &out, const std::string &name, const Item &want,
                 const Item &got, bool modes, std::vector<std::string> &differences)
{
    if (S_ISLNK(want.mode) != S_ISLNK(got.mode)) {
        differences.push_back(std::string(S_ISLNK(want.mode) ? "not a link: " : "a link: ") + name);
        return;
    }
    if (S_ISLNK(want.mode)) {
        if (fs::read_symlink(source / name) != fs::read_symlink(out / name))
            differences.push_back("link target differs: " + name + " -> " + fs::read_symlink(out / name).string());
        return;
    }
    if (modes && (got.mode & 07777) != restoredMode(want.mode))
        differences.push_back("mode " + octal(got.mode) + ", not " + octal(restoredMode(want.mode)) + ": " + name);
}

// Names that are one file in the source are one file in the extraction.
void compareHardLinks(const std::map<std::string, Item> &want, const std::map<std::string, Item> &got,
                      std::vector<std::string> &differences)
{
    std::map<ino_t, std::string> first; // per source file, its first name
    for (const auto &[name, item] : want) {
        if (item.folder || item.links < 2)
            continue;
        auto [seen, isNew] = first.emplace(item.inode, name);
        auto a = got.find(seen->second), b = got.find(name);
        if (!isNew && a != got.end() && b != got.end() && a->second.inode != b->second.inode)
            differences.push_back("not one file, as in the source: " + seen->second + " and " + name);
    }
}

std::string fromHex(const std::string &hex)
{
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += char(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}

std::string timeDifference(const timespec &want, const timespec &got)
{
    long long seconds = (long long)got.tv_sec - want.tv_sec, nanos = (long long)got.tv_nsec - want.tv_nsec;
    return std::to_string(seconds) + " s" + (nanos ? " " + std::to_string(nanos) + " ns" : "");
}

// A writer that keeps no folder entries cannot give back a folder with nothing in it.
void dropEmptyFolders(std::map<std::string, Item> &items)
{
    for (auto it = items.begin(); it != items.end();) {
        bool holdsFile = false;
        for (auto below = std::next(it); below != items.end() && below->first.starts_with(it->first); ++below)
            holdsFile = holdsFile || !below->second.folder;
        it = it->second.folder && !holdsFile ? items.erase(it) : std::next(it);
    }
}

} // namespace

std::vector<std::string> TreeDifferences(const fs::path &source, const fs::path &out, const CorpusArchive &archive)
{
    if (!fs::exists(out))
        return {"nothing was extracted"};
    std::map<std::string, Item> want = listing(source), got = listing(out);
    if (!archive.emptyDirs)
        dropEmptyFolders(want);
    std::set<std::string> added; // the writer's own names and their folders
    for (const auto &[name, hex] : archive.extra) {
        added.insert(name);
        for (size_t slash = name.find('/'); slash != std::string::npos; slash = name.find('/', slash + 1))
            added.insert(name.substr(0, slash + 1));
    }

    std::vector<std::string> differences;
    for (const auto &[name, hex] : archive.extra) {
        if (!got.count(name))
            differences.push_back("missing the writer's " + name);
        else if (hex && ReadWholeFile(out / name) != fromHex(*hex))
            differences.push_back("bytes differ: " + name);
    }
    for (const auto &[name, item] : want) {
        auto found = got.find(name);
        if (found == got.end()) {
            differences.push_back("missing: " + name);
            continue;
        }
        if (found->second.folder != item.folder) {
            differences.push_back("file and folder mixed up: " + name);
            continue;
        }
        compareKind(source, out, name, item, found->second, archive.modes, differences);
        if (S_ISLNK(item.mode))
            continue;
        if (!item.folder && ReadWholeFile(out / name) != ReadWholeFile(source / name))
            differences.push_back("bytes differ: " + name);
        const timespec &t = found->second.mtime;
        if ((item.folder ? archive.dirTimes : archive.fileTimes)
            && (t.tv_sec != item.mtime.tv_sec || t.tv_nsec != item.mtime.tv_nsec))
            differences.push_back("modification time differs by " + timeDifference(item.mtime, t) + ": " + name);
    }
    for (const auto &[name, item] : got)
        if (!want.count(name) && !added.count(name))
            differences.push_back("unexpected: " + name);
    if (archive.hardLinks)
        compareHardLinks(want, got, differences);
    return differences;
}

#include "TemporaryRecord.h"

#include "StagedFolder.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace unzip32 {

namespace {

// Far beyond what a call writes (a hundred bytes per replaced file): a larger
// record is not one of ours and is dropped unread.
constexpr off_t kRecordLimit = off_t(64) << 20;
constexpr char kRecordSuffix[] = ".list";

std::string hexToken(uint64_t token)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", (unsigned long long)token);
    return text;
}

// XDG's state folder, else its default below the home folder; a relative
// setting is invalid there and ignored.
std::string stateFolder()
{
    const char *state = std::getenv("XDG_STATE_HOME");
    if (state && state[0] == '/')
        return std::string(state) + "/marrowlyn/temporaries";
    const char *home = std::getenv("HOME");
    if (home && home[0] == '/')
        return std::string(home) + "/.local/state/marrowlyn/temporaries";
    return {};
}

bool makeFolders(const std::string &path)
{
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        std::string part = path.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            return true;
    }
}

bool isHex(const std::string &text, size_t from, size_t count)
{
    for (size_t i = from; i < from + count; ++i) {
        char c = text[i];
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return true;
}

// "<16 hex>.list": the token of the call the record belongs to, or empty.
std::string recordToken(const std::string &name)
{
    if (name.size() != 16 + sizeof kRecordSuffix - 1 || name.compare(16, std::string::npos, kRecordSuffix) != 0
        || !isHex(name, 0, 16))
        return {};
    return name.substr(0, 16);
}

bool digitsThen(const std::string &text, size_t &at, const char *then)
{
    size_t start = at;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9')
        ++at;
    std::string rest(then);
    if (at == start || text.compare(at, rest.size(), rest) != 0)
        return false;
    at += rest.size();
    return true;
}

// Exactly a name TemporaryName gives with this token.
bool isTemporaryOf(const std::string &name, const std::string &token)
{
    std::string prefix = ".mz" + token + "-";
    size_t at = prefix.size();
    return name.compare(0, prefix.size(), prefix) == 0 && digitsThen(name, at, "-") && digitsThen(name, at, ".part")
        && at == name.size();
}

void removeListed(const std::string &path, const std::string &token)
{
    size_t slash = path.rfind('/');
    const std::string name = path.substr(slash + 1);
    const bool stage = name == StageName(std::strtoull(token.c_str(), nullptr, 16));
    if (path.empty() || path[0] != '/' || !(stage || isTemporaryOf(name, token)))
        return;
    // Recorded without links; a folder of the path that has become one since
    // leads elsewhere.
    std::string folder = slash ? path.substr(0, slash) : "/";
    char *real = realpath(folder.c_str(), nullptr);
    bool same = real && folder == real;
    std::free(real);
    struct stat info {};
    if (!same)
        return;
    if (stage)
        RemoveStageTree(path);
    else if (lstat(path.c_str(), &info) == 0 && (S_ISREG(info.st_mode) || S_ISLNK(info.st_mode)))
        unlink(path.c_str());
}

void removeAllListed(int record, off_t size, const std::string &token)
{
    std::string text(size_t(size), '\0');
    ssize_t got = pread(record, text.data(), text.size(), 0);
    if (got <= 0)
        return;
    text.resize(size_t(got));
    // Each path ends with a NUL; an unended last one was cut by a kill.
    for (size_t start = 0, end; (end = text.find('\0', start)) != std::string::npos; start = end + 1)
        removeListed(text.substr(start, end - start), token);
}

void removeLeftoversOfDeadCalls(const std::string &folder)
{
    DIR *dir = opendir(folder.c_str());
    if (!dir)
        return;
    std::vector<std::string> records;
    while (struct dirent *item = readdir(dir)) {
        if (!recordToken(item->d_name).empty())
            records.emplace_back(item->d_name);
    }
    int dirFd = dirfd(dir);
    for (const std::string &name : records) {
        int record = openat(dirFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (record < 0)
            continue;
        // A lock we can take is one no live call holds; a record unlinked
        // meanwhile was taken care of by another call.
        struct stat info {};
        if (flock(record, LOCK_EX | LOCK_NB) == 0 && fstat(record, &info) == 0 && info.st_nlink > 0
            && S_ISREG(info.st_mode) && info.st_uid == geteuid()) {
            if (info.st_size <= kRecordLimit)
                removeAllListed(record, info.st_size, recordToken(name));
            unlinkat(dirFd, name.c_str(), 0);
        }
        ::close(record);
    }
    closedir(dir);
}

} // namespace

std::string TemporaryName(uint64_t token, unsigned worker, uint64_t n)
{
    return ".mz" + hexToken(token) + "-" + std::to_string(worker) + "-" + std::to_string(n) + ".part";
}

TemporaryRecord::~TemporaryRecord()
{
    // Every temporary was renamed into place or removed by now.
    if (m_fd >= 0) {
        unlink(m_path.c_str());
        ::close(m_fd);
    }
}

void TemporaryRecord::begin(uint64_t token, const std::string &destination)
{
    m_token = token;
    m_destination = destination;
    m_folder = stateFolder();
    if (!m_folder.empty())
        removeLeftoversOfDeadCalls(m_folder);
}

bool TemporaryRecord::open()
{
    if (m_failed || m_folder.empty() || m_destination.empty())
        return false;
    m_path = m_folder + "/" + hexToken(m_token) + kRecordSuffix;
    for (int attempt = 0; attempt < 3 && m_fd < 0; ++attempt) {
        const int flags = O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_NOFOLLOW | O_CLOEXEC;
        int fd = ::open(m_path.c_str(), flags, 0600);
        if (fd < 0 && errno == ENOENT && makeFolders(m_folder))
            fd = ::open(m_path.c_str(), flags, 0600);
        if (fd < 0)
            break;
        // Between its making and our lock, another call may have taken the
        // empty record for a dead call's and removed it: then again.
        struct stat info {};
        if (flock(fd, LOCK_EX) == 0 && fstat(fd, &info) == 0 && info.st_nlink > 0)
            m_fd = fd;
        else
            ::close(fd);
    }
    m_failed = m_fd < 0;
    return !m_failed;
}

void TemporaryRecord::add(const std::string &folder, const std::string &name)
{
    std::string path = m_destination;
    if (path != "/")
        path += '/';
    if (!folder.empty())
        path += folder + '/';
    addPath(path + name);
}

bool TemporaryRecord::addPath(std::string path)
{
    path += '\0';
    std::lock_guard lock(m_mutex);
    if (m_fd < 0 && !open())
        return false;
    // One write with O_APPEND: a kill cuts at most this path's end.
    return ::write(m_fd, path.data(), path.size()) == ssize_t(path.size());
}

} // namespace unzip32

#include "FuzzSandbox.h"

#include "CentralDirectory.h"

#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace fs = std::filesystem;

namespace fuzz {

namespace {

const char kSentinelText[] = "the sentinel beside the destination";

std::string baseFolder()
{
    // tmpfs when there is one: thousands of runs a second create and remove files.
    const char *root = std::getenv("MARROWLYN_FUZZ_TMP");
    std::string parent = root ? root : (fs::is_directory("/dev/shm") ? "/dev/shm" : fs::temp_directory_path().string());
    std::string pattern = parent + "/marrowlyn-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data()))
        Finding("cannot make the sandbox folder");
    return pattern;
}

std::string readAll(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Where a link leads. A target the system cannot follow (a name too long for
// it, a loop) is judged by its text alone, which must then stay inside too.
fs::path resolvedLink(const fs::path &link)
{
    std::error_code ec;
    fs::path target = fs::read_symlink(link, ec);
    if (ec)
        Finding("a link that cannot be read: " + link.string());
    fs::path joined = link.parent_path() / target;
    fs::path resolved = fs::weakly_canonical(joined, ec);
    return ec ? joined.lexically_normal() : resolved;
}

bool isTemporaryName(const std::string &name)
{
    return name.rfind(".mz", 0) == 0 && name.size() > 5 && name.compare(name.size() - 5, 5, ".part") == 0;
}

// A temporary's name carries its call's random token, which no archive can
// know: a name of that form that the archive holds is one of its entries.
bool leftBehind(const std::string &name, const std::string &archive)
{
    return isTemporaryName(name) && archive.find(name) == std::string::npos;
}

} // namespace

void Finding(const std::string &what)
{
    std::fprintf(stderr, "FINDING: %s\n", what.c_str());
    std::abort();
}

Sandbox::Sandbox()
    : m_base(baseFolder()), m_archive(m_base + "/in.zip"), m_sentinel(m_base + "/sentinel.txt"),
      m_destination(m_base + "/out"), m_records(m_base + "/state/marrowlyn/temporaries")
{
    std::ofstream(m_sentinel) << kSentinelText;
    // The engine's record of temporary names goes here, not into the home.
    setenv("XDG_STATE_HOME", (m_base + "/state").c_str(), 1);
}

const std::string &Sandbox::writeArchive(const uint8_t *data, size_t size)
{
    std::ofstream out(m_archive, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(data), std::streamsize(size));
    return m_archive;
}

void Sandbox::checkAndClean()
{
    std::error_code ec;
    for (const auto &item : fs::directory_iterator(m_base, ec)) {
        std::string name = item.path().filename().string();
        if (name != "in.zip" && name != "sentinel.txt" && name != "out" && name != "state")
            Finding("written outside the destination: " + item.path().string());
    }
    if (readAll(m_sentinel) != kSentinelText)
        Finding("the sentinel beside the destination was changed");
    if (fs::is_symlink(fs::symlink_status(m_destination, ec)))
        Finding("the destination itself was replaced by a link");
    // A call that returned has removed its record of temporary names.
    if (!fs::is_empty(m_records, ec) && !ec)
        Finding("a record of temporary names was left behind");
    std::string root = m_destination + "/", archive = readAll(m_archive);
    for (auto it = fs::recursive_directory_iterator(m_destination, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        const fs::path &path = it->path();
        if (leftBehind(path.filename().string(), archive))
            Finding("a temporary file was left behind: " + path.string());
        if (it->is_symlink(ec)) {
            fs::path resolved = resolvedLink(path);
            if ((resolved.string() + "/").rfind(root, 0) != 0)
                Finding("a link leads outside the destination: " + path.string() + " -> " + resolved.string());
        }
    }
    fs::remove_all(m_destination, ec);
}

int OpenDescriptors()
{
    int count = 0;
    if (DIR *dir = opendir("/proc/self/fd")) {
        while (readdir(dir))
            ++count;
        closedir(dir);
    }
    return count;
}

uint64_t DeclaredSize(const std::string &archivePath)
{
    int fd = ::open(archivePath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    unzip32::CentralDirectory directory;
    std::string reason;
    uint64_t total = 0;
    if (unzip32::ReadCentralDirectory(fd, directory, reason)) {
        for (const auto &entry : directory.entries)
            total += std::min<uint64_t>(entry.size, UINT64_MAX - total);
    }
    ::close(fd);
    return total;
}

} // namespace fuzz

// The one door for names that come from outside: an entry's name, an archive
// file's name, a part's name, a path handed over the socket. Such a name is
// data, never a path to join: it is opened beneath a folder held by its
// descriptor, one component at a time, refusing "..", a leading "/", and any
// symbolic link on the way or at the end. What was opened is what is used
// afterwards (by descriptor), so nothing can be swapped in between.
//
// Qt-free on purpose: every layer, the engine library included, may use it.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class HeldFolder {
public:
    HeldFolder() = default;
    HeldFolder(HeldFolder &&other) noexcept;
    HeldFolder &operator=(HeldFolder &&other) noexcept;
    HeldFolder(const HeldFolder &) = delete;
    HeldFolder &operator=(const HeldFolder &) = delete;
    ~HeldFolder();

    // A folder the user chose (the output folder, an archive's own folder):
    // its path is trusted, so links on it are followed. Empty (check `held()`)
    // with errno set when it is no folder or cannot be opened.
    static HeldFolder open(const std::string &path);
    // Takes over an open descriptor of a folder.
    static HeldFolder adopt(int fd);

    bool held() const { return m_fd >= 0; }
    int fd() const { return m_fd; }

    // Opens `relative` ("a/b/c.zip", a name from outside) beneath this folder
    // with `flags` (O_CLOEXEC and O_NOFOLLOW are added). -1 with errno when a
    // component is "..", the name is absolute or empty, or a link is met
    // (ELOOP / EXDEV as the kernel would say it).
    int openBeneath(std::string_view relative, int flags, mode_t mode = 0) const;
    // The folder `relative` beneath this one, held in turn.
    HeldFolder folderBeneath(std::string_view relative) const;
    // A regular file beneath this folder, opened read-only (O_NONBLOCK, so a
    // FIFO put in its place cannot hang the caller); -1 with errno (EINVAL
    // for anything but a regular file).
    int openRegularFile(std::string_view relative) const;

    // The path of this folder as the kernel sees it now ("/proc/self/fd/N"
    // resolved), for messages and for programs that take paths.
    std::string currentPath() const;

private:
    explicit HeldFolder(int fd) : m_fd(fd) {}
    int m_fd = -1;
};

// True for a name that is safe as one entry of a folder: not empty, not "."
// or "..", no "/" and no NUL.
bool IsPlainName(std::string_view name);

// `name` as one folder entry: "/" and NUL become "_", and "", "." and ".."
// become "_" (so a file called "...zip" never names the parent folder).
std::string PlainNameOf(std::string_view name);

// "/proc/self/fd/N": hands what a descriptor holds to code that takes paths,
// without going through any name again.
std::string DescriptorPath(int fd);

// True when the descriptor is open on a regular file (checked with fstat on
// the descriptor itself, not on a name).
bool IsRegularFile(int fd);

// The entries of the folder open on `folderFd` ("." and ".." left out), each
// with the type the directory gives (DT_DIR, DT_UNKNOWN, ...: a hint, to be
// checked when the entry is opened). Nothing when it cannot be read.
struct FolderEntry {
    std::string name;
    unsigned char type;
};
std::optional<std::vector<FolderEntry>> EntriesOf(int folderFd);

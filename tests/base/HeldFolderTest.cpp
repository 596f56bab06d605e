#include "HeldFolder.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

// Every way a name from outside might lead out of the folder it is opened in
// is refused; a plain name beneath it opens.
TEST(HeldFolder, OpensOnlyWhatLiesBeneathWithoutLinks)
{
    TempDir dir;
    dir.write("out/a/b/inner.zip", "inner");
    dir.write("victim/precious.zip", "precious");
    fs::create_symlink("../victim", dir / "out/up");
    fs::create_symlink("../victim/precious.zip", dir / "out/link.zip");
    ::mkfifo((dir / "out/fifo.zip").c_str(), 0600);
    const HeldFolder out = HeldFolder::open((dir / "out").string());
    ASSERT_TRUE(out.held());
    const std::string absolute = (dir / "victim/precious.zip").string();

    struct Case {
        const char *name;
        bool opens;
    } cases[] = {
        {"a/b/inner.zip", true},
        {"./a//b/inner.zip", true},
        {"../victim/precious.zip", false},
        {"a/../../victim/precious.zip", false},
        {"a/b/../../../victim/precious.zip", false},
        {absolute.c_str(), false},  // absolute
        {"up/precious.zip", false}, // a link on the way
        {"link.zip", false},        // a link at the end
        {"fifo.zip", false},        // no regular file, and no hang
        {"", false},
        {"missing.zip", false},
    };
    for (const Case &c : cases) {
        const int fd = out.openRegularFile(c.name);
        EXPECT_EQ(fd >= 0, c.opens) << c.name;
        if (fd >= 0)
            ::close(fd);
    }
}

TEST(HeldFolder, NamesOfDotsAndSlashesBecomeOnePlainEntry)
{
    struct Case {
        const char *name, *plain;
    } cases[] = {{"..", "_"}, {".", "_"}, {"", "_"}, {"a/b", "a_b"}, {"...", "..."}, {"photos", "photos"}};
    for (const Case &c : cases) {
        EXPECT_EQ(PlainNameOf(c.name), c.plain) << c.name;
        EXPECT_TRUE(IsPlainName(PlainNameOf(c.name))) << c.name;
    }
    EXPECT_FALSE(IsPlainName(".."));
    EXPECT_FALSE(IsPlainName("a/b"));
}

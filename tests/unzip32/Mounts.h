// A small file system of the test's own (tmpfs), for faults that need one:
// a full disk, a read-only destination. Mounting needs root; without it the
// test skips with the reason.
#pragma once

#include <filesystem>
#include <string>

class TestMount {
public:
    // Mounts a tmpfs of `size` (as mount(8) writes it, e.g. "1m") at `where`.
    TestMount(const std::filesystem::path &where, const std::string &size);
    ~TestMount();
    TestMount(const TestMount &) = delete;
    TestMount &operator=(const TestMount &) = delete;

    bool mounted() const { return m_mounted; }
    const std::string &whyNot() const { return m_whyNot; }
    bool makeReadOnly();

private:
    std::filesystem::path m_where;
    std::string m_options, m_whyNot;
    bool m_mounted = false;
};

#include "Mounts.h"

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

TestMount::TestMount(const std::filesystem::path &where, const std::string &size)
    : m_where(where), m_options("size=" + size + ",mode=0755")
{
    std::filesystem::create_directories(where);
    if (mount("tmpfs", where.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, m_options.c_str()) == 0)
        m_mounted = true;
    else
        m_whyNot = std::string("cannot mount a tmpfs here (") + std::strerror(errno) + "); needs root";
}

TestMount::~TestMount()
{
    if (m_mounted)
        umount2(m_where.c_str(), MNT_DETACH);
}

bool TestMount::makeReadOnly()
{
    return mount(nullptr, m_where.c_str(), nullptr, MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV, m_options.c_str())
        == 0;
}

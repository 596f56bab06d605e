#include "TempDir.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

TempDir::TempDir()
{
    std::string pattern = (fs::temp_directory_path() / "marrowlyn-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    m_path = pattern;
}

TempDir::~TempDir()
{
    std::error_code ec;
    // Tests may leave read-only folders behind; make them writable so removal works.
    for (auto it = fs::recursive_directory_iterator(m_path, fs::directory_options::skip_permission_denied, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (it->is_directory(ec) && !it->is_symlink(ec))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::remove_all(m_path, ec);
}

fs::path TempDir::write(const std::string &relative, const std::string &content) const
{
    fs::path target = m_path / relative;
    fs::create_directories(target.parent_path());
    std::ofstream out(target, std::ios::binary);
    out << content;
    return target;
}

std::string ReadWholeFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string TempDir::read(const std::string &relative) const { return ReadWholeFile(m_path / relative); }

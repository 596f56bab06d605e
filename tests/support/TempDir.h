// A fresh, empty folder for one test, removed with everything in it afterwards.
#pragma once

#include <filesystem>
#include <string>

// Every byte of a file; empty when it cannot be read.
std::string ReadWholeFile(const std::filesystem::path &path);

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::filesystem::path &path() const { return m_path; }
    std::string str() const { return m_path.string(); }
    std::filesystem::path operator/(const std::string &name) const { return m_path / name; }

    // Writes `content` to `relative` (folders created) and returns its full path.
    std::filesystem::path write(const std::string &relative, const std::string &content) const;
    std::string read(const std::string &relative) const;

private:
    std::filesystem::path m_path;
};

// Points the engine's state folder into a test's own folder, and back.
#pragma once

#include "TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

class StateFolder {
public:
    explicit StateFolder(const std::filesystem::path &home) : m_records(home / "marrowlyn/temporaries")
    {
        if (const char *old = std::getenv("XDG_STATE_HOME"))
            m_old = old;
        setenv("XDG_STATE_HOME", home.c_str(), 1);
    }
    ~StateFolder()
    {
        if (m_old.empty())
            unsetenv("XDG_STATE_HOME");
        else
            setenv("XDG_STATE_HOME", m_old.c_str(), 1);
    }

    // A record as a call writes it, each path ended by a NUL.
    std::filesystem::path write(const std::string &token, const std::vector<std::filesystem::path> &paths) const
    {
        std::string text;
        for (const std::filesystem::path &path : paths)
            text += path.string() + '\0';
        std::filesystem::create_directories(m_records);
        std::filesystem::path record = m_records / (token + ".list");
        std::ofstream(record, std::ios::binary) << text;
        return record;
    }
    // The records there, by name, with their contents.
    std::map<std::string, std::string> records() const
    {
        std::map<std::string, std::string> found;
        std::error_code ec;
        for (const auto &item : std::filesystem::directory_iterator(m_records, ec))
            found[item.path().filename().string()] = ReadWholeFile(item.path());
        return found;
    }

private:
    std::string m_old;
    std::filesystem::path m_records;
};

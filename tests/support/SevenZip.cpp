#include "SevenZip.h"

#include <cstdlib>

bool Have7zz() { return std::system("command -v 7zz >/dev/null 2>&1") == 0; }

bool Run7zz(const std::filesystem::path &folder, const std::string &method, const std::string &arguments)
{
    std::string command = "cd '" + folder.string() + "' && 7zz a -tzip -mm=" + method + " -bd -bso0 -bsp0 " + arguments;
    return std::system(command.c_str()) == 0;
}

std::vector<LocalEntry> LocalEntries(const std::filesystem::path &archive)
{
    const std::string bytes = ReadWholeFile(archive);
    auto get = [&](size_t at, int n) {
        uint32_t v = 0;
        for (int i = n - 1; i >= 0; --i)
            v = v << 8 | uint8_t(bytes[at + size_t(i)]);
        return v;
    };
    std::vector<LocalEntry> entries;
    for (size_t at = 0; at + 30 <= bytes.size() && get(at, 4) == 0x04034b50;) {
        size_t data = at + 30 + get(at + 26, 2) + get(at + 28, 2), size = get(at + 18, 4);
        if (data + size > bytes.size())
            break;
        entries.push_back({uint16_t(get(at + 8, 2)), bytes.substr(data, size)});
        at = data + size;
    }
    return entries;
}

bool ShellIn(const std::filesystem::path &folder, const std::string &command)
{
    const std::string line = "cd '" + folder.string() + "' && { " + command + " ; } >/dev/null 2>&1";
    return std::system(line.c_str()) == 0;
}

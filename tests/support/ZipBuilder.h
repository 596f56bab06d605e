// Archives made on the spot with libzip, for tests that need ordinary ZIP files.
#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// libzip 1.7.3 on Debian writes only the first three; an archive with an
// entry of the others is written by RawZipWriter instead (no AES there).
enum class ZipMethod { Store, Deflate, Bzip2, Lzma, Xz, Zstd };

// Every member has a default so that {"name", "data"} and designated
// initialisers such as {.name = "x", .encrypted = true} both work.
struct ZipEntry {
    std::string name = {};
    std::string data = {};
    ZipMethod method = ZipMethod::Deflate;
    bool directory = false;                        // name may end in "/" or not
    std::optional<std::time_t> mtime = {};         // default: libzip's (now)
    std::optional<uint32_t> mode = {};             // permission bits, e.g. 0644; file type is added
    std::optional<std::string> symlinkTarget = {}; // makes a symbolic-link entry; data is ignored
    bool encrypted = false;                        // WinZip AES with the archive's password
    int aesBits = 256;                             // 128, 192 or 256
};

// Writes `file` anew. Throws std::runtime_error when libzip fails.
// A local time as the clock on the wall reads it (month 1 to 12), for entries' times.
inline std::time_t LocalTime(int year, int month, int day, int hour, int minute)
{
    std::tm when{};
    when.tm_year = year - 1900;
    when.tm_mon = month - 1;
    when.tm_mday = day;
    when.tm_hour = hour;
    when.tm_min = minute;
    when.tm_isdst = -1;
    return std::mktime(&when);
}

void MakeZip(const std::filesystem::path &file, const std::vector<ZipEntry> &entries, const std::string &password = "");

// 7-Zip's 7zz as a maker of test archives: it writes methods that nothing
// else here writes (Deflate64, PPMd), the way users' archives carry them.
#pragma once

#include "TempDir.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

bool Have7zz();
// Runs `7zz a -tzip -mm=METHOD ARGUMENTS` quietly in `folder`; true on success.
bool Run7zz(const std::filesystem::path &folder, const std::string &method, const std::string &arguments);

struct LocalEntry {
    uint16_t method;
    std::string data; // the stored bytes
};
// An archive's entries as its local headers give them, in order (7zz writes
// the sizes there); stops at the first header that is not one.
std::vector<LocalEntry> LocalEntries(const std::filesystem::path &archive);

// Runs `command` with sh in `folder`, quietly (tar, 7zz, the compressors);
// true when it succeeds.
bool ShellIn(const std::filesystem::path &folder, const std::string &command);

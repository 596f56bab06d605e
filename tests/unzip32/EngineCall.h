// Calls the engine through its C interface and records every callback.
#pragma once

#include "unzip32.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

struct ListedEntry {
    uint32_t packedSize, size;
    int32_t ratio;
    uint32_t month, day, year, hour, minute;
    std::string name, method;
    uint32_t crc;
    int32_t flags;
};

struct EngineCall {
    // Options as the program sets them: folders kept, files replaced.
    DCL options{};
    std::string archive, destination;
    std::vector<std::string> include, exclude;

    // Scripted answers.
    std::vector<std::string> passwords;   // one per request; none left = refuse
    std::vector<int32_t> replaceAnswers;  // one per question; none left = 100
    int cancelAt = -1;                    // the service callback answers cancelAnswer on this call (0-based)
    int cancelAnswer = 1;                 // 1 stops, 2 stops and withdraws
    std::function<void(int)> serviceHook; // run on each service call with its index (faults)

    // What the engine said.
    std::vector<std::string> lines, replaceAsked, passwordAsked, passwordPrompts, serviced;
    std::vector<uint64_t> packedAtService; // TotalPackedSize as each service call saw it
    std::vector<ListedEntry> listed;
    USERFUNCTIONS callbacks{};

    EngineCall(const std::string &archivePath, const std::string &destinationPath);
    int32_t run();
    bool printed(const std::string &line) const;
    bool printedStarting(const std::string &prefix) const;
};

// Every file and link below `root`, relative and sorted: what a call left.
std::vector<std::string> FilesBelow(const std::filesystem::path &root);

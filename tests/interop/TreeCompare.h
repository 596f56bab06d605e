// What an extraction left, held against the source tree it must reproduce.
#pragma once

#include "Manifest.h"

#include <filesystem>
#include <string>
#include <vector>

// Every difference, one line each: missing or unexpected names (exact UTF-8 bytes), differing
// bytes, differing modification times (of files and of folders when the writer keeps them), links'
// targets; modes and hard links when the writer keeps them. Names the writer adds are expected
// too, and compared when their bytes are known.
std::vector<std::string> TreeDifferences(const std::filesystem::path &source, const std::filesystem::path &out,
                                         const CorpusArchive &archive);

// Archives of other kinds made on the spot by their own tools (tar, 7zz,
// xorriso, gcab, cpio, the compressors) or by Python's tarfile.
#pragma once

#include <filesystem>
#include <string>

// Runs `command` with sh in `folder`; true when it succeeds.
bool RunIn(const std::filesystem::path &folder, const std::string &command);
// Runs a Python program in `folder`; true when it succeeds.
bool PythonIn(const std::filesystem::path &folder, const std::string &program);
bool HaveTool(const std::string &name);

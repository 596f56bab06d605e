// The corpus manifest written by make_corpus.py: one JSON object a line, one line an archive.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

struct CorpusArchive {
    std::string name;  // a test's name: the manifest's, or the file name without ".zip"
    std::string label; // "writer / options"
    std::filesystem::path archive, tree;
    std::optional<std::string> password;
    std::optional<std::string> skip; // why the archive could not be made here
    bool emptyDirs = true, dirTimes = true, batch = false;
    bool fileTimes = true, modes = false, hardLinks = false; // what else the writer keeps
    std::optional<std::string> expectRefusal;                // a word the engine's refusal must say
    std::vector<std::filesystem::path> parts;                // a set's files, first to last; empty for one file
    // Names the writer adds; with their exact bytes when the corpus knows them.
    std::map<std::string, std::optional<std::string>> extra;
};

// Reads the manifest; paths in it are relative to its folder. Throws on a malformed line.
std::vector<CorpusArchive> ReadManifest(const std::filesystem::path &file);

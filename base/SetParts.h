// Which files make up the archive at a path, as the engine finds them: the
// parts of a split set (NAME.zip.001, .002, ...) up to the first one missing,
// or the parts of a spanned set (NAME.z01, ..., NAME.zip) as many as the
// .zip's end record says. Only the C library is used, so the program compiles
// this file too and moves or trashes exactly what the engine read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace unzip32 {

// The end of central directory record, with its Zip64 record's values where
// it has one. Parts are counted from 0; offsets are from the start of the part.
struct EndRecord {
    uint64_t offset = 0;        // of the classic record
    uint32_t disk = 0;          // the part it lies in
    uint32_t directoryDisk = 0; // the part the directory begins in
    uint64_t count = 0;
    uint64_t directorySize = 0;
    uint64_t directoryOffset = 0;
};

// Reads `length` bytes at `offset` of the archive, all of them or false.
using ReadAt = std::function<bool(uint64_t offset, uint8_t *into, size_t length)>;

// False with a reason when the archive (`size` bytes) has no end record, or
// its Zip64 record is damaged.
bool ReadEndRecord(uint64_t size, const ReadAt &read, EndRecord &end, std::string &reason);

// 7-Zip numbers its pieces with three digits; a set of more would be absurd.
constexpr size_t kMostSplitParts = 999;

bool EndsWithNoCase(std::string_view text, std::string_view lowerEnd);
std::optional<uint64_t> RegularFileSize(const std::string &path);

// NAME.zip.001 -> NAME.zip.00N
std::string SplitPartName(const std::string &first, size_t number);
// NAME.zip -> NAME.zNN, the z in the letter case of the .zip's (or the other).
std::string SpannedPartName(const std::string &last, size_t number, bool otherCase = false);

struct FoundPart {
    std::string path;
    uint64_t size = 0;
};
// Part `number` (from 1) of the spanned set that ends in `last`, its z in the
// .zip's letter case, else in the other.
std::optional<FoundPart> FindSpannedPart(const std::string &last, size_t number);
// The split set's parts from `first` on, up to the first one missing.
std::vector<FoundPart> FindSplitParts(const std::string &first);

// Every file the engine reads for the archive at `path`, first to last;
// `path` alone for an archive in one piece (or none it can read as a set).
std::vector<std::string> FilesOfArchive(const std::string &path);

} // namespace unzip32

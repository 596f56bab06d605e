// A small ZIP writer of our own, for what libzip will not write: other
// methods, ZipCrypto, lying headers, overlapping entries and other hostile
// constructions. Every field can be set by hand; unset ones are derived.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

struct RawEntry {
    std::string name = {};                     // central directory name, raw bytes
    std::optional<std::string> localName = {}; // local header name when it must differ
    uint16_t method = 0;
    std::string data = {};                       // the stored (already compressed) bytes
    std::string plain = {};                      // the uncompressed contents: default CRC and size
    std::optional<uint32_t> crc = {};            // default: CRC-32 of plain
    std::optional<uint64_t> compressedSize = {}; // default: the bytes actually written
    std::optional<uint64_t> size = {};           // default: plain's length
    uint16_t flags = 0;                          // ORed with what the writer sets itself
    uint16_t dosTime = 0x6000;                   // 12:00:00
    uint16_t dosDate = 0x5321;                   // 2021-09-01
    uint32_t externalAttributes = 0;             // high 16 bits: Unix mode when madeBy is Unix
    uint16_t madeBy = 0x031E;                    // Unix, version 3.0
    std::string localExtra = {};
    std::string centralExtra = {};
    bool dataDescriptor = false;           // sets flag bit 3, zero sizes in the local header
    std::string zipCryptoPassword = {};    // non-empty: traditional PKWARE encryption
    std::optional<size_t> sameDataAs = {}; // point the central entry at an earlier entry's local header
};

// Entry for stored contents, and for contents compressed by `method`.
RawEntry StoredEntry(const std::string &name, const std::string &contents);
// Compresses with our own helpers for methods 0, 8, 12, 14, 93 and 95.
RawEntry CompressedEntry(const std::string &name, uint16_t method, const std::string &contents);

struct RawZip {
    std::string prefix = {}; // bytes before the archive (a stub, a self-extractor)
    std::vector<RawEntry> entries = {};
    bool zip64 = false; // force the Zip64 end records; added anyway when needed
    std::string comment = {};
};

std::string BuildRawZip(const RawZip &zip);
void WriteRawZip(const std::filesystem::path &file, const RawZip &zip);
// One stored entry of `size` zero bytes (under 4 GiB), its data left a hole:
// an archive that takes long to extract, made in an instant.
void WriteSparseZeroZip(const std::filesystem::path &file, const std::string &name, uint32_t size);

// Encrypts `data` in place with the traditional PKWARE cipher and returns the
// 12-byte header to put before it; checkByte is the byte the header ends with.
std::string ZipCryptoEncrypt(std::string &data, const std::string &password, uint8_t checkByte);

// Extra-field helpers.
std::string UnicodePathExtra(const std::string &centralName, const std::string &utf8Name); // 0x7075
std::string LittleEndian16(uint16_t value);
std::string LittleEndian32(uint32_t value);
std::string LittleEndian64(uint64_t value);

// Sets every CRC field of an archive (local headers, data descriptors are not
// touched, central directory) to zero, as some writers do for AES entries.
void ZeroCrcFields(const std::filesystem::path &file);

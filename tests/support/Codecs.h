// Compressors for making test entries on the fly, in the forms ZIP stores them.
#pragma once

#include <cstdint>
#include <string>

uint32_t Crc32Of(const std::string &data);
std::string DeflateRaw(const std::string &data);    // method 8
std::string Bzip2Compress(const std::string &data); // method 12
// Method 14: the ZIP LZMA header (version, properties size, properties) and a
// raw LZMA1 stream that ends with an end marker, so set flag bit 1.
std::string LzmaZipCompress(const std::string &data);
std::string XzCompress(const std::string &data);   // method 95
std::string ZstdCompress(const std::string &data); // method 93

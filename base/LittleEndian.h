// ZIP records are little-endian, whatever the machine.
#pragma once

#include <cstdint>
#include <string>

namespace unzip32 {

inline uint16_t get16(const uint8_t *p) { return uint16_t(p[0] | p[1] << 8); }
inline uint32_t get32(const uint8_t *p) { return uint32_t(get16(p)) | uint32_t(get16(p + 2)) << 16; }
inline uint64_t get64(const uint8_t *p) { return uint64_t(get32(p)) | uint64_t(get32(p + 4)) << 32; }

inline void put16(std::string &out, uint16_t value)
{
    out += char(value & 0xFF);
    out += char(value >> 8);
}
inline void put32(std::string &out, uint32_t value)
{
    put16(out, uint16_t(value));
    put16(out, uint16_t(value >> 16));
}
inline void put64(std::string &out, uint64_t value)
{
    put32(out, uint32_t(value));
    put32(out, uint32_t(value >> 32));
}

} // namespace unzip32

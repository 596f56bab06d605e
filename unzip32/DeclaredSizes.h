// What an entry's declared size can honestly be. A ZIP's sizes are the
// sender's word: a Zip64 field may declare 2^63 bytes for a handful of packed
// bytes, and sums of such sizes wrap. Each method has a largest expansion, so a
// declared size beyond it is a lie (a bomb, or a damaged header) that the
// entry alone pays for.
#pragma once

#include <cstdint>

namespace unzip32 {

// The most that `packedSize` bytes of `method` can decode to, generously
// rounded up; UINT64_MAX for methods the engine does not know.
uint64_t MostContentsFrom(uint16_t method, uint64_t packedSize);

// a + b, held at UINT64_MAX instead of wrapping.
inline uint64_t SaturatingAdd(uint64_t a, uint64_t b) { return a > UINT64_MAX - b ? UINT64_MAX : a + b; }

} // namespace unzip32

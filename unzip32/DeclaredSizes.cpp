#include "DeclaredSizes.h"

namespace unzip32 {

namespace {

// Output bytes per input byte at the most, by method. Deflate's best case is
// a 258-byte match in two bits (1032); Deflate64's a 65,538-byte match in 18
// bits; a zstd RLE block turns 4 bytes into 128 KiB. LZMA, PPMd and bzip2 have
// no simple bound (a range coder spends a fraction of a bit on a likely
// symbol; bzip2's run-length stages multiply): their limits are far above
// anything seen and still catch a size that only a lie can have.
uint64_t mostRatio(uint16_t method)
{
    switch (method) {
    case 0: return 1;
    case 8: return 1032;
    case 9: return 29200;
    case 20:
    case 93: return 33000;
    case 14:
    case 95: return 1u << 20;
    case 98: return 1u << 20;
    case 12: return 1u << 27;
    default: return 0;
    }
}

} // namespace

uint64_t MostContentsFrom(uint16_t method, uint64_t packedSize)
{
    uint64_t ratio = mostRatio(method);
    if (ratio == 0)
        return UINT64_MAX;
    // Headers and end markers take bytes but give none; a little slack keeps
    // tiny honest entries clear of the edge.
    uint64_t units = SaturatingAdd(packedSize, 64);
    return units > UINT64_MAX / ratio ? UINT64_MAX : units * ratio;
}

} // namespace unzip32

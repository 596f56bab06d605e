// A listing: each selected entry told to the caller as it is, nothing opened.
#include "Call.h"

#include "DeclaredSizes.h"

#include <algorithm>

namespace unzip32 {

int32_t Call::list()
{
    for (const ArchiveEntry &entry : m_archive.entries()) {
        if (!m_filter.selects(entry.normalised()))
            continue;
        const CentralEntry &c = entry.central;
        ++m_callbacks.EntryCount;
        m_callbacks.TotalSize = SaturatingAdd(m_callbacks.TotalSize, c.size);
        m_callbacks.TotalPackedSize = SaturatingAdd(m_callbacks.TotalPackedSize, c.packedSize);
        if (!m_callbacks.listEntry)
            continue;
        int32_t ratio = 0;
        if (c.size > 0 && c.packedSize < c.size)
            ratio = int32_t((c.size - c.packedSize) * 100 / c.size);
        auto saturate = [](uint64_t v) { return uint32_t(std::min<uint64_t>(v, 0xFFFFFFFFu)); };
        std::string method = MethodName(c.method);
        m_callbacks.listEntry(saturate(c.packedSize), saturate(c.size), ratio, (c.dosDate >> 5) & 0x0F,
                              c.dosDate & 0x1F, 1980 + ((c.dosDate >> 9) & 0x7F), (c.dosTime >> 11) & 0x1F,
                              (c.dosTime >> 5) & 0x3F, 0, entry.name.c_str(), method.c_str(), c.crc,
                              c.encrypted() ? 0x40 : 0);
    }
    return UZ_OK;
}

} // namespace unzip32

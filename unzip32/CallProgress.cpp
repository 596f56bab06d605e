// What the caller sees of the call's progress: the totals counted so far, and
// the service callback, which may ask the call to stop.
#include "Call.h"

#include "DeclaredSizes.h"

namespace unzip32 {

// An entry whose decoding reports how far it has got; smaller ones take a
// moment and count as soon as they are handed over.
bool Call::large(const CentralEntry &c) { return c.size > kWholeEntryLimit; }

void Call::count(const CentralEntry &c)
{
    m_countedSize = SaturatingAdd(m_countedSize, c.size);
    m_countedPacked = SaturatingAdd(m_countedPacked, c.packedSize);
}

void Call::publishTotals()
{
    m_callbacks.TotalSize = SaturatingAdd(m_countedSize, m_shared.progress.size.load());
    m_callbacks.TotalPackedSize = SaturatingAdd(m_countedPacked, m_shared.progress.packed.load());
}

bool Call::askService(const std::string &name)
{
    if (m_cancelled)
        return false;
    if (!m_callbacks.service)
        return true;
    publishTotals();
    const int32_t answer = m_callbacks.service(name.c_str(), uint32_t(name.size() + 1));
    if (answer != 1 && answer != 2)
        return true;
    // The decoders stop at their next step; the entries in progress are removed.
    m_withdrawn = answer == 2;
    m_cancelled = true;
    m_shared.cancel = true;
    return false;
}

void Call::reportMovement()
{
    if (const ArchiveEntry *entry = m_shared.progress.latest.load())
        askService(entry->name);
}

} // namespace unzip32

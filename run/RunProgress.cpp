#include "RunProgress.h"

#include "PartSets.h"
#include "common/PathHelpers.h"

#include <algorithm>
#include <sys/stat.h>

std::uint64_t WorkShare::WeightOf(const QString &archivePath)
{
    std::uint64_t size = 0;
    for (const QString &part : PartsOfSet(archivePath)) {
        struct stat info {};
        if (::stat(FileNameBytes(part).constData(), &info) == 0 && info.st_size > 0)
            size += std::uint64_t(info.st_size);
    }
    return std::max<std::uint64_t>(size, 1);
}

void WorkShare::next(std::uint64_t weight)
{
    m_done += m_weight;
    m_weight = weight;
    m_within = 0;
}

void WorkShare::within(std::uint64_t bytes) { m_within = std::min(bytes, m_weight); }

int WorkShare::percent() const
{
    if (m_total == 0)
        return 0;
    const auto share = (unsigned __int128)(m_done + m_within.load()) * 100 / m_total;
    return int(std::min<unsigned __int128>(share, 100));
}

FrameGate::FrameGate(Clock now) : m_now(now ? std::move(now) : [] { return std::chrono::steady_clock::now(); }) {}

bool FrameGate::pass(int value)
{
    if (value == m_last)
        return false;
    const auto now = m_now();
    if (m_passed && now - m_lastPass < Frame)
        return false;
    m_passed = true;
    m_lastPass = now;
    m_last = value;
    return true;
}

#include "RunProgress.h"

#include "PartSets.h"

#include <QFileInfo>

#include <algorithm>

std::uint64_t WorkShare::WeightOf(const QString &archivePath)
{
    qint64 size = 0;
    for (const QString &part : PartsOfSet(archivePath))
        size += QFileInfo(part).size();
    return std::uint64_t(std::max<qint64>(size, 1));
}

void WorkShare::next(std::uint64_t weight)
{
    m_done += m_weight;
    m_weight = weight;
    m_within = 0;
}

void WorkShare::within(std::uint64_t bytes)
{
    m_within = std::min(bytes, m_weight);
}

int WorkShare::percent() const
{
    if (m_total == 0)
        return 0;
    const auto share = (unsigned __int128)(m_done + m_within.load()) * 100 / m_total;
    return int(std::min<unsigned __int128>(share, 100));
}

FrameGate::FrameGate(Clock now)
    : m_now(now ? std::move(now) : [] { return std::chrono::steady_clock::now(); })
{
}

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

#include "EventGapMeter.h"

#include <QTimerEvent>

#include <algorithm>

void EventGapMeter::start()
{
    m_ticks.clear();
    // Enough for an hour of passes: recording must not allocate mid-run.
    m_ticks.reserve(400000);
    m_clock.start();
    m_ticks.push_back(0);
    m_timer = startTimer(10, Qt::PreciseTimer);
}

void EventGapMeter::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_timer)
        m_ticks.push_back(m_clock.nsecsElapsed());
}

GapFigures EventGapMeter::stop()
{
    m_ticks.push_back(m_clock.nsecsElapsed());
    killTimer(m_timer);
    m_timer = 0;

    GapFigures figures;
    figures.passes = qsizetype(m_ticks.size()) - 2;
    std::vector<qint64> gaps;
    gaps.reserve(m_ticks.size());
    qint64 longest = -1;
    for (size_t i = 1; i < m_ticks.size(); ++i) {
        const qint64 gap = m_ticks[i] - m_ticks[i - 1];
        gaps.push_back(gap);
        if (gap > longest) {
            longest = gap;
            figures.maxAtS = double(m_ticks[i]) / 1e9;
        }
        if (gap > 100'000'000)
            ++figures.over100;
    }
    std::sort(gaps.begin(), gaps.end());
    const auto at = [&gaps](double fraction) {
        return double(gaps[std::min(gaps.size() - 1, size_t(fraction * double(gaps.size())))]) / 1e6;
    };
    figures.maxMs = double(gaps.back()) / 1e6;
    figures.p99Ms = at(0.99);
    figures.medianMs = at(0.5);
    return figures;
}

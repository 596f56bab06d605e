// Measures how long the window thread goes without serving its events: a
// precise 10 ms timer on that thread notes the time of every pass it gets,
// and the gaps between passes are what a user would feel as a frozen window.
#pragma once

#include <QElapsedTimer>
#include <QObject>

#include <vector>

struct GapFigures {
    qsizetype passes = 0; // timer passes seen
    double maxMs = 0;     // longest gap
    double p99Ms = 0;     // 99th percentile of the gaps
    double medianMs = 0;
    qsizetype over100 = 0; // gaps longer than 100 ms
    double maxAtS = 0;     // when the longest gap ended, from the start
};

class EventGapMeter : public QObject {
public:
    // Starts counting from now; the first gap runs from here to the first pass.
    void start();
    // Ends the measurement; the last gap runs from the last pass to now, so
    // call it from an event-loop pass after the measured work has returned.
    GapFigures stop();

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    QElapsedTimer m_clock;
    std::vector<qint64> m_ticks; // nanoseconds since start
    int m_timer = 0;
};

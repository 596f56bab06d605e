// How far a run has got, as the share of its work done: by bytes, every
// archive weighing its size and, while it is extracted, counting the
// compressed bytes the engine has got through. And a gate that lets the
// window's bar be redrawn at most once a frame.
#pragma once

#include <QString>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>

class WorkShare {
public:
    // An archive's weight: its size, at least one byte, so that empty and
    // missing files still count as a step of the run.
    static std::uint64_t WeightOf(const QString &archivePath);

    explicit WorkShare(std::uint64_t totalWeight) : m_total(totalWeight) {}

    // Rows added while the run goes on join it: the whole grows.
    void grow(std::uint64_t weight) { m_total += weight; }
    // The archive now in work, and its weight; the one before it counts
    // whole, however it ended.
    void next(std::uint64_t weight);
    // Its bytes done so far; safe from the thread that extracts it.
    void within(std::uint64_t bytes);
    // 0 to 100, never past 100 however the files changed meanwhile.
    int percent() const;

private:
    std::uint64_t m_total;
    std::uint64_t m_done = 0;
    std::uint64_t m_weight = 0;
    std::atomic<std::uint64_t> m_within{0};
};

class FrameGate {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    static constexpr std::chrono::milliseconds Frame{16};

    explicit FrameGate(Clock now = {});
    // True when `value` differs from the last one let through and a frame
    // has passed since then; the caller then shows it.
    bool pass(int value);
    // The value shown by other means (a new archive's start).
    void shown(int value) { m_last = value; }

private:
    Clock m_now;
    std::chrono::steady_clock::time_point m_lastPass{};
    bool m_passed = false;
    int m_last = -1;
};

// The carry-less range decoder of PPMd variant I. The encoder never lets a
// carry reach bytes it has written: when the range gets small and would
// straddle a top-byte boundary it is cut to the part below the boundary. The
// decoder mirrors that, so its low end is tracked as well as the code.
#pragma once

#include <cstddef>
#include <cstdint>

namespace unzip32::ppmd {

// Hands the decoder its input piece by piece.
class ByteFeed {
public:
    virtual ~ByteFeed() = default;
    // Points [next, end) at the next piece; false at the end or on failure.
    virtual bool more(const uint8_t *&next, const uint8_t *&end) = 0;
};

class RangeDecoder {
public:
    explicit RangeDecoder(ByteFeed &feed) : m_feed(feed) {}

    // False when the first four bytes cannot be a stream's start.
    bool start()
    {
        m_low = 0;
        m_range = 0xFFFFFFFF;
        m_code = 0;
        for (int i = 0; i < 4; i++)
            m_code = (m_code << 8) | nextByte();
        return m_code < 0xFFFFFFFF;
    }

    // Where the code lies among `total` equal steps. A total larger than the
    // range (only a damaged stream gets there) answers past the end.
    uint32_t threshold(uint32_t total)
    {
        m_range /= total;
        if (m_range == 0) {
            m_broken = true;
            m_range = 1;
            return total;
        }
        return m_code / m_range;
    }
    uint32_t binaryThreshold(unsigned bits)
    {
        m_range >>= bits;
        return m_code / m_range;
    }

    void decode(uint32_t start, uint32_t size)
    {
        start *= m_range;
        m_low += start;
        m_code -= start;
        m_range *= size;
        normalize();
    }

    // True once the decoder read past the end of its input or met a range
    // that no encoder can make.
    bool damaged() const { return m_overrun || m_broken; }

private:
    static constexpr uint32_t kTop = 1u << 24, kBottom = 1u << 15;

    void normalize()
    {
        for (;;) {
            if ((m_low ^ (m_low + m_range)) >= kTop) {
                if (m_range >= kBottom)
                    return;
                m_range = (0 - m_low) & (kBottom - 1);
            }
            m_code = (m_code << 8) | nextByte();
            m_range <<= 8;
            m_low <<= 8;
        }
    }

    uint8_t nextByte()
    {
        if (m_next == m_end && !refill())
            return 0;
        return *m_next++;
    }

    bool refill()
    {
        if (!m_overrun && m_feed.more(m_next, m_end) && m_next != m_end)
            return true;
        m_overrun = true;
        return false;
    }

    ByteFeed &m_feed;
    const uint8_t *m_next = nullptr, *m_end = nullptr;
    uint32_t m_low = 0, m_range = 0, m_code = 0;
    bool m_overrun = false, m_broken = false;
};

} // namespace unzip32::ppmd

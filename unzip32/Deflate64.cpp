#include "Deflate64.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace unzip32 {

namespace {

// A lookup table entry:
//   bits 0-7    bits to drop: the code's own and its extra bits; for a link
//               to a sub-table, the root's bits
//   bits 8-12   the code's own bits; for a link, the sub-table's index bits
//   bits 13-15  the kind (none of them: a length, a distance or a code-length symbol)
//   bits 16-31  the literal, base or symbol; a link's sub-table offset;
//               for kStop, 0 ends the block and 1 is a code no data may use
// so that a length or distance is its base plus the bits between the code's
// own and the end of the entry's bits, and both go in one shift.
constexpr uint32_t kLiteral = 1u << 15, kSubTable = 1u << 14, kStop = 1u << 13;
constexpr uint32_t kInvalid = 1u << 16 | kStop;

constexpr uint32_t Entry(uint32_t value, uint32_t kind, unsigned extraBits) { return value << 16 | kind | extraBits; }
constexpr uint32_t WithCodeBits(uint32_t entry, unsigned bits) { return entry + (bits << 8) + bits; }
inline unsigned DropBits(uint32_t entry) { return entry & 0xff; }
inline unsigned CodeBits(uint32_t entry) { return (entry >> 8) & 0x1f; }
inline uint32_t ValueOf(uint32_t entry) { return entry >> 16; }
inline uint64_t LowBits(unsigned n) { return (uint64_t(1) << n) - 1; }
// The entry's extra bits, from bits that start with its code.
inline uint32_t ExtraOf(uint64_t bits, uint32_t entry)
{
    return uint32_t((bits & LowBits(DropBits(entry))) >> CodeBits(entry));
}

constexpr std::array<uint32_t, 288> kLitlenSymbols = [] {
    std::array<uint32_t, 288> symbols{};
    for (uint32_t i = 0; i < 256; ++i)
        symbols[i] = Entry(i, kLiteral, 0);
    symbols[256] = Entry(0, kStop, 0);
    uint32_t base = 3;
    for (uint32_t i = 257; i < 285; ++i) {
        unsigned extra = i < 265 ? 0 : (i - 261) / 4;
        symbols[i] = Entry(base, 0, extra);
        base += 1u << extra;
    }
    symbols[285] = Entry(3, 0, 16); // where deflate has 258 alone
    symbols[286] = symbols[287] = kInvalid;
    return symbols;
}();

constexpr std::array<uint32_t, 32> kDistSymbols = [] {
    std::array<uint32_t, 32> symbols{};
    uint32_t base = 1;
    for (uint32_t i = 0; i < 32; ++i) {
        unsigned extra = i < 4 ? 0 : i / 2 - 1;
        symbols[i] = Entry(base, 0, extra);
        base += 1u << extra;
    }
    return symbols;
}();

constexpr std::array<uint32_t, 19> kPrecodeSymbols = [] {
    std::array<uint32_t, 19> symbols{};
    for (uint32_t i = 0; i < 16; ++i)
        symbols[i] = Entry(i, 0, 0);
    symbols[16] = Entry(16, 0, 2);
    symbols[17] = Entry(17, 0, 3);
    symbols[18] = Entry(18, 0, 7);
    return symbols;
}();

unsigned Reversed(unsigned code, unsigned bits)
{
    unsigned out = 0;
    for (unsigned i = 0; i < bits; ++i, code >>= 1)
        out = out << 1 | (code & 1);
    return out;
}

// Canonical codes for lengths[0, count), each 0 to 15: `sorted` gets the used
// symbols by length then value, `codes` their codes bit-reversed (deflate sends
// a code's first bit lowest). Answers how many symbols are used, or -1 when the
// lengths make no prefix code: over-subscribed, or incomplete with more than
// one code (a lone code, or none, is what encoders write for a block with a
// single distance or none; the codes left over decode as invalid).
int CanonicalCodes(const uint8_t *lengths, unsigned count, uint16_t *sorted, uint16_t *codes)
{
    unsigned perLength[16] = {};
    for (unsigned s = 0; s < count; ++s)
        ++perLength[lengths[s]];
    int left = 1;
    unsigned used = 0, start[16] = {};
    for (unsigned len = 1; len < 16; ++len) {
        left = 2 * left - int(perLength[len]);
        if (left < 0)
            return -1;
        start[len] = used;
        used += perLength[len];
    }
    if (left > 0 && used > 1)
        return -1;
    for (unsigned s = 0; s < count; ++s)
        if (lengths[s] != 0)
            sorted[start[lengths[s]]++] = uint16_t(s);
    unsigned code = 0, previous = 0;
    for (unsigned i = 0; i < used; ++i) {
        unsigned len = lengths[sorted[i]];
        code <<= len - previous;
        codes[i] = uint16_t(Reversed(code++, len));
        previous = len;
    }
    return int(used);
}

// Fills a table of `capacity` entries with a root of 2^rootBits for the code
// lengths lengths[0, count) of symbols whose entries are symbols[]; false when
// they make no prefix code.
bool BuildTable(uint32_t *table, size_t capacity, unsigned rootBits, const uint8_t *lengths, unsigned count,
                const uint32_t *symbols)
{
    uint16_t sorted[288], codes[288];
    int used = CanonicalCodes(lengths, count, sorted, codes);
    if (used < 0)
        return false;
    const size_t rootSize = size_t(1) << rootBits;
    std::fill(table, table + rootSize, WithCodeBits(kInvalid, rootBits));
    size_t next = rootSize;
    for (int i = 0; i < used;) {
        unsigned len = lengths[sorted[i]];
        if (len <= rootBits) {
            const uint32_t entry = WithCodeBits(symbols[sorted[i]], len);
            for (size_t at = codes[i]; at < rootSize; at += size_t(1) << len)
                table[at] = entry;
            ++i;
            continue;
        }
        // The longer codes that begin alike are next to each other in
        // canonical order, and the last of them is the longest.
        const unsigned prefix = codes[i] & unsigned(rootSize - 1);
        int last = i;
        while (last + 1 < used && (codes[last + 1] & (rootSize - 1)) == prefix)
            ++last;
        const unsigned subBits = lengths[sorted[last]] - rootBits;
        const size_t subSize = size_t(1) << subBits;
        if (next + subSize > capacity)
            return false;
        table[prefix] = Entry(uint32_t(next), kSubTable, rootBits) | subBits << 8;
        uint32_t *sub = table + next;
        std::fill(sub, sub + subSize, WithCodeBits(kInvalid, subBits));
        for (; i <= last; ++i) {
            const unsigned subLen = lengths[sorted[i]] - rootBits;
            const uint32_t entry = WithCodeBits(symbols[sorted[i]], subLen);
            for (size_t at = codes[i] >> rootBits; at < subSize; at += size_t(1) << subLen)
                sub[at] = entry;
        }
        next += subSize;
    }
    return true;
}

struct FixedTables {
    uint32_t litlen[1u << Deflate64Decoder::kLitlenBits];
    uint32_t dist[1u << Deflate64Decoder::kDistBits];

    FixedTables()
    {
        uint8_t lengths[288];
        std::fill(lengths, lengths + 144, 8);
        std::fill(lengths + 144, lengths + 256, 9);
        std::fill(lengths + 256, lengths + 280, 7);
        std::fill(lengths + 280, lengths + 288, 8);
        BuildTable(litlen, std::size(litlen), Deflate64Decoder::kLitlenBits, lengths, 288, kLitlenSymbols.data());
        std::fill(lengths, lengths + 32, 5);
        BuildTable(dist, std::size(dist), Deflate64Decoder::kDistBits, lengths, 32, kDistSymbols.data());
    }
};

const FixedTables &Fixed()
{
    static const FixedTables tables;
    return tables;
}

inline uint64_t Load64(const uint8_t *p)
{
    uint64_t v;
    std::memcpy(&v, p, 8);
    if constexpr (std::endian::native == std::endian::big)
        v = __builtin_bswap64(v);
    return v;
}

inline void Copy8(uint8_t *to, const uint8_t *from) { std::memcpy(to, from, 8); }

// Tops the bits up to at least 56 with one load of 8 bytes; the bits loaded
// beyond the whole bytes taken are the input's next ones, so loading them
// again next time changes nothing.
inline void Refill(const uint8_t *&in, uint64_t &bits, unsigned &count)
{
    bits |= Load64(in) << count;
    in += (63 - count) >> 3;
    count |= 56;
}

// A match that starts in this buffer's own output, with room for 8 bytes
// more than it needs: words are copied, ending up to 7 bytes past it.
inline void CopyWithin(uint8_t *out, size_t distance, size_t length)
{
    uint8_t *const end = out + length;
    if (distance >= 8) {
        const uint8_t *from = out - distance;
        do {
            Copy8(out, from);
            out += 8;
            from += 8;
        } while (out < end);
    } else if (distance == 1) {
        const uint64_t run = out[-1] * 0x0101010101010101ull;
        do {
            std::memcpy(out, &run, 8);
            out += 8;
        } while (out < end);
    } else {
        // A short period: the first bytes one at a time, until a whole number
        // of periods reaches 8 bytes back, then words from there.
        const size_t stride = (8 + distance - 1) / distance * distance;
        uint8_t *const wordsFrom = out + (stride - distance);
        for (; out < end && out < wordsFrom; ++out)
            *out = *(out - distance);
        for (; out < end; out += 8)
            Copy8(out, out - stride);
    }
}

// Enough input for the fast loop's two loads a symbol, and enough room that
// ordinary matches fit with the copy's slack.
constexpr ptrdiff_t kFastInput = 16;
constexpr ptrdiff_t kFastOutput = 512;
constexpr size_t kSlack = 8;

} // namespace

enum class Deflate64Decoder::Mode : uint8_t {
    Header,
    StoredLength,
    Stored,
    Counts,
    CodeLengthCodes,
    CodeLengths,
    Codes,
    Distance,
    Copy,
    Done,
    Failed,
};

enum class Deflate64Decoder::Step : uint8_t { GoOn, Starved, Full, Finished, Broken };

struct Deflate64Decoder::Cursor {
    const uint8_t *in, *const inEnd;
    uint8_t *const outStart;
    uint8_t *out;
    uint8_t *const outEnd;
    uint64_t bits;
    unsigned count;

    // The careful way, one byte at a time, for what the fast loop leaves:
    // never more than 63 bits, so that the fast loop's load can follow.
    bool have(unsigned n)
    {
        for (; count < 56 && in != inEnd; count += 8)
            bits |= uint64_t(*in++) << count;
        return count >= n;
    }
    uint32_t take(unsigned n)
    {
        uint32_t value = uint32_t(bits & LowBits(n));
        bits >>= n;
        count -= n;
        return value;
    }
    // The next code of `table` and its extra bits, when the bits at hand hold them.
    bool next(const uint32_t *table, unsigned rootBits, uint32_t &entry, uint32_t &value)
    {
        have(56);
        uint64_t rest = bits;
        unsigned skip = 0;
        uint32_t e = table[rest & LowBits(rootBits)];
        if (e & kSubTable) {
            skip = rootBits;
            rest >>= rootBits;
            e = table[ValueOf(e) + (rest & LowBits(CodeBits(e)))];
        }
        if (skip + DropBits(e) > count)
            return false;
        entry = e;
        value = ValueOf(e) + ExtraOf(rest, e);
        take(skip + DropBits(e));
        return true;
    }
    size_t room() const { return size_t(outEnd - out); }
};

Deflate64Decoder::Deflate64Decoder() { reset(); }

void Deflate64Decoder::reset()
{
    m_mode = Mode::Header;
    m_final = false;
    m_bits = 0;
    m_count = 0;
    m_total = 0;
    m_head = 0;
}

Deflate64Decoder::Result Deflate64Decoder::decode(const uint8_t *&in, size_t &inLength, bool ended, uint8_t *out,
                                                  size_t capacity, size_t &produced)
{
    Cursor c{in, in + inLength, out, out, out + capacity, m_bits, m_count};
    Step last;
    while ((last = step(c)) == Step::GoOn) {
    }
    produced = size_t(c.out - out);
    keepHistory(out, produced);
    m_total += produced;
    inLength -= size_t(c.in - in);
    in = c.in;
    m_bits = c.bits & LowBits(c.count);
    m_count = c.count;
    switch (last) {
    case Step::Full: return Result::OutputFull;
    case Step::Finished: return Result::Done;
    case Step::Starved:
        if (!ended)
            return Result::NeedInput;
        break;
    default: break;
    }
    m_mode = Mode::Failed;
    return Result::Corrupt;
}

Deflate64Decoder::Step Deflate64Decoder::step(Cursor &c)
{
    switch (m_mode) {
    case Mode::Header: return header(c);
    case Mode::StoredLength: return storedLength(c);
    case Mode::Stored: return stored(c);
    case Mode::Counts: return counts(c);
    case Mode::CodeLengthCodes: return codeLengthCodes(c);
    case Mode::CodeLengths: return codeLengths(c);
    case Mode::Codes: return codes(c);
    case Mode::Distance: return distance(c);
    case Mode::Copy: return copy(c);
    case Mode::Done: return Step::Finished;
    case Mode::Failed: break;
    }
    return Step::Broken;
}

void Deflate64Decoder::endBlock() { m_mode = m_final ? Mode::Done : Mode::Header; }

Deflate64Decoder::Step Deflate64Decoder::header(Cursor &c)
{
    if (!c.have(3))
        return Step::Starved;
    m_final = c.take(1);
    switch (c.take(2)) {
    case 0: m_mode = Mode::StoredLength; break;
    case 1:
        m_litlen = Fixed().litlen;
        m_dist = Fixed().dist;
        m_mode = Mode::Codes;
        break;
    case 2: m_mode = Mode::Counts; break;
    default: return Step::Broken;
    }
    return Step::GoOn;
}

Deflate64Decoder::Step Deflate64Decoder::storedLength(Cursor &c)
{
    c.take(c.count & 7); // to the byte boundary; nothing the second time round
    if (!c.have(32))
        return Step::Starved;
    const uint32_t word = c.take(32);
    if ((word & 0xffff) != (~word >> 16))
        return Step::Broken;
    m_length = word & 0xffff;
    m_mode = Mode::Stored;
    return Step::GoOn;
}

Deflate64Decoder::Step Deflate64Decoder::stored(Cursor &c)
{
    while (m_length != 0) {
        if (c.room() == 0)
            return Step::Full;
        if (c.count >= 8) { // bytes already taken as bits come first, whole since the boundary
            *c.out++ = uint8_t(c.take(8));
            --m_length;
            continue;
        }
        // None are held now, but a word load may have left the input's next
        // bits above count: they are the bytes copied here, not what follows.
        c.bits = 0;
        const size_t n = std::min({size_t(m_length), c.room(), size_t(c.inEnd - c.in)});
        if (n == 0)
            return Step::Starved;
        std::memcpy(c.out, c.in, n);
        c.out += n;
        c.in += n;
        m_length -= uint32_t(n);
    }
    endBlock();
    return Step::GoOn;
}

Deflate64Decoder::Step Deflate64Decoder::counts(Cursor &c)
{
    if (!c.have(14))
        return Step::Starved;
    m_lenCount = 257 + c.take(5);
    m_distCount = 1 + c.take(5); // all 32 are distances here
    m_codeCount = 4 + c.take(4);
    if (m_lenCount > 286)
        return Step::Broken;
    std::fill(std::begin(m_precodeLengths), std::end(m_precodeLengths), 0);
    m_index = 0;
    m_mode = Mode::CodeLengthCodes;
    return Step::GoOn;
}

Deflate64Decoder::Step Deflate64Decoder::codeLengthCodes(Cursor &c)
{
    static constexpr uint8_t kOrder[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
    for (; m_index < m_codeCount; ++m_index) {
        if (!c.have(3))
            return Step::Starved;
        m_precodeLengths[kOrder[m_index]] = uint8_t(c.take(3));
    }
    if (!BuildTable(m_precode, std::size(m_precode), kPrecodeBits, m_precodeLengths, 19, kPrecodeSymbols.data()))
        return Step::Broken;
    m_index = 0;
    m_mode = Mode::CodeLengths;
    return Step::GoOn;
}

Deflate64Decoder::Step Deflate64Decoder::codeLengths(Cursor &c)
{
    const unsigned total = m_lenCount + m_distCount;
    while (m_index < total) {
        uint32_t entry, value;
        if (!c.next(m_precode, kPrecodeBits, entry, value))
            return Step::Starved;
        if (entry & kStop)
            return Step::Broken;
        const unsigned symbol = ValueOf(entry), extra = value - symbol;
        if (symbol < 16) {
            m_lengths[m_index++] = uint8_t(symbol);
            continue;
        }
        if (symbol == 16 && m_index == 0)
            return Step::Broken;
        const uint8_t fill = symbol == 16 ? m_lengths[m_index - 1] : 0;
        const unsigned repeat = (symbol == 18 ? 11 : 3) + extra;
        if (repeat > total - m_index)
            return Step::Broken;
        std::fill(m_lengths + m_index, m_lengths + m_index + repeat, fill);
        m_index += repeat;
    }
    if (m_lengths[256] == 0 // a block that cannot end
        || !BuildTable(m_dynamicLitlen, kLitlenEntries, kLitlenBits, m_lengths, m_lenCount, kLitlenSymbols.data())
        || !BuildTable(m_dynamicDist, kDistEntries, kDistBits, m_lengths + m_lenCount, m_distCount,
                       kDistSymbols.data()))
        return Step::Broken;
    m_litlen = m_dynamicLitlen;
    m_dist = m_dynamicDist;
    m_mode = Mode::Codes;
    return Step::GoOn;
}

Deflate64Decoder::Step Deflate64Decoder::codes(Cursor &c)
{
    if (c.inEnd - c.in >= kFastInput && c.outEnd - c.out >= kFastOutput) {
        fastCodes(c);
        return m_mode == Mode::Failed ? Step::Broken : Step::GoOn;
    }
    if (c.room() == 0)
        return Step::Full;
    uint32_t entry, value;
    if (!c.next(m_litlen, kLitlenBits, entry, value))
        return Step::Starved;
    if (entry & kLiteral) {
        *c.out++ = uint8_t(value);
    } else if (entry & kStop) {
        if (value != 0)
            return Step::Broken;
        endBlock();
    } else {
        m_length = value;
        m_mode = Mode::Distance;
    }
    return Step::GoOn;
}

Deflate64Decoder::Step Deflate64Decoder::distance(Cursor &c)
{
    uint32_t entry, value;
    if (!c.next(m_dist, kDistBits, entry, value))
        return Step::Starved;
    if ((entry & kStop) || value > m_total + size_t(c.out - c.outStart))
        return Step::Broken;
    m_distance = value;
    m_mode = Mode::Copy;
    return Step::GoOn;
}

Deflate64Decoder::Step Deflate64Decoder::copy(Cursor &c)
{
    const size_t n = std::min(size_t(m_length), c.room());
    c.out = copyMatch(c.outStart, c.out, m_distance, n);
    m_length -= uint32_t(n);
    if (m_length != 0)
        return Step::Full;
    m_mode = Mode::Codes;
    return Step::GoOn;
}

// Literals and matches while the input and the output have room to spare:
// no checks of either within a symbol. Leaves at the end of the block, on
// damage, or with a match too long for the room left (to copy() then).
void Deflate64Decoder::fastCodes(Cursor &c)
{
    const uint8_t *in = c.in;
    const uint8_t *const inLimit = c.inEnd - kFastInput;
    uint8_t *out = c.out;
    uint8_t *const outLimit = c.outEnd - kFastOutput;
    uint64_t bits = c.bits;
    unsigned count = c.count;
    const uint32_t *const litlen = m_litlen, *const dist = m_dist;
    do {
        Refill(in, bits, count);
        uint32_t entry = litlen[bits & LowBits(kLitlenBits)];
        if (entry & kSubTable) {
            bits >>= kLitlenBits;
            count -= kLitlenBits;
            entry = litlen[ValueOf(entry) + (bits & LowBits(CodeBits(entry)))];
        }
        if (entry & kLiteral) {
            bits >>= DropBits(entry);
            count -= DropBits(entry);
            *out++ = uint8_t(ValueOf(entry));
            // Often a second one: at least 41 bits are left for it.
            entry = litlen[bits & LowBits(kLitlenBits)];
            if ((entry & kLiteral) == 0)
                continue;
            bits >>= DropBits(entry);
            count -= DropBits(entry);
            *out++ = uint8_t(ValueOf(entry));
            continue;
        }
        const size_t length = ValueOf(entry) + ExtraOf(bits, entry);
        bits >>= DropBits(entry);
        count -= DropBits(entry);
        if (entry & kStop) {
            if (length != 0) {
                m_mode = Mode::Failed;
                break;
            }
            endBlock();
            break;
        }
        Refill(in, bits, count);
        entry = dist[bits & LowBits(kDistBits)];
        if (entry & kSubTable) {
            bits >>= kDistBits;
            count -= kDistBits;
            entry = dist[ValueOf(entry) + (bits & LowBits(CodeBits(entry)))];
        }
        const size_t distance = ValueOf(entry) + ExtraOf(bits, entry);
        bits >>= DropBits(entry);
        count -= DropBits(entry);
        const size_t at = size_t(out - c.outStart);
        if ((entry & kStop) || (distance > at && distance - at > m_total)) {
            m_mode = Mode::Failed;
            break;
        }
        if (length > size_t(c.outEnd - out) - kSlack) {
            m_length = uint32_t(length);
            m_distance = uint32_t(distance);
            m_mode = Mode::Copy;
            break;
        }
        if (distance <= at) {
            CopyWithin(out, distance, length);
            out += length;
        } else {
            out = copyMatch(c.outStart, out, distance, length);
        }
    } while (in <= inLimit && out <= outLimit);
    c.in = in;
    c.out = out;
    c.bits = bits;
    c.count = count;
}

// Any match the checks let through, exactly, the earlier part from the
// history when it starts before this buffer.
uint8_t *Deflate64Decoder::copyMatch(uint8_t *outStart, uint8_t *out, size_t distance, size_t length) const
{
    const size_t at = size_t(out - outStart);
    if (distance > at) {
        const size_t back = distance - at, n = std::min(length, back);
        const size_t from = (m_head + kWindow - back) % kWindow, first = std::min(n, kWindow - from);
        std::memcpy(out, m_history + from, first);
        std::memcpy(out + first, m_history, n - first);
        out += n;
        length -= n;
    }
    // The rest repeats this buffer's own bytes, each also found twice the
    // distance back once a whole distance is copied: pieces double.
    for (size_t d = distance; length != 0; d += d) {
        const size_t n = std::min(length, d);
        std::memcpy(out, out - d, n);
        out += n;
        length -= n;
    }
    return out;
}

void Deflate64Decoder::keepHistory(const uint8_t *out, size_t length)
{
    if (length >= kWindow) {
        std::memcpy(m_history, out + length - kWindow, kWindow);
        m_head = 0;
        return;
    }
    const size_t first = std::min(length, kWindow - m_head);
    std::memcpy(m_history + m_head, out, first);
    std::memcpy(m_history, out + first, length - first);
    m_head = (m_head + length) % kWindow;
}

} // namespace unzip32

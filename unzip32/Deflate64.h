// Deflate64, ZIP method 9: deflate with a 64 KiB window, distance codes 30
// and 31 (reaching 32769 to 65536 bytes back), and length code 285 carrying
// 16 extra bits (lengths 3 to 65538) instead of standing for 258. None of the
// libraries we build on decodes it, so it is decoded here.
#pragma once

#include <cstddef>
#include <cstdint>

namespace unzip32 {

class Deflate64Decoder {
public:
    enum class Result {
        NeedInput,  // all the input given was used; more is needed
        OutputFull, // the output buffer is full; call again with another
        Done,       // the final block ended (what follows it is not looked at)
        Corrupt,    // not a valid stream, or one cut short
    };

    Deflate64Decoder();
    Deflate64Decoder(const Deflate64Decoder &) = delete;
    Deflate64Decoder &operator=(const Deflate64Decoder &) = delete;

    // Starts a new stream.
    void reset();

    // Decodes from `in` (advanced past what was used, `inLength` reduced to
    // match) into out[0, capacity), and says how much of it was filled. Output
    // is never read back once the call returns: the last 64 KiB is kept here,
    // so every call may be handed a different buffer, and the one filled before
    // may already be on its way to a file. `ended` says that no input comes
    // after this; a stream that needs more is then Corrupt.
    Result decode(const uint8_t *&in, size_t &inLength, bool ended, uint8_t *out, size_t capacity, size_t &produced);

    // Root bits of the lookup tables; longer codes go through a sub-table.
    static constexpr unsigned kLitlenBits = 11, kDistBits = 8, kPrecodeBits = 7;
    // A root, and at worst one sub-table per symbol, as large as a 15-bit code needs.
    static constexpr size_t kLitlenEntries = (1u << kLitlenBits) + 288 * (1u << (15 - kLitlenBits));
    static constexpr size_t kDistEntries = (1u << kDistBits) + 32 * (1u << (15 - kDistBits));
    static constexpr size_t kWindow = 1u << 16;

private:
    enum class Mode : uint8_t;
    enum class Step : uint8_t;
    struct Cursor;

    Step step(Cursor &c);
    Step header(Cursor &c);
    Step storedLength(Cursor &c);
    Step stored(Cursor &c);
    Step counts(Cursor &c);
    Step codeLengthCodes(Cursor &c);
    Step codeLengths(Cursor &c);
    Step codes(Cursor &c);
    Step distance(Cursor &c);
    Step copy(Cursor &c);
    void fastCodes(Cursor &c);
    void endBlock();
    uint8_t *copyMatch(uint8_t *outStart, uint8_t *out, size_t distance, size_t length) const;
    void keepHistory(const uint8_t *out, size_t length);

    Mode m_mode;
    bool m_final = false;
    uint64_t m_bits = 0;   // input bits taken but not used yet, the next one lowest
    unsigned m_count = 0;  // how many (bits above them are 0 or the input's next ones)
    uint32_t m_length = 0; // of the match still to copy, or of the stored block's rest
    uint32_t m_distance = 0;
    unsigned m_index = 0; // of the next code length to read in a dynamic block's header
    unsigned m_lenCount = 0, m_distCount = 0, m_codeCount = 0;
    uint64_t m_total = 0; // bytes produced since reset()
    size_t m_head = 0;    // where the next byte goes in m_history
    const uint32_t *m_litlen = nullptr, *m_dist = nullptr;

    uint8_t m_history[kWindow]; // a ring: the last 64 KiB produced, up to m_head
    uint8_t m_lengths[288 + 32];
    uint8_t m_precodeLengths[19];
    uint32_t m_precode[1u << kPrecodeBits];
    uint32_t m_dynamicLitlen[kLitlenEntries];
    uint32_t m_dynamicDist[kDistEntries];
};

} // namespace unzip32

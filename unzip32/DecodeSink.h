// What the codecs share: where their output goes (counted, bounded by the
// declared size, checked against the CRC) and how they take their input.
#pragma once

#include "Decoders.h"
#include "WriteBehind.h"

#include <memory>
#include <vector>

namespace unzip32 {

// Room for `size` bytes at the start of `buffer`. It only ever grows: shrinking
// and growing again would clear the bytes in between each time.
uint8_t *Room(std::vector<uint8_t> &buffer, size_t size);

// Reads up to `capacity` bytes, stopping early only at the end of the stream.
ssize_t ReadFull(Source &source, uint8_t *buffer, size_t capacity);

// Gives a streaming codec the next chunk of input once it has used up the
// last one. Answers false when the read failed; `ended` turns true at the end.
template <typename In, typename Count>
bool RefillInput(Source &source, DecoderContext &context, bool &ended, In *&nextIn, Count &availIn)
{
    if (availIn != 0 || ended)
        return true;
    ssize_t n = source.read(context.in.data(), kChunk);
    if (n < 0)
        return false;
    ended = n == 0;
    nextIn = reinterpret_cast<In *>(context.in.data());
    availIn = Count(n);
    return true;
}

#define PASS_ON(expr)                                                                                                  \
  do {                                                                                                                 \
    DecodeStatus status_ = (expr);                                                                                     \
    if (status_ != DecodeStatus::Ok)                                                                                   \
      return status_;                                                                                                  \
  } while (0)

// Counts, checks and passes on what a decoder produces. A large entry's file
// is written behind the decoder, from two buffers taking turns, once the entry
// has shown it is large by producing a whole buffer: a damaged or hostile entry
// that only declares a large size costs no thread.
class Sink {
public:
    Sink(const DecodeRequest &request, Output *output, DecoderContext &context);

    // Where the decoder puts its next kChunk bytes at most.
    uint8_t *buffer();
    DecodeStatus put(const uint8_t *data, size_t length);
    DecodeStatus finish();

private:
    void startWritingBehind();

    const DecodeRequest &m_request;
    Output *m_output;
    DecoderContext &m_context;
    bool m_mayWriteBehind;
    std::unique_ptr<WriteBehind> m_behind;
    unsigned m_turn = 0;
    uint64_t m_total = 0;
    uint32_t m_crc = 0;
};

} // namespace unzip32

#include "DecodeMethods.h"
#include "DecodeLzmaStream.h"

namespace unzip32 {

namespace {

// An XZ stream says what its dictionary needs only in its blocks' headers:
// the decoder starts below any real dictionary, and each time a block needs
// more, the budget is asked for it before the limit is raised.
constexpr uint64_t kXzStartLimit = 1u << 20;

} // namespace

DecodeStatus UnXz(Source &source, Sink &sink, DecoderContext &context, const KeepWaiting &keepWaiting)
{
    MemoryGrant grant; // outlives the stream, whose memory it stands for
    lzma_stream stream = LZMA_STREAM_INIT;
    if (lzma_stream_decoder(&stream, kXzStartLimit, 0) != LZMA_OK)
        return DecodeStatus::NeedsTooMuchMemory;
    struct Ender {
        lzma_stream &s;
        ~Ender() { lzma_end(&s); }
    } ender{stream};
    Room(context.in, kChunk);
    return RunLzma(stream, source, sink, context, false, {grant, keepWaiting});
}

} // namespace unzip32

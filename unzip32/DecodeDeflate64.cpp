#include "DecodeMethods.h"
#include "Deflate64.h"

namespace unzip32 {

DecodeStatus Inflate64(Source &source, Sink &sink, DecoderContext &context)
{
    if (!context.deflate64)
        context.deflate64 = std::make_unique<Deflate64Decoder>();
    Deflate64Decoder &decoder = *context.deflate64;
    decoder.reset();
    Room(context.in, kChunk);
    const uint8_t *next = nullptr;
    size_t avail = 0;
    bool ended = false;
    for (;;) {
        if (!RefillInput(source, context, ended, next, avail))
            return DecodeStatus::ReadFailed;
        uint8_t *out = sink.buffer();
        size_t produced = 0;
        auto result = decoder.decode(next, avail, ended, out, kChunk, produced);
        if (result == Deflate64Decoder::Result::Corrupt)
            return DecodeStatus::Corrupt;
        PASS_ON(sink.put(out, produced));
        if (result == Deflate64Decoder::Result::Done)
            return DecodeStatus::Ok;
    }
}

} // namespace unzip32

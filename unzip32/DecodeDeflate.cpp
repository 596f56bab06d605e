#include "DecodeMethods.h"

#include <isa-l/igzip_lib.h>
#include <libdeflate.h>

namespace unzip32 {

DecodeStatus InflateWhole(const DecodeRequest &request, Source &source, Sink &sink, DecoderContext &context)
{
    uint64_t length = 0;
    const uint8_t *in = source.view(length);
    if (!in) {
        const size_t capacity = size_t(request.packedSize) + 1;
        ssize_t n = ReadFull(source, Room(context.in, capacity), capacity);
        if (n < 0)
            return DecodeStatus::ReadFailed;
        in = context.in.data();
        length = size_t(n);
    }
    uint8_t *out = Room(context.out, size_t(request.size));
    size_t produced = 0;
    auto rc = libdeflate_deflate_decompress(context.deflater, in, size_t(length), out, size_t(request.size), &produced);
    if (rc == LIBDEFLATE_INSUFFICIENT_SPACE)
        return DecodeStatus::TooLong;
    if (rc != LIBDEFLATE_SUCCESS)
        return DecodeStatus::Corrupt;
    return sink.put(out, produced);
}

DecodeStatus InflateStream(Source &source, Sink &sink, DecoderContext &context)
{
    if (!context.isal)
        context.isal = std::make_unique<inflate_state>();
    inflate_state &state = *context.isal;
    isal_inflate_init(&state);
    state.crc_flag = ISAL_DEFLATE;
    Room(context.in, kChunk);
    bool ended = false;
    while (state.block_state != ISAL_BLOCK_FINISH) {
        if (!RefillInput(source, context, ended, state.next_in, state.avail_in))
            return DecodeStatus::ReadFailed;
        uint8_t *out = sink.buffer();
        state.next_out = out;
        state.avail_out = uint32_t(kChunk);
        int rc = isal_inflate(&state);
        if (rc < 0)
            return DecodeStatus::Corrupt;
        size_t produced = kChunk - state.avail_out;
        PASS_ON(sink.put(out, produced));
        // Input gone, no output, and the last block not reached: the stream was cut short.
        if (ended && state.avail_in == 0 && produced == 0 && state.block_state != ISAL_BLOCK_FINISH)
            return DecodeStatus::Corrupt;
    }
    return DecodeStatus::Ok;
}

} // namespace unzip32

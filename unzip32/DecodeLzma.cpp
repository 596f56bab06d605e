#include "DecodeMethods.h"
#include "DecodeLzmaStream.h"

#include <cstdlib>

namespace unzip32 {

DecodeStatus RunLzma(lzma_stream &stream, Source &source, Sink &sink, DecoderContext &context, bool ended,
                     const LzmaMemory &memory)
{
    for (;;) {
        if (!RefillInput(source, context, ended, stream.next_in, stream.avail_in))
            return DecodeStatus::ReadFailed;
        uint8_t *out = sink.buffer();
        stream.next_out = out;
        stream.avail_out = kChunk;
        lzma_ret rc = lzma_code(&stream, ended ? LZMA_FINISH : LZMA_RUN);
        PASS_ON(sink.put(out, kChunk - stream.avail_out));
        if (rc == LZMA_STREAM_END)
            return DecodeStatus::Ok;
        const uint64_t needed = rc == LZMA_MEMLIMIT_ERROR ? lzma_memusage(&stream) : 0;
        if (rc == LZMA_MEMLIMIT_ERROR && needed <= kLzmaMemoryLimit) {
            if (!memory.grant.raise(needed, memory.keepWaiting))
                return DecodeStatus::Cancelled;
            if (lzma_memlimit_set(&stream, needed) != LZMA_OK)
                return DecodeStatus::NeedsTooMuchMemory;
            continue;
        }
        if (rc == LZMA_MEM_ERROR || rc == LZMA_MEMLIMIT_ERROR)
            return DecodeStatus::NeedsTooMuchMemory;
        if (rc != LZMA_OK)
            return DecodeStatus::Corrupt;
    }
}

DecodeStatus UnLzma(const DecodeRequest &request, Source &source, Sink &sink, DecoderContext &context,
                    const KeepWaiting &keepWaiting)
{
    // The ZIP form: version (2 bytes), properties size (2 bytes, 5), properties.
    Room(context.in, kChunk);
    ssize_t n = ReadFull(source, context.in.data(), 9);
    if (n < 0)
        return DecodeStatus::ReadFailed;
    if (n < 9 || context.in[2] != 5 || context.in[3] != 0)
        return DecodeStatus::Corrupt;
    lzma_filter filters[2] = {{LZMA_FILTER_LZMA1EXT, nullptr}, {LZMA_VLI_UNKNOWN, nullptr}};
    if (lzma_properties_decode(&filters[0], nullptr, context.in.data() + 4, 5) != LZMA_OK)
        return DecodeStatus::Corrupt;
    auto *options = static_cast<lzma_options_lzma *>(filters[0].options);
    struct Freer {
        void *p;
        ~Freer() { free(p); }
    } freer{options};
    if (options->dict_size > kLzmaMemoryLimit)
        return DecodeStatus::NeedsTooMuchMemory;
    options->ext_flags = LZMA_LZMA1EXT_ALLOW_EOPM;
    // Without an end marker (flag bit 1 clear) the declared size is where the stream ends.
    uint64_t known = (request.flags & 2) ? UINT64_MAX : request.size;
    options->ext_size_low = uint32_t(known);
    options->ext_size_high = uint32_t(known >> 32);
    MemoryGrant grant;
    if (!grant.raise(lzma_raw_decoder_memusage(filters), keepWaiting))
        return DecodeStatus::Cancelled;
    lzma_stream stream = LZMA_STREAM_INIT;
    if (lzma_raw_decoder(&stream, filters) != LZMA_OK)
        return DecodeStatus::Corrupt;
    struct Ender {
        lzma_stream &s;
        ~Ender() { lzma_end(&s); }
    } ender{stream};
    return RunLzma(stream, source, sink, context, false, {grant, keepWaiting});
}

} // namespace unzip32

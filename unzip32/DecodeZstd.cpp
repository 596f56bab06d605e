#include "DecodeMethods.h"

#include <zstd.h>
#include <zstd_errors.h>

namespace unzip32 {

DecodeStatus UnZstd(Source &source, Sink &sink, DecoderContext &context)
{
    std::unique_ptr<ZSTD_DCtx, size_t (*)(ZSTD_DCtx *)> dctx(ZSTD_createDCtx(), ZSTD_freeDCtx);
    if (!dctx)
        return DecodeStatus::NeedsTooMuchMemory;
    Room(context.in, kChunk);
    ZSTD_inBuffer in{context.in.data(), 0, 0};
    size_t lastRc = 1;
    for (;;) {
        if (in.pos == in.size) {
            ssize_t n = source.read(context.in.data(), kChunk);
            if (n < 0)
                return DecodeStatus::ReadFailed;
            if (n == 0)
                return lastRc == 0 ? DecodeStatus::Ok : DecodeStatus::Corrupt;
            in = {context.in.data(), size_t(n), 0};
        }
        ZSTD_outBuffer out{sink.buffer(), kChunk, 0};
        lastRc = ZSTD_decompressStream(dctx.get(), &out, &in);
        if (ZSTD_isError(lastRc))
            return ZSTD_getErrorCode(lastRc) == ZSTD_error_frameParameter_windowTooLarge
                ? DecodeStatus::NeedsTooMuchMemory
                : DecodeStatus::Corrupt;
        PASS_ON(sink.put(static_cast<uint8_t *>(out.dst), out.pos));
    }
}

} // namespace unzip32

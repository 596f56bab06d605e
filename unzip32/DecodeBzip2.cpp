#include "DecodeMethods.h"

#include <bzlib.h>

namespace unzip32 {

DecodeStatus Bunzip(Source &source, Sink &sink, DecoderContext &context)
{
    bz_stream stream{};
    if (BZ2_bzDecompressInit(&stream, 0, 0) != BZ_OK)
        return DecodeStatus::NeedsTooMuchMemory;
    struct Closer {
        bz_stream &s;
        ~Closer() { BZ2_bzDecompressEnd(&s); }
    } closer{stream};
    Room(context.in, kChunk);
    bool ended = false;
    for (;;) {
        if (!RefillInput(source, context, ended, stream.next_in, stream.avail_in))
            return DecodeStatus::ReadFailed;
        uint8_t *out = sink.buffer();
        stream.next_out = reinterpret_cast<char *>(out);
        stream.avail_out = unsigned(kChunk);
        int rc = BZ2_bzDecompress(&stream);
        if (rc != BZ_OK && rc != BZ_STREAM_END)
            return DecodeStatus::Corrupt;
        size_t produced = kChunk - stream.avail_out;
        PASS_ON(sink.put(out, produced));
        if (rc == BZ_STREAM_END)
            return DecodeStatus::Ok;
        if (ended && stream.avail_in == 0 && produced == 0)
            return DecodeStatus::Corrupt;
    }
}

} // namespace unzip32

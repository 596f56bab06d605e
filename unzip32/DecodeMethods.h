// The codecs DecodeEntry chooses from by method, one file each
// (Decode<Method>.cpp). Each passes the whole stream to the sink; the sink's
// own checks of the result (its size, its CRC) come after, in DecodeEntry.
#pragma once

#include "DecodeSink.h"
#include "DecoderMemory.h"

namespace unzip32 {

DecodeStatus CopyStored(const DecodeRequest &request, Source &source, Sink &sink);
// Deflate: an entry small enough at once with libdeflate, a larger one streamed with ISA-L.
DecodeStatus InflateWhole(const DecodeRequest &request, Source &source, Sink &sink, DecoderContext &context);
DecodeStatus InflateStream(Source &source, Sink &sink, DecoderContext &context);
DecodeStatus Inflate64(Source &source, Sink &sink, DecoderContext &context);
DecodeStatus Bunzip(Source &source, Sink &sink, DecoderContext &context);
DecodeStatus UnLzma(const DecodeRequest &request, Source &source, Sink &sink, DecoderContext &context,
                    const KeepWaiting &keepWaiting);
DecodeStatus UnXz(Source &source, Sink &sink, DecoderContext &context, const KeepWaiting &keepWaiting);
DecodeStatus UnZstd(Source &source, Sink &sink, DecoderContext &context);
DecodeStatus UnPpmd(const DecodeRequest &request, Source &source, Sink &sink, DecoderContext &context,
                    const KeepWaiting &keepWaiting);

} // namespace unzip32

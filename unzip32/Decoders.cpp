#include "Decoders.h"
#include "DecodeMethods.h"
#include "DecoderMemory.h"
#include "Deflate64.h"
#include "PpmdModel.h"

#include <isa-l/igzip_lib.h>
#include <libdeflate.h>

namespace unzip32 {

DecoderContext::DecoderContext() : deflater(libdeflate_alloc_decompressor()) { DecoderContextOpened(); }

DecoderContext::~DecoderContext()
{
    libdeflate_free_decompressor(deflater);
    ppmd.reset();
    DecoderContextClosed();
}

std::string MethodName(uint16_t method)
{
    switch (method) {
    case 0: return "Stored";
    case 1: return "Shrink";
    case 2:
    case 3:
    case 4:
    case 5: return "Reduce";
    case 6: return "Implode";
    case 8: return "Deflate";
    case 9: return "Deflate64";
    case 10: return "PKWARE Implode";
    case 12: return "BZip2";
    case 14: return "LZMA";
    case 20:
    case 93: return "Zstd";
    case 95: return "XZ";
    case 96: return "JPEG";
    case 97: return "WavPack";
    case 98: return "PPMd";
    case 99: return "AES";
    default: return "Method " + std::to_string(method);
    }
}

bool MethodSupported(uint16_t method)
{
    return method == 0 || method == 8 || method == 9 || method == 12 || method == 14 || method == 20 || method == 93
        || method == 95 || method == 98;
}

std::string DescribeStatus(DecodeStatus status)
{
    switch (status) {
    case DecodeStatus::Ok: return "ok";
    case DecodeStatus::Unsupported: return "unsupported compression method";
    case DecodeStatus::Corrupt: return "the compressed data is damaged";
    case DecodeStatus::TooLong: return "the data is longer than the declared size (damaged or hostile entry)";
    case DecodeStatus::TooShort: return "the data is shorter than the declared size (damaged entry)";
    case DecodeStatus::BadCrc: return "the data is damaged (CRC mismatch)";
    case DecodeStatus::ReadFailed: return "the archive cannot be read (truncated or damaged)";
    case DecodeStatus::WriteFailed: return "the file cannot be written";
    case DecodeStatus::Cancelled: return "cancelled";
    case DecodeStatus::NeedsTooMuchMemory: return "decoding would need too much memory";
    case DecodeStatus::PpmdModelTooLarge: return "the PPMd model needs more than 256 MiB";
    }
    return "failed";
}

DecodeStatus DecodeEntry(const DecodeRequest &request, Source &source, Output *output, DecoderContext &context)
{
    Sink sink(request, output, context);
    // A decoder that waits for memory keeps the caller informed, and stops waiting when the call is cancelled.
    const KeepWaiting keepWaiting = [&request] {
        if (request.waiting)
            request.waiting();
        return !(request.cancel && request.cancel->load(std::memory_order_relaxed));
    };
    DecodeStatus status;
    switch (request.method) {
    case 0: status = CopyStored(request, source, sink); break;
    case 8:
        status = (request.size <= kWholeEntryLimit && request.packedSize <= kWholeEntryLimit)
            ? InflateWhole(request, source, sink, context)
            : InflateStream(source, sink, context);
        break;
    case 9: status = Inflate64(source, sink, context); break;
    case 12: status = Bunzip(source, sink, context); break;
    case 14: status = UnLzma(request, source, sink, context, keepWaiting); break;
    case 20:
    case 93: status = UnZstd(source, sink, context); break;
    case 95: status = UnXz(source, sink, context, keepWaiting); break;
    case 98: status = UnPpmd(request, source, sink, context, keepWaiting); break;
    default: return DecodeStatus::Unsupported;
    }
    if (status != DecodeStatus::Ok)
        return status;
    return sink.finish();
}

} // namespace unzip32

#include "Decoders.h"
#include "DecoderMemory.h"
#include "Deflate64.h"
#include "PpmdDecoder.h"
#include "WriteBehind.h"

#include <bzlib.h>
#include <isa-l/igzip_lib.h>
#include <libdeflate.h>
#include <lzma.h>
#include <zstd.h>
#include <zstd_errors.h>

#include <cstdlib>
#include <cstring>
#include <system_error>

namespace unzip32 {

namespace {

// Room for `size` bytes at the start of `buffer`. It only ever grows: shrinking
// and growing again would clear the bytes in between each time.
uint8_t *Room(std::vector<uint8_t> &buffer, size_t size)
{
    if (buffer.size() < size)
        buffer.resize(size);
    return buffer.data();
}

// Counts, checks and passes on what a decoder produces. A large entry's file
// is written behind the decoder, from two buffers taking turns, once the entry
// has shown it is large by producing a whole buffer: a damaged or hostile entry
// that only declares a large size costs no thread.
class Sink {
public:
    Sink(const DecodeRequest &request, Output *output, DecoderContext &context)
        : m_request(request), m_output(output), m_context(context),
          m_mayWriteBehind(output && request.size > kWholeEntryLimit)
    {
    }

    // Where the decoder puts its next kChunk bytes at most.
    uint8_t *buffer()
    {
        return Room(m_context.chunks[m_turn], kChunk);
    }

    DecodeStatus put(const uint8_t *data, size_t length)
    {
        if (length == 0)
            return DecodeStatus::Ok;
        if (length > m_request.size - m_total)
            return DecodeStatus::TooLong;
        if (m_request.cancel && m_request.cancel->load(std::memory_order_relaxed))
            return DecodeStatus::Cancelled;
        if (m_mayWriteBehind && !m_behind && m_total >= kChunk)
            startWritingBehind();
        const uint64_t before = m_total;
        m_total += length;
        if (m_behind) {
            if (!m_behind->hand(data, length))
                return DecodeStatus::WriteFailed;
            m_turn ^= 1;
        } else {
            m_crc = libdeflate_crc32(m_crc, data, length);
            if (m_output && !m_output->write(data, length))
                return DecodeStatus::WriteFailed;
        }
        if (m_request.progress && before / kChunk != m_total / kChunk)
            m_request.progress->decoded(m_total);
        return DecodeStatus::Ok;
    }

    DecodeStatus finish()
    {
        if (m_behind) {
            if (!m_behind->drain())
                return DecodeStatus::WriteFailed;
            m_crc = m_behind->crc();
        }
        if (m_total < m_request.size)
            return DecodeStatus::TooShort;
        if (m_request.checkCrc && m_crc != m_request.crc)
            return DecodeStatus::BadCrc;
        return DecodeStatus::Ok;
    }

private:
    void startWritingBehind()
    {
        m_mayWriteBehind = false;
        try {
            m_behind = std::make_unique<WriteBehind>(m_output, m_crc);
        } catch (const std::system_error &) {
            // No thread to be had: the decoder goes on writing as it goes.
        }
    }

    const DecodeRequest &m_request;
    Output *m_output;
    DecoderContext &m_context;
    bool m_mayWriteBehind;
    std::unique_ptr<WriteBehind> m_behind;
    unsigned m_turn = 0;
    uint64_t m_total = 0;
    uint32_t m_crc = 0;
};

// Reads up to `capacity` bytes, stopping early only at the end of the stream.
ssize_t readFull(Source &source, uint8_t *buffer, size_t capacity)
{
    size_t total = 0;
    while (total < capacity) {
        ssize_t n = source.read(buffer + total, capacity - total);
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        total += size_t(n);
    }
    return ssize_t(total);
}

#define PASS_ON(expr)                                  \
    do {                                               \
        DecodeStatus status_ = (expr);                 \
        if (status_ != DecodeStatus::Ok)               \
            return status_;                            \
    } while (0)

DecodeStatus copyStored(const DecodeRequest &request, Source &source, Sink &sink)
{
    // Already in memory: passed on as it is, and an entry longer than declared
    // is noticed by its source's bound.
    uint64_t length = 0;
    if (const uint8_t *data = source.view(length))
        return sink.put(data, size_t(length));
    // One read and one write for small entries; at most one extra byte is asked
    // for so that an entry longer than declared is noticed.
    size_t chunk = size_t(std::min<uint64_t>(request.size + 1, kChunk));
    for (;;) {
        uint8_t *buffer = sink.buffer();
        ssize_t n = readFull(source, buffer, chunk);
        if (n < 0)
            return DecodeStatus::ReadFailed;
        if (n == 0)
            return DecodeStatus::Ok;
        PASS_ON(sink.put(buffer, size_t(n)));
    }
}

DecodeStatus inflateWhole(const DecodeRequest &request, Source &source, Sink &sink, DecoderContext &context)
{
    uint64_t length = 0;
    const uint8_t *in = source.view(length);
    if (!in) {
        const size_t capacity = size_t(request.packedSize) + 1;
        ssize_t n = readFull(source, Room(context.in, capacity), capacity);
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

// Gives a streaming codec the next chunk of input once it has used up the
// last one. Answers false when the read failed; `ended` turns true at the end.
template <typename In, typename Count>
bool refill(Source &source, DecoderContext &context, bool &ended, In *&nextIn, Count &availIn)
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

DecodeStatus inflateStream(Source &source, Sink &sink, DecoderContext &context)
{
    if (!context.isal)
        context.isal = std::make_unique<inflate_state>();
    inflate_state &state = *context.isal;
    isal_inflate_init(&state);
    state.crc_flag = ISAL_DEFLATE;
    Room(context.in, kChunk);
    bool ended = false;
    while (state.block_state != ISAL_BLOCK_FINISH) {
        if (!refill(source, context, ended, state.next_in, state.avail_in))
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

DecodeStatus inflate64(Source &source, Sink &sink, DecoderContext &context)
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
        if (!refill(source, context, ended, next, avail))
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

DecodeStatus bunzip(Source &source, Sink &sink, DecoderContext &context)
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
        if (!refill(source, context, ended, stream.next_in, stream.avail_in))
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

constexpr uint64_t kLzmaMemoryLimit = 512u << 20;

// An XZ stream says what its dictionary needs only in its blocks' headers:
// the decoder starts below any real dictionary, and each time a block needs
// more, the budget is asked for it before the limit is raised.
constexpr uint64_t kXzStartLimit = 1u << 20;

struct LzmaMemory {
    MemoryGrant &grant;
    const KeepWaiting &keepWaiting;
};

DecodeStatus runLzma(lzma_stream &stream, Source &source, Sink &sink, DecoderContext &context, bool ended,
                     const LzmaMemory &memory)
{
    for (;;) {
        if (!refill(source, context, ended, stream.next_in, stream.avail_in))
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

DecodeStatus unLzma(const DecodeRequest &request, Source &source, Sink &sink, DecoderContext &context,
                    const KeepWaiting &keepWaiting)
{
    // The ZIP form: version (2 bytes), properties size (2 bytes, 5), properties.
    Room(context.in, kChunk);
    ssize_t n = readFull(source, context.in.data(), 9);
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
    return runLzma(stream, source, sink, context, false, {grant, keepWaiting});
}

DecodeStatus unXz(Source &source, Sink &sink, DecoderContext &context, const KeepWaiting &keepWaiting)
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
    return runLzma(stream, source, sink, context, false, {grant, keepWaiting});
}

DecodeStatus unZstd(Source &source, Sink &sink, DecoderContext &context)
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

// Hands the range decoder the entry's bytes one chunk at a time.
class PpmdFeed : public ppmd::ByteFeed {
public:
    PpmdFeed(Source &source, DecoderContext &context) : m_source(source), m_context(context) {}
    bool more(const uint8_t *&next, const uint8_t *&end) override
    {
        ssize_t n = m_source.read(m_context.in.data(), kChunk);
        if (n < 0)
            failed = true;
        if (n <= 0)
            return false;
        next = m_context.in.data();
        end = next + n;
        return true;
    }
    bool failed = false;

private:
    Source &m_source;
    DecoderContext &m_context;
};

DecodeStatus unPpmd(const DecodeRequest &request, Source &source, Sink &sink, DecoderContext &context,
                    const KeepWaiting &keepWaiting)
{
    uint8_t header[2];
    ssize_t n = readFull(source, header, sizeof header);
    if (n < 0)
        return DecodeStatus::ReadFailed;
    if (n < 2) // an empty file may come without even the parameter word
        return n == 0 && request.size == 0 ? DecodeStatus::Ok : DecodeStatus::Corrupt;
    ppmd::Parameters parameters;
    switch (ppmd::ParseHeader(uint16_t(header[0] | header[1] << 8), parameters)) {
    case ppmd::HeaderCheck::Ok: break;
    case ppmd::HeaderCheck::Invalid: return DecodeStatus::Corrupt;
    case ppmd::HeaderCheck::TooLarge: return DecodeStatus::PpmdModelTooLarge;
    }
    if (!context.ppmd)
        context.ppmd = std::make_unique<ppmd::Model>();
    switch (context.ppmd->reserve(parameters.memorySize, keepWaiting)) {
    case ppmd::Allocator::Reserved::Ok: break;
    case ppmd::Allocator::Reserved::NoMemory: return DecodeStatus::NeedsTooMuchMemory;
    case ppmd::Allocator::Reserved::GaveUp: return DecodeStatus::Cancelled;
    }
    // Between entries the model's block counts as the process's, not this thread's.
    struct PutAway {
        ppmd::Model &model;
        ~PutAway() { model.putAway(); }
    } putAway{*context.ppmd};

    Room(context.in, kChunk);
    PpmdFeed feed(source, context);
    ppmd::RangeDecoder coder(feed);
    if (!coder.start())
        return feed.failed ? DecodeStatus::ReadFailed : DecodeStatus::Corrupt;
    context.ppmd->start(parameters.order, parameters.restore);
    ppmd::SymbolDecoder decoder(*context.ppmd, coder);
    for (uint64_t left = request.size; left != 0;) {
        uint8_t *out = sink.buffer();
        size_t produced = 0;
        ppmd::Outcome outcome = decoder.decode(out, size_t(std::min<uint64_t>(left, kChunk)), produced);
        if (feed.failed)
            return DecodeStatus::ReadFailed;
        // Past the input's end the decoder only makes up bytes.
        if (coder.damaged())
            return DecodeStatus::Corrupt;
        PASS_ON(sink.put(out, produced));
        // An end mark before the declared size: the entry lost its tail.
        if (outcome == ppmd::Outcome::EndMark)
            return DecodeStatus::TooShort;
        if (outcome == ppmd::Outcome::Damaged)
            return DecodeStatus::Corrupt;
        left -= produced;
    }
    return DecodeStatus::Ok;
}

} // namespace

DecoderContext::DecoderContext() : deflater(libdeflate_alloc_decompressor())
{
    DecoderContextOpened();
}

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
    case 2: case 3: case 4: case 5: return "Reduce";
    case 6: return "Implode";
    case 8: return "Deflate";
    case 9: return "Deflate64";
    case 10: return "PKWARE Implode";
    case 12: return "BZip2";
    case 14: return "LZMA";
    case 20: case 93: return "Zstd";
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
    case 0: status = copyStored(request, source, sink); break;
    case 8:
        status = (request.size <= kWholeEntryLimit && request.packedSize <= kWholeEntryLimit)
                     ? inflateWhole(request, source, sink, context)
                     : inflateStream(source, sink, context);
        break;
    case 9: status = inflate64(source, sink, context); break;
    case 12: status = bunzip(source, sink, context); break;
    case 14: status = unLzma(request, source, sink, context, keepWaiting); break;
    case 20: case 93: status = unZstd(source, sink, context); break;
    case 95: status = unXz(source, sink, context, keepWaiting); break;
    case 98: status = unPpmd(request, source, sink, context, keepWaiting); break;
    default: return DecodeStatus::Unsupported;
    }
    if (status != DecodeStatus::Ok)
        return status;
    return sink.finish();
}

} // namespace unzip32

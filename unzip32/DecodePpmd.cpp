#include "DecodeMethods.h"
#include "PpmdDecoder.h"

#include <algorithm>

namespace unzip32 {

namespace {

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

// The range-coded symbols, once the model is reserved.
DecodeStatus decodeSymbols(const DecodeRequest &request, Source &source, Sink &sink, DecoderContext &context,
                           const ppmd::Parameters &parameters)
{
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

DecodeStatus UnPpmd(const DecodeRequest &request, Source &source, Sink &sink, DecoderContext &context,
                    const KeepWaiting &keepWaiting)
{
    uint8_t header[2];
    ssize_t n = ReadFull(source, header, sizeof header);
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
    return decodeSymbols(request, source, sink, context, parameters);
}

} // namespace unzip32

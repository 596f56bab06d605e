// What LZMA and XZ share: both run on liblzma's stream, with the memory its
// dictionary needs granted from the decoders' budget (DecoderMemory.h).
#pragma once

#include "DecodeSink.h"
#include "DecoderMemory.h"

#include <lzma.h>

namespace unzip32 {

constexpr uint64_t kLzmaMemoryLimit = 512u << 20;

struct LzmaMemory {
    MemoryGrant &grant;
    const KeepWaiting &keepWaiting;
};

// Decodes until the stream's end, raising the memory limit (and the grant)
// as far as kLzmaMemoryLimit when the stream asks for more.
DecodeStatus RunLzma(lzma_stream &stream, Source &source, Sink &sink, DecoderContext &context, bool ended,
                     const LzmaMemory &memory);

} // namespace unzip32

// One decoder alone, built once per method (FUZZ_METHOD). The input's first
// byte is the entry's general-purpose flags (bit 1 matters to LZMA), the next
// three the declared size; the rest is the stored stream. Declared sizes up to
// 16 MiB reach both deflate paths: the whole-entry one and the streaming one.
#include "Decoders.h"
#include "FuzzSandbox.h"

#include <algorithm>
#include <cstring>

namespace {

class MemorySource : public unzip32::Source {
public:
    MemorySource(const uint8_t *data, size_t size) : m_data(data), m_left(size) {}
    ssize_t read(void *buffer, size_t length) override
    {
        // Uneven pieces, as a decrypting reader hands them out.
        size_t n = std::min({length, m_left, size_t(4093)});
        std::memcpy(buffer, m_data, n);
        m_data += n;
        m_left -= n;
        return ssize_t(n);
    }
    std::string error() const override { return "none"; }

private:
    const uint8_t *m_data;
    size_t m_left;
};

class CountingOutput : public unzip32::Output {
public:
    bool write(const uint8_t *, size_t length) override
    {
        total += length;
        return true;
    }
    uint64_t total = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 4)
        return 0;
    static unzip32::DecoderContext context;
    unzip32::DecodeRequest request;
    request.method = FUZZ_METHOD;
    request.flags = data[0];
    request.size = uint64_t(data[1]) | uint64_t(data[2]) << 8 | uint64_t(data[3]) << 16;
    request.packedSize = size - 4;
    request.checkCrc = false;
    MemorySource source(data + 4, size - 4);
    CountingOutput output;
    unzip32::DecodeStatus status = unzip32::DecodeEntry(request, source, &output, context);
    if (output.total > request.size)
        fuzz::Finding("more bytes passed on than declared");
    if (status == unzip32::DecodeStatus::Ok && output.total != request.size)
        fuzz::Finding("accepted with a size other than the declared one");
    return 0;
}

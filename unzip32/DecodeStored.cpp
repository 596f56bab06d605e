#include "DecodeMethods.h"

#include <algorithm>

namespace unzip32 {

DecodeStatus CopyStored(const DecodeRequest &request, Source &source, Sink &sink)
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
        ssize_t n = ReadFull(source, buffer, chunk);
        if (n < 0)
            return DecodeStatus::ReadFailed;
        if (n == 0)
            return DecodeStatus::Ok;
        PASS_ON(sink.put(buffer, size_t(n)));
    }
}

} // namespace unzip32

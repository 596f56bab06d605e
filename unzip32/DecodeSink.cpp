#include "DecodeSink.h"

#include <libdeflate.h>

#include <system_error>

namespace unzip32 {

uint8_t *Room(std::vector<uint8_t> &buffer, size_t size)
{
    if (buffer.size() < size)
        buffer.resize(size);
    return buffer.data();
}

ssize_t ReadFull(Source &source, uint8_t *buffer, size_t capacity)
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

Sink::Sink(const DecodeRequest &request, Output *output, DecoderContext &context)
    : m_request(request), m_output(output), m_context(context),
      m_mayWriteBehind(output && request.size > kWholeEntryLimit)
{}

uint8_t *Sink::buffer() { return Room(m_context.chunks[m_turn], kChunk); }

DecodeStatus Sink::put(const uint8_t *data, size_t length)
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

DecodeStatus Sink::finish()
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

void Sink::startWritingBehind()
{
    m_mayWriteBehind = false;
    try {
        m_behind = std::make_unique<WriteBehind>(m_output, m_crc);
    } catch (const std::system_error &) {
        // No thread to be had: the decoder goes on writing as it goes.
    }
}

} // namespace unzip32

#include "WriteBehind.h"

#include <libdeflate.h>

namespace unzip32 {

WriteBehind::WriteBehind(Output *output, uint32_t crc) : m_output(output), m_crc(crc), m_thread([this] { run(); }) {}

WriteBehind::~WriteBehind()
{
    drain();
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

bool WriteBehind::hand(const uint8_t *data, size_t length)
{
    {
        std::unique_lock lock(m_mutex);
        // The buffer before this one is written first: the decoder is never
        // more than one buffer ahead, and two buffers take turns.
        m_changed.wait(lock, [this] { return m_data == nullptr; });
        if (m_failed)
            return false;
        m_data = data;
        m_length = length;
    }
    m_changed.notify_all();
    return true;
}

bool WriteBehind::drain()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_data == nullptr; });
    return !m_failed;
}

void WriteBehind::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_data != nullptr || m_stopping; });
        if (m_data == nullptr)
            return;
        const uint8_t *data = m_data;
        const size_t length = m_length;
        lock.unlock();
        m_crc = libdeflate_crc32(m_crc, data, length);
        const bool ok = m_output->write(data, length);
        lock.lock();
        m_data = nullptr;
        m_failed = m_failed || !ok;
        m_changed.notify_all();
    }
}

} // namespace unzip32

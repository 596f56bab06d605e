// Writing a large entry's file on a thread of its own while its decoder fills
// the next buffer. A large entry is otherwise one thread's work from its first
// byte to its last, and in a batch it is the one everything else waits for;
// this way the copy into the file system and the CRC run beside the decoding.
#pragma once

#include "Decoders.h"

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

namespace unzip32 {

class WriteBehind {
public:
    // `crc`: the CRC-32 of what was written before.
    WriteBehind(Output *output, uint32_t crc);
    // Waits for what was handed over, so no buffer is used after the entry ends.
    ~WriteBehind();
    WriteBehind(const WriteBehind &) = delete;
    WriteBehind &operator=(const WriteBehind &) = delete;

    // Hands over a filled buffer once the one before it is written, so that
    // one may be filled again. False once a write has failed.
    bool hand(const uint8_t *data, size_t length);
    // Waits until everything handed over is written; false if a write failed.
    bool drain();
    // The CRC-32 of everything written, the earlier part included; read after drain().
    uint32_t crc() const { return m_crc; }

private:
    void run();

    Output *m_output;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    const uint8_t *m_data = nullptr; // the buffer handed over and not yet written, if any
    size_t m_length = 0;
    bool m_failed = false, m_stopping = false;
    uint32_t m_crc = 0;
    std::thread m_thread;
};

} // namespace unzip32

// How much memory the decoders of the whole process hold at once. A PPMd
// model takes up to 256 MiB and an LZMA dictionary up to 512 MiB, and every
// thread of every call in the process may be decoding one: unbounded, a few
// archives side by side take gigabytes. A decoder that would pass the budget
// waits for others to give memory back; one that would run alone runs
// whatever it needs, or a large model could never be decoded at all.
#pragma once

#include <cstdint>
#include <functional>

namespace unzip32 {

// Asked about once every 100 ms while a decoder waits, on its own thread and
// with no lock held: false gives up (the call was cancelled).
using KeepWaiting = std::function<bool()>;

// The budget: MARROWLYN_DECODER_MEMORY when set (bytes, or with a K, M or G
// suffix), otherwise a quarter of the memory available when first asked,
// and never less than one largest model.
uint64_t DecoderMemoryBudget();

// What one decoder holds; given back when it goes.
class MemoryGrant {
public:
    MemoryGrant() = default;
    ~MemoryGrant() { release(); }
    MemoryGrant(const MemoryGrant &) = delete;
    MemoryGrant &operator=(const MemoryGrant &) = delete;

    // Raises what is held to `bytes`, waiting while others hold too much.
    // False, holding what it held, when `keepWaiting` gave up.
    bool raise(uint64_t bytes, const KeepWaiting &keepWaiting);
    void release();
    uint64_t held() const { return m_held; }

    // A block from malloc() of `bytes`, kept for the next entry that needs
    // the same size on any thread: the grant moves with it. Kept blocks
    // count in the budget, and a decoder that needs the room frees them.
    void keep(void *block);
    void *takeKept(uint64_t bytes);

private:
    uint64_t m_held = 0;
};

// Every DecoderContext counts itself here: when the last one goes, so do
// the kept blocks, and an idle program holds no model's memory.
void DecoderContextOpened();
void DecoderContextClosed();

} // namespace unzip32

// The memory of a PPMd model: one block holding the text history at the bottom
// and 12-byte units for contexts and symbol lists above it, with free lists by
// block size. Every choice here (which free block is reused, when blocks are
// glued, where the text area ends) changes when the model runs out of memory,
// so it must behave exactly as the encoder's allocator did.
#pragma once

#include "DecoderMemory.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

#if defined(__GNUC__)
#  define PPMD_MAY_ALIAS __attribute__((may_alias))
#else
#  define PPMD_MAY_ALIAS
#endif

namespace unzip32::ppmd {

constexpr unsigned kUnitSize = 12;
constexpr unsigned kIndexCount = 38; // block sizes: 1..4, 6..12 by 2, 15..24 by 3, 28..128 by 4 units

// A symbol of a context: 6 bytes, its successor split in two halves so that it
// packs at 2-byte alignment.
struct PPMD_MAY_ALIAS State {
    uint8_t symbol;
    uint8_t freq;
    uint16_t successorLow;
    uint16_t successorHigh;

    uint32_t successor() const { return successorLow | uint32_t(successorHigh) << 16; }
    void setSuccessor(uint32_t ref)
    {
        successorLow = uint16_t(ref);
        successorHigh = uint16_t(ref >> 16);
    }
};

// A context: one unit. `numStats` is the symbol count minus one; a context of
// one symbol keeps it in place of `summFreq` and `stats` (see oneState()).
struct PPMD_MAY_ALIAS Context {
    uint8_t numStats;
    uint8_t flags;
    uint16_t summFreq;
    uint32_t stats;
    uint32_t suffix;

    State *oneState() { return reinterpret_cast<State *>(&summFreq); }
};

static_assert(sizeof(State) == 6 && sizeof(Context) == kUnitSize);

class Allocator {
public:
    Allocator();

    enum class Reserved { Ok, NoMemory, GaveUp };
    // Takes a block of that size that another entry put away, or makes one
    // once the process's budget has room (DecoderMemory.h).
    Reserved reserve(uint32_t size, const KeepWaiting &keepWaiting);
    // Hands the block to the process for the next entry of the same size.
    void putAway();
    uint32_t size() const { return m_size; }

    // Empties the block: text at the bottom, the upper 7/8 for units.
    void reset();

    uint8_t *base() const { return m_base.get(); }
    uint32_t ref(const void *p) const { return uint32_t(static_cast<const uint8_t *>(p) - m_base.get()); }
    template <typename T> T *at(uint32_t ref) const { return reinterpret_cast<T *>(m_base.get() + ref); }
    uint8_t *textStart() const { return m_base.get() + m_alignOffset; }

    void *allocUnits(unsigned index);
    void *allocContext();
    void *shrink(void *block, unsigned oldUnits, unsigned newUnits);
    // Replaces a list of `units` with one a unit larger when that changes its size class.
    void *grow(void *block, unsigned units);
    void freeUnits(void *block, unsigned units) { pushFree(block, unitsToIndex(units)); }
    void pushFree(void *block, unsigned index);
    // Frees a single unit, giving it back to the text area when it lies at its edge.
    void freeUnitNearText(void *block);
    // Moves a list near the text area to a free block higher up, so that the text can grow.
    void *moveAwayFromText(void *block, unsigned units);
    // Gives the free blocks at the edge of the text area to the text.
    void giveFreeEdgeToText();
    // What contexts and lists hold: decides between starting over and pruning.
    uint32_t usedMemory() const;

    unsigned unitsToIndex(unsigned units) const { return m_units2Index[units - 1]; }
    unsigned indexToUnits(unsigned index) const { return m_index2Units[index]; }

    uint8_t *text = nullptr;                      // where the next symbol of the history goes
    uint8_t *unitsStart = nullptr;                // the end of the text area
    uint8_t *loUnit = nullptr, *hiUnit = nullptr; // the never-used gap
    uint32_t glueCount = 0;                       // 0: merge free blocks at the next shortage

private:
    void *popFree(unsigned index);
    void splitOff(void *block, unsigned oldIndex, unsigned newIndex);
    void mergeFreeBlocks();
    void *allocSlow(unsigned index);
    void pushFreeRun(uint8_t *block, unsigned units);

    struct Release {
        void operator()(uint8_t *p) const { std::free(p); }
    };
    MemoryGrant m_grant; // given back after the block is freed
    std::unique_ptr<uint8_t, Release> m_base;
    uint32_t m_size = 0;
    uint32_t m_alignOffset = 0;
    uint32_t m_freeList[kIndexCount] = {};
    uint32_t m_counts[kIndexCount] = {}; // free blocks per list
    uint8_t m_index2Units[kIndexCount];
    uint8_t m_units2Index[128];
};

} // namespace unzip32::ppmd

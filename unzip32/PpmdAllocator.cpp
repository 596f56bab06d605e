#include "PpmdAllocator.h"

#include <cstring>

#if defined(__linux__)
#  include <sys/mman.h>
#endif

namespace unzip32::ppmd {

namespace {

// A free block as the lists hold it. `stamp` overlays the first bytes of a
// context or symbol list, which can never read as all ones, so a scan through
// memory can tell free blocks from used ones.
struct PPMD_MAY_ALIAS Node {
    uint32_t stamp;
    uint32_t next;
    uint32_t units;
};

constexpr uint32_t kFreeStamp = 0xFFFFFFFF;
constexpr unsigned kMaxUnits = 128;

// Past the block's end: room for one more unit to be read by a scan that finds
// no guard, and zeros so that it stops there.
constexpr uint32_t kTail = 2 * kUnitSize;

// A large model is read all over at random: huge pages spare most of the
// address translations that would otherwise cost as much as the reads.
uint8_t *allocateBlock(size_t bytes)
{
    constexpr size_t kHugePage = 2u << 20;
    void *block = nullptr;
    if (bytes < 4 * kHugePage)
        return static_cast<uint8_t *>(std::malloc(bytes));
    if (posix_memalign(&block, kHugePage, bytes) != 0)
        return nullptr;
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    madvise(block, bytes, MADV_HUGEPAGE); // a hint: without it the block works the same
#endif
    return static_cast<uint8_t *>(block);
}

void copyUnits(void *to, const void *from, unsigned units) { std::memmove(to, from, size_t(units) * kUnitSize); }

} // namespace

Allocator::Allocator()
{
    unsigned units = 0;
    for (unsigned i = 0; i < kIndexCount; i++) {
        unsigned step = i >= 12 ? 4 : (i >> 2) + 1;
        for (unsigned k = 0; k < step; k++)
            m_units2Index[units++] = uint8_t(i);
        m_index2Units[i] = uint8_t(units);
    }
}

Allocator::Reserved Allocator::reserve(uint32_t size, const KeepWaiting &keepWaiting)
{
    if (m_base && m_size == size)
        return Reserved::Ok;
    m_base.reset();
    m_grant.release();
    m_size = 0;
    // Units are laid down from the top; this puts the top on a 4-byte boundary.
    m_alignOffset = 4 - (size & 3);
    // One length for each model size, whatever its offset: kept blocks are found by it.
    const size_t bytes = size_t(4) + size + kTail;
    if (void *kept = m_grant.takeKept(bytes)) {
        m_base.reset(static_cast<uint8_t *>(kept)); // made below, for a model of this size
        m_size = size;
        return Reserved::Ok;
    }
    if (!m_grant.raise(bytes, keepWaiting))
        return Reserved::GaveUp;
    m_base.reset(allocateBlock(bytes));
    if (!m_base) {
        m_grant.release();
        return Reserved::NoMemory;
    }
    std::memset(m_base.get(), 0, m_alignOffset);
    std::memset(m_base.get() + m_alignOffset + size, 0, kTail);
    m_size = size;
    return Reserved::Ok;
}

void Allocator::putAway()
{
    if (m_base)
        m_grant.keep(m_base.release());
    m_size = 0;
}

void Allocator::reset()
{
    std::memset(m_freeList, 0, sizeof m_freeList);
    std::memset(m_counts, 0, sizeof m_counts);
    text = textStart();
    hiUnit = text + m_size;
    loUnit = unitsStart = hiUnit - m_size / 8 / kUnitSize * 7 * kUnitSize;
    glueCount = 0;
}

void Allocator::pushFree(void *block, unsigned index)
{
    Node *node = static_cast<Node *>(block);
    node->stamp = kFreeStamp;
    node->next = m_freeList[index];
    node->units = indexToUnits(index);
    m_freeList[index] = ref(node);
    m_counts[index]++;
}

void *Allocator::popFree(unsigned index)
{
    Node *node = at<Node>(m_freeList[index]);
    m_freeList[index] = node->next;
    m_counts[index]--;
    return node;
}

// Frees `units` units at `block` as at most two list-sized pieces.
void Allocator::pushFreeRun(uint8_t *block, unsigned units)
{
    unsigned index = unitsToIndex(units);
    if (indexToUnits(index) != units) {
        unsigned head = indexToUnits(--index);
        pushFree(block + head * kUnitSize, units - head - 1);
    }
    pushFree(block, index);
}

void Allocator::splitOff(void *block, unsigned oldIndex, unsigned newIndex)
{
    unsigned kept = indexToUnits(newIndex);
    pushFreeRun(static_cast<uint8_t *>(block) + kept * kUnitSize, indexToUnits(oldIndex) - kept);
}

void Allocator::mergeFreeBlocks()
{
    glueCount = 1 << 13;
    std::memset(m_counts, 0, sizeof m_counts);
    // The gap's first unit stops a run of free blocks from reaching into it;
    // the topmost unit always holds the root context, which stops the rest.
    if (loUnit != hiUnit)
        reinterpret_cast<Node *>(loUnit)->stamp = 0;

    // Every free block in one chain, list by list; each takes in the free
    // blocks that follow it in memory (their size drops to 0).
    uint32_t head = 0;
    uint32_t *link = &head;
    for (unsigned i = 0; i < kIndexCount; i++) {
        uint32_t next = m_freeList[i];
        m_freeList[i] = 0;
        while (next != 0) {
            Node *node = at<Node>(next);
            if (node->units != 0) {
                *link = next;
                link = &node->next;
                for (Node *after; (after = node + node->units)->stamp == kFreeStamp;) {
                    node->units += after->units;
                    after->units = 0;
                }
            }
            next = node->next;
        }
    }
    *link = 0;

    while (head != 0) {
        Node *node = at<Node>(head);
        head = node->next;
        unsigned units = node->units;
        if (units == 0)
            continue;
        for (; units > kMaxUnits; units -= kMaxUnits, node += kMaxUnits)
            pushFree(node, kIndexCount - 1);
        pushFreeRun(reinterpret_cast<uint8_t *>(node), units);
    }
}

void *Allocator::allocSlow(unsigned index)
{
    if (glueCount == 0) {
        mergeFreeBlocks();
        if (m_freeList[index] != 0)
            return popFree(index);
    }
    unsigned larger = index;
    do {
        if (++larger == kIndexCount) {
            // Nothing free that is large enough: take it from the text area's end.
            uint32_t bytes = indexToUnits(index) * kUnitSize;
            glueCount--;
            if (uint32_t(unitsStart - text) <= bytes)
                return nullptr;
            unitsStart -= bytes;
            return unitsStart;
        }
    } while (m_freeList[larger] == 0);
    void *block = popFree(larger);
    splitOff(block, larger, index);
    return block;
}

void *Allocator::allocUnits(unsigned index)
{
    if (m_freeList[index] != 0)
        return popFree(index);
    uint32_t bytes = indexToUnits(index) * kUnitSize;
    if (bytes <= uint32_t(hiUnit - loUnit)) {
        void *block = loUnit;
        loUnit += bytes;
        return block;
    }
    return allocSlow(index);
}

void *Allocator::allocContext()
{
    // Contexts grow down from the top of the gap, symbol lists up from its bottom.
    if (hiUnit != loUnit)
        return hiUnit -= kUnitSize;
    if (m_freeList[0] != 0)
        return popFree(0);
    return allocSlow(0);
}

void *Allocator::shrink(void *block, unsigned oldUnits, unsigned newUnits)
{
    unsigned oldIndex = unitsToIndex(oldUnits);
    unsigned newIndex = unitsToIndex(newUnits);
    if (oldIndex == newIndex)
        return block;
    if (m_freeList[newIndex] != 0) {
        void *moved = popFree(newIndex);
        copyUnits(moved, block, newUnits);
        pushFree(block, oldIndex);
        return moved;
    }
    splitOff(block, oldIndex, newIndex);
    return block;
}

void *Allocator::grow(void *block, unsigned units)
{
    unsigned index = unitsToIndex(units);
    if (index == unitsToIndex(units + 1))
        return block;
    void *grown = allocUnits(index + 1);
    if (!grown)
        return nullptr;
    copyUnits(grown, block, units);
    pushFree(block, index);
    return grown;
}

void Allocator::freeUnitNearText(void *block)
{
    if (static_cast<uint8_t *>(block) != unitsStart)
        pushFree(block, 0);
    else
        unitsStart += kUnitSize;
}

void *Allocator::moveAwayFromText(void *block, unsigned units)
{
    unsigned index = unitsToIndex(units);
    if (static_cast<uint8_t *>(block) > unitsStart + 16 * 1024 || ref(block) > m_freeList[index])
        return block;
    void *moved = popFree(index);
    copyUnits(moved, block, units);
    if (static_cast<uint8_t *>(block) != unitsStart)
        pushFree(block, index);
    else
        unitsStart += indexToUnits(index) * kUnitSize;
    return moved;
}

void Allocator::giveFreeEdgeToText()
{
    uint32_t taken[kIndexCount] = {};
    if (loUnit != hiUnit)
        reinterpret_cast<Node *>(loUnit)->stamp = 0;
    // Free blocks right above the text join it; they are marked so that the
    // lists can drop them below.
    Node *node = reinterpret_cast<Node *>(unitsStart);
    for (; node->stamp == kFreeStamp; node += node->units) {
        node->stamp = 0;
        taken[unitsToIndex(node->units)]++;
    }
    unitsStart = reinterpret_cast<uint8_t *>(node);

    for (unsigned i = 0; i < kIndexCount; i++) {
        uint32_t *link = &m_freeList[i];
        while (taken[i] != 0) {
            Node *n = at<Node>(*link);
            while (n->stamp == 0) {
                *link = n->next;
                n = at<Node>(*link);
                m_counts[i]--;
                if (--taken[i] == 0)
                    break;
            }
            link = &n->next;
        }
    }
}

uint32_t Allocator::usedMemory() const
{
    uint32_t freeUnits = 0;
    for (unsigned i = 0; i < kIndexCount; i++)
        freeUnits += m_counts[i] * indexToUnits(i);
    return m_size - uint32_t(hiUnit - loUnit) - uint32_t(unitsStart - text) - freeUnits * kUnitSize;
}

} // namespace unzip32::ppmd

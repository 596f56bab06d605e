// The context model of PPMd variant I (revision 1): contexts of up to
// `maxOrder` preceding bytes, their symbol statistics, the adaptive escape
// estimates, and what happens when the memory block is full (start over, or
// cut the tree down). The decoder reads its statistics and reports each
// decoded symbol through one of the update calls, exactly as the encoder did.
#pragma once

#include "PpmdAllocator.h"

namespace unzip32::ppmd {

constexpr unsigned kMaxFreq = 124;
constexpr unsigned kBinScaleBits = 14; // binary contexts' probabilities are out of 1 << 14
constexpr unsigned kPeriodBits = 7;

enum class Restore { Restart = 0, CutOff = 1 };

// An adaptive escape estimate for contexts with masked symbols.
struct See {
    uint16_t summ;
    uint8_t shift;
    uint8_t count;

    unsigned take()
    {
        unsigned mean = summ >> shift;
        summ = uint16_t(summ - mean);
        return mean + (mean == 0);
    }
    void update()
    {
        if (shift < kPeriodBits && --count == 0) {
            summ = uint16_t(summ * 2);
            count = uint8_t(3 << shift++);
        }
    }
};

class Model {
public:
    Model();

    Allocator::Reserved reserve(uint32_t memorySize, const KeepWaiting &keepWaiting)
    {
        return m_heap.reserve(memorySize, keepWaiting);
    }
    void putAway() { m_heap.putAway(); }
    uint32_t memorySize() const { return m_heap.size(); }
    void start(unsigned maxOrder, Restore restore);

    Context *minContext() const { return m_minContext; }
    Context *suffixOf(const Context *c) const { return m_heap.at<Context>(c->suffix); }
    State *statsOf(const Context *c) const { return m_heap.at<State>(c->stats); }

    // The probability slot of the current binary (one-symbol) context.
    uint16_t &binaryProbability();
    // The escape estimate of the current context, given the symbols masked so far.
    See *escapeEstimate(unsigned maskedCount, uint32_t &escapeFreq);
    // Moves to the suffix after an escape. False at the root: nothing is left.
    bool escapeToSuffix()
    {
        m_orderFall++;
        if (m_minContext->suffix == 0)
            return false;
        m_minContext = suffixOf(m_minContext);
        return true;
    }

    // After the binary context's symbol was decoded.
    void binaryHit();
    // After a binary context escaped: picks the initial escape of new contexts.
    void binaryMiss(uint16_t probability);
    // After the first (most probable) symbol of a context was decoded.
    void firstHit(State *s);
    // After another symbol of the first context tried.
    void laterHit(State *s);
    // A context tried before with no success.
    void missed() { m_prevSuccess = 0; }
    // After a symbol was found in a suffix context, past masked symbols.
    void maskedHit(State *s);

private:
    void restart();
    void nextContext();
    void learn();
    void halveCounts();
    Context *growBranch(bool skip, State *s1, Context *c);
    Context *linkToHistory(State *s1, Context *c);
    void recoverMemory(Context *c1);
    void shrinkAndScale(Context *ctx, unsigned oldUnits, unsigned scale);
    uint32_t prune(Context *ctx, unsigned order);
    void addSymbolToSuffixes(Context *c, uint32_t successor, uint32_t fSuccessor, unsigned fFreq);
    State *findSymbol(Context *c, uint8_t symbol) const;

    Allocator m_heap;
    Context *m_minContext = nullptr, *m_maxContext = nullptr;
    State *m_foundState = nullptr;
    unsigned m_orderFall = 0, m_initEsc = 0, m_prevSuccess = 0, m_maxOrder = 0;
    int32_t m_runLength = 0, m_initRunLength = 0;
    Restore m_restore = Restore::Restart;

    uint8_t m_ns2Index[260];
    uint8_t m_ns2BinIndex[256];
    See m_dummySee{};
    See m_see[24][32];
    uint16_t m_binSumm[25][64];
};

} // namespace unzip32::ppmd

#include "PpmdModel.h"

#include <algorithm>
#include <cstring>

namespace unzip32::ppmd {

namespace {

constexpr uint16_t kInitBinEscape[8] = {0x3CDD, 0x1F3F, 0x59BF, 0x48F3, 0x64A1, 0x5ABC, 0x6632, 0x6051};
constexpr uint8_t kExpEscape[16] = {25, 14, 9, 7, 5, 5, 4, 4, 4, 3, 3, 3, 2, 2, 2, 2};
constexpr unsigned kMaxOrder = 64;
constexpr unsigned kOrderBound = 9; // cutting off keeps one-symbol contexts up to this order

// Symbols from 0x40 up mark a context's flags: text and binary data differ there.
uint8_t highFlag(uint8_t symbol, uint8_t bit) { return symbol >= 0x40 ? bit : 0; }

// Units a list of numStats + 1 symbols takes, two symbols a unit.
unsigned unitsFor(unsigned numStats) { return (numStats + 2) >> 1; }

} // namespace

Model::Model()
{
    m_ns2BinIndex[0] = 0;
    m_ns2BinIndex[1] = 2;
    std::memset(m_ns2BinIndex + 2, 4, 9);
    std::memset(m_ns2BinIndex + 11, 6, 256 - 11);
    // Symbol counts grouped into classes that widen by one as they grow.
    unsigned i = 0;
    for (; i < 5; i++)
        m_ns2Index[i] = uint8_t(i);
    for (unsigned cls = i, left = 1; i < 260; i++) {
        m_ns2Index[i] = uint8_t(cls);
        if (--left == 0)
            left = ++cls - 4;
    }
}

void Model::start(unsigned maxOrder, Restore restore)
{
    m_maxOrder = maxOrder;
    m_restore = restore;
    restart();
    m_dummySee = {0, kPeriodBits, 64};
}

void Model::restart()
{
    m_heap.reset();
    m_orderFall = m_maxOrder;
    m_runLength = m_initRunLength = -int32_t(std::min(m_maxOrder, 12u)) - 1;
    m_prevSuccess = 0;

    // The root: every byte once, and nothing learned yet.
    Context *root = static_cast<Context *>(m_heap.allocContext());
    m_minContext = m_maxContext = root;
    root->suffix = 0;
    root->numStats = 255;
    root->flags = 0;
    root->summFreq = 256 + 1;
    auto *stats = static_cast<State *>(m_heap.allocUnits(kIndexCount - 1));
    m_foundState = stats;
    root->stats = m_heap.ref(stats);
    for (unsigned i = 0; i < 256; i++)
        stats[i] = {uint8_t(i), 1, 0, 0};

    for (unsigned i = 0, cls = 0; cls < 25; cls++) {
        while (m_ns2Index[i] == cls)
            i++;
        for (unsigned k = 0; k < 8; k++) {
            uint16_t value = uint16_t((1 << kBinScaleBits) - kInitBinEscape[k] / (i + 1));
            for (unsigned r = 0; r < 64; r += 8)
                m_binSumm[cls][k + r] = value;
        }
    }
    for (unsigned i = 0, cls = 0; cls < 24; cls++) {
        while (m_ns2Index[i + 3] == cls + 3)
            i++;
        for (See &see : m_see[cls])
            see = {uint16_t((2 * i + 5) << (kPeriodBits - 4)), kPeriodBits - 4, 7};
    }
}

uint16_t &Model::binaryProbability()
{
    const State *s = m_minContext->oneState();
    const Context *suffix = suffixOf(m_minContext);
    // A long run of successes (runLength turned non-negative) picks the upper half.
    unsigned column
        = m_ns2BinIndex[suffix->numStats] + m_prevSuccess + m_minContext->flags + ((m_runLength >> 26) & 0x20);
    return m_binSumm[m_ns2Index[s->freq - 1]][column];
}

See *Model::escapeEstimate(unsigned maskedCount, uint32_t &escapeFreq)
{
    const Context *c = m_minContext;
    unsigned ns = c->numStats;
    if (ns == 0xFF) {
        escapeFreq = 1;
        return &m_dummySee;
    }
    See *see = &m_see[m_ns2Index[ns + 2] - 3][0] + (c->summFreq > 11 * (ns + 1))
        + 2 * (2 * ns < unsigned(suffixOf(c)->numStats) + maskedCount) + c->flags;
    escapeFreq = see->take();
    return see;
}

void Model::binaryHit()
{
    State *s = m_minContext->oneState();
    m_foundState = s;
    s->freq = uint8_t(s->freq + (s->freq < 196));
    m_prevSuccess = 1;
    m_runLength++;
    nextContext();
}

void Model::binaryMiss(uint16_t probability)
{
    m_initEsc = kExpEscape[probability >> 10];
    m_prevSuccess = 0;
}

void Model::firstHit(State *s)
{
    m_foundState = s;
    m_prevSuccess = 2 * s->freq >= m_minContext->summFreq;
    m_runLength += int32_t(m_prevSuccess);
    m_minContext->summFreq += 4;
    if ((s->freq += 4) > kMaxFreq)
        halveCounts();
    nextContext();
}

void Model::laterHit(State *s)
{
    m_prevSuccess = 0;
    m_foundState = s;
    s->freq += 4;
    m_minContext->summFreq += 4;
    // Keeps the list roughly sorted by frequency, one step at a time.
    if (s[0].freq > s[-1].freq) {
        std::swap(s[0], s[-1]);
        m_foundState = --s;
        if (s->freq > kMaxFreq)
            halveCounts();
    }
    nextContext();
}

void Model::maskedHit(State *s)
{
    m_foundState = s;
    m_minContext->summFreq += 4;
    if ((s->freq += 4) > kMaxFreq)
        halveCounts();
    m_runLength = m_initRunLength;
    learn();
    m_minContext = m_maxContext;
}

void Model::nextContext()
{
    uint32_t successor = m_foundState->successor();
    if (m_orderFall == 0 && successor >= m_heap.ref(m_heap.unitsStart)) {
        m_minContext = m_maxContext = m_heap.at<Context>(successor);
        return;
    }
    learn();
    m_minContext = m_maxContext;
}

State *Model::findSymbol(Context *c, uint8_t symbol) const
{
    State *s = statsOf(c);
    while (s->symbol != symbol)
        s++;
    return s;
}

// A count passed the maximum: all counts of the context are halved, those
// reaching 0 dropped, so that it keeps adapting to recent data.
void Model::halveCounts()
{
    Context *mc = m_minContext;
    State *stats = statsOf(mc);
    State *s = m_foundState;
    // The symbol just seen goes first.
    State found = *s;
    for (; s != stats; s--)
        s[0] = s[-1];
    *s = found;

    unsigned escFreq = mc->summFreq - s->freq;
    s->freq += 4;
    unsigned adder = m_orderFall != 0;
    s->freq = uint8_t((s->freq + adder) >> 1);
    unsigned sumFreq = s->freq;
    unsigned i = mc->numStats;
    do {
        escFreq -= (++s)->freq;
        s->freq = uint8_t((s->freq + adder) >> 1);
        sumFreq += s->freq;
        if (s[0].freq > s[-1].freq) {
            State moving = *s;
            State *to = s;
            do
                to[0] = to[-1];
            while (--to != stats && moving.freq > to[-1].freq);
            *to = moving;
        }
    } while (--i);

    if (s->freq == 0) {
        // Symbols whose count fell to 0 are dropped from the end of the list.
        unsigned numStats = mc->numStats;
        do {
            i++;
        } while ((--s)->freq == 0);
        escFreq += i;
        mc->numStats = uint8_t(numStats - i);
        if (mc->numStats == 0) {
            State only = *stats;
            only.freq = uint8_t(std::min((2 * only.freq + escFreq - 1) / escFreq, kMaxFreq / 3));
            m_heap.pushFree(stats, m_heap.unitsToIndex(unitsFor(numStats)));
            mc->flags = uint8_t((mc->flags & 0x10) + highFlag(only.symbol, 0x08));
            *(m_foundState = mc->oneState()) = only;
            return;
        }
        unsigned oldUnits = unitsFor(numStats), newUnits = unitsFor(mc->numStats);
        if (oldUnits != newUnits)
            mc->stats = m_heap.ref(m_heap.shrink(stats, oldUnits, newUnits));
        uint8_t flags = mc->flags & ~0x08;
        s = statsOf(mc);
        for (unsigned k = 0; k <= mc->numStats; k++)
            flags |= highFlag(s[k].symbol, 0x08);
        mc->flags = flags;
    }
    mc->summFreq = uint16_t(sumFreq + escFreq - (escFreq >> 1));
    mc->flags |= 0x04;
    m_foundState = statsOf(mc);
}

// Builds the missing contexts between the current one and the order that the
// found symbol's history reaches, each with the one symbol that followed.
Context *Model::growBranch(bool skip, State *s1, Context *c)
{
    uint32_t upBranch = m_foundState->successor();
    State *chain[kMaxOrder + 1];
    unsigned depth = 0;
    if (!skip)
        chain[depth++] = m_foundState;

    const uint8_t symbol = m_foundState->symbol;
    while (c->suffix) {
        c = suffixOf(c);
        State *s;
        if (s1) {
            s = s1;
            s1 = nullptr;
        } else if (c->numStats != 0) {
            s = findSymbol(c, symbol);
            if (s->freq < kMaxFreq - 9) {
                s->freq++;
                c->summFreq++;
            }
        } else {
            s = c->oneState();
            s->freq = uint8_t(s->freq + ((suffixOf(c)->numStats == 0) & (s->freq < 24)));
        }
        uint32_t successor = s->successor();
        if (successor != upBranch) {
            c = m_heap.at<Context>(successor);
            if (depth == 0)
                return c;
            break;
        }
        chain[depth++] = s;
    }

    // The symbol that followed in the history, with a frequency guessed from
    // the context the new ones hang from.
    State up;
    up.symbol = *m_heap.at<uint8_t>(upBranch);
    up.setSuccessor(upBranch + 1);
    uint8_t flags = uint8_t(highFlag(symbol, 0x10) + highFlag(up.symbol, 0x08));
    if (c->numStats == 0) {
        up.freq = c->oneState()->freq;
    } else {
        const State *s = findSymbol(c, up.symbol);
        uint32_t cf = s->freq - 1;
        uint32_t s0 = c->summFreq - c->numStats - cf;
        up.freq = uint8_t(1 + ((2 * cf <= s0) ? (5 * cf > s0) : ((cf + 2 * s0 - 3) / s0)));
    }

    while (depth != 0) {
        auto *child = static_cast<Context *>(m_heap.allocContext());
        if (!child)
            return nullptr;
        child->numStats = 0;
        child->flags = flags;
        *child->oneState() = up;
        child->suffix = m_heap.ref(c);
        chain[--depth]->setSuccessor(m_heap.ref(child));
        c = child;
    }
    return c;
}

// The found symbol had no successor: points it, and the same symbol in the
// suffixes, at the history, and returns the context to continue from.
Context *Model::linkToHistory(State *s1, Context *c)
{
    Context *start = c;
    uint32_t upBranch = m_heap.ref(m_heap.text);
    m_foundState->setSuccessor(upBranch);
    m_orderFall++;

    State *s = nullptr;
    const uint8_t symbol = m_foundState->symbol;
    for (;;) {
        if (s1) {
            c = suffixOf(c);
            s = s1;
            s1 = nullptr;
        } else {
            if (!c->suffix)
                return c;
            c = suffixOf(c);
            if (c->numStats) {
                s = findSymbol(c, symbol);
                if (s->freq < kMaxFreq - 9) {
                    s->freq += 2;
                    c->summFreq += 2;
                }
            } else {
                s = c->oneState();
                s->freq = uint8_t(s->freq + (s->freq < 32));
            }
        }
        if (s->successor())
            break;
        s->setSuccessor(upBranch);
        m_orderFall++;
    }

    if (s->successor() <= upBranch) {
        State *found = m_foundState;
        m_foundState = s;
        Context *successor = growBranch(false, nullptr, c);
        s->setSuccessor(successor ? m_heap.ref(successor) : 0);
        m_foundState = found;
    }
    if (m_orderFall == 1 && start == m_maxContext) {
        m_foundState->setSuccessor(s->successor());
        m_heap.text--;
    }
    if (s->successor() == 0)
        return nullptr;
    return m_heap.at<Context>(s->successor());
}

// After a symbol was coded anywhere but at the longest context's fast path:
// grows the tree towards the longest order and adds the symbol where it was missing.
void Model::learn()
{
    State *fs = m_foundState;
    uint32_t fSuccessor = fs->successor();
    const uint8_t fSymbol = fs->symbol;
    const unsigned fFreq = fs->freq;
    State *s = nullptr;

    // A rare symbol also gains in the shorter context.
    if (fFreq < kMaxFreq / 4 && m_minContext->suffix != 0) {
        Context *c = suffixOf(m_minContext);
        if (c->numStats == 0) {
            s = c->oneState();
            if (s->freq < 32)
                s->freq++;
        } else {
            s = statsOf(c);
            if (s->symbol != fSymbol) {
                s = findSymbol(c, fSymbol);
                if (s[0].freq >= s[-1].freq) {
                    std::swap(s[0], s[-1]);
                    s--;
                }
            }
            if (s->freq < kMaxFreq - 9) {
                s->freq += 2;
                c->summFreq += 2;
            }
        }
    }

    Context *c = m_maxContext;
    if (m_orderFall == 0 && fSuccessor) {
        Context *cs = growBranch(true, s, m_minContext);
        if (!cs) {
            fs->setSuccessor(0);
            recoverMemory(c);
        } else {
            fs->setSuccessor(m_heap.ref(cs));
            m_maxContext = cs;
        }
        return;
    }

    *m_heap.text++ = fSymbol;
    uint32_t successor = m_heap.ref(m_heap.text);
    if (m_heap.text >= m_heap.unitsStart) {
        recoverMemory(c);
        return;
    }
    if (!fSuccessor || fSuccessor < m_heap.ref(m_heap.unitsStart)) {
        Context *cs = fSuccessor ? growBranch(false, s, m_minContext) : linkToHistory(s, m_minContext);
        if (!cs) {
            recoverMemory(c);
            return;
        }
        fSuccessor = m_heap.ref(cs);
    }
    if (--m_orderFall == 0) {
        successor = fSuccessor;
        m_heap.text -= (m_maxContext != m_minContext);
    }
    addSymbolToSuffixes(c, successor, fSuccessor, fFreq);
}

// Adds the found symbol to every context from the longest down to (not
// including) the one it was found in.
void Model::addSymbolToSuffixes(Context *c, uint32_t successor, uint32_t fSuccessor, unsigned fFreq)
{
    const uint8_t fSymbol = m_foundState->symbol;
    const unsigned ns = m_minContext->numStats;
    const unsigned s0 = m_minContext->summFreq - ns - fFreq;
    const uint8_t flag = highFlag(fSymbol, 0x08);

    for (; c != m_minContext; c = suffixOf(c)) {
        unsigned ns1 = c->numStats;
        if (ns1 != 0) {
            if (ns1 & 1) {
                void *grown = m_heap.grow(statsOf(c), (ns1 + 1) >> 1);
                if (!grown) {
                    recoverMemory(c);
                    return;
                }
                c->stats = m_heap.ref(grown);
            }
            c->summFreq = uint16_t(c->summFreq + (3 * ns1 + 1 < ns));
        } else {
            auto *list = static_cast<State *>(m_heap.allocUnits(0));
            if (!list) {
                recoverMemory(c);
                return;
            }
            *list = *c->oneState();
            c->stats = m_heap.ref(list);
            list->freq = list->freq < kMaxFreq / 4 - 1 ? uint8_t(list->freq * 2) : uint8_t(kMaxFreq - 4);
            c->summFreq = uint16_t(list->freq + m_initEsc + (ns > 2));
        }
        uint32_t cf = 2 * fFreq * (c->summFreq + 6);
        uint32_t sf = s0 + c->summFreq;
        if (cf < 6 * sf) {
            cf = 1 + (cf > sf) + (cf >= 4 * sf);
            c->summFreq += 4;
        } else {
            cf = 4 + (cf > 9 * sf) + (cf > 12 * sf) + (cf > 15 * sf);
            c->summFreq = uint16_t(c->summFreq + cf);
        }
        State *added = statsOf(c) + ns1 + 1;
        added->setSuccessor(successor);
        added->symbol = fSymbol;
        added->freq = uint8_t(cf);
        c->flags |= flag;
        c->numStats = uint8_t(ns1 + 1);
    }
    m_maxContext = m_minContext = m_heap.at<Context>(fSuccessor);
}

void Model::shrinkAndScale(Context *ctx, unsigned oldUnits, unsigned scale)
{
    unsigned i = ctx->numStats;
    auto *s = static_cast<State *>(m_heap.shrink(statsOf(ctx), oldUnits, unitsFor(i)));
    ctx->stats = m_heap.ref(s);
    unsigned flags = (ctx->flags & (0x10 + 0x04 * scale)) + highFlag(s->symbol, 0x08);
    unsigned escFreq = ctx->summFreq - s->freq;
    unsigned sumFreq = s->freq = uint8_t((s->freq + scale) >> scale);
    do {
        escFreq -= (++s)->freq;
        sumFreq += s->freq = uint8_t((s->freq + scale) >> scale);
        flags |= highFlag(s->symbol, 0x08);
    } while (--i);
    ctx->summFreq = uint16_t(sumFreq + ((escFreq + scale) >> scale));
    ctx->flags = uint8_t(flags);
}

// Drops what points into the text (it is about to be reset) and, deeper than
// the model's order, everything; returns the context's new reference, or 0
// when nothing of it is left.
uint32_t Model::prune(Context *ctx, unsigned order)
{
    if (ctx->numStats == 0) {
        State *s = ctx->oneState();
        if (s->successor() >= m_heap.ref(m_heap.unitsStart)) {
            s->setSuccessor(order < m_maxOrder ? prune(m_heap.at<Context>(s->successor()), order + 1) : 0);
            if (s->successor() || order <= kOrderBound)
                return m_heap.ref(ctx);
        }
        m_heap.freeUnitNearText(ctx);
        return 0;
    }

    unsigned units = unitsFor(ctx->numStats);
    ctx->stats = m_heap.ref(m_heap.moveAwayFromText(statsOf(ctx), units));
    int last = ctx->numStats;
    State *stats = statsOf(ctx);
    for (int k = last; k >= 0; k--) {
        State *s = stats + k;
        if (s->successor() < m_heap.ref(m_heap.unitsStart)) {
            s->setSuccessor(0);
            std::swap(*s, stats[last--]);
        } else if (order < m_maxOrder) {
            s->setSuccessor(prune(m_heap.at<Context>(s->successor()), order + 1));
        } else {
            s->setSuccessor(0);
        }
    }
    if (last == ctx->numStats || order == 0)
        return m_heap.ref(ctx);

    ctx->numStats = uint8_t(last);
    if (last < 0) {
        m_heap.freeUnits(stats, units);
        m_heap.freeUnitNearText(ctx);
        return 0;
    }
    if (last == 0) {
        ctx->flags = uint8_t((ctx->flags & 0x10) + highFlag(stats->symbol, 0x08));
        *ctx->oneState() = *stats;
        m_heap.freeUnits(stats, units);
        ctx->oneState()->freq = uint8_t((unsigned(ctx->oneState()->freq) + 11) >> 3);
    } else {
        shrinkAndScale(ctx, units, ctx->summFreq > 16 * last);
    }
    return m_heap.ref(ctx);
}

// Memory ran out while the found symbol was being added from the longest
// context down to c1: takes that symbol back out, then starts over or cuts
// the tree down to three quarters of the memory.
void Model::recoverMemory(Context *c1)
{
    m_heap.text = m_heap.textStart();
    Context *c = m_maxContext;
    for (; c != c1; c = suffixOf(c)) {
        if (--c->numStats == 0) {
            State *s = statsOf(c);
            c->flags = uint8_t((c->flags & 0x10) + highFlag(s->symbol, 0x08));
            *c->oneState() = *s;
            m_heap.freeUnitNearText(s);
            c->oneState()->freq = uint8_t((unsigned(c->oneState()->freq) + 11) >> 3);
        } else {
            shrinkAndScale(c, (c->numStats + 3) >> 1, 0);
        }
    }
    for (; c != m_minContext; c = suffixOf(c)) {
        if (c->numStats == 0)
            c->oneState()->freq = uint8_t(c->oneState()->freq - (c->oneState()->freq >> 1));
        else if ((c->summFreq += 4) > 128 + 4 * c->numStats)
            shrinkAndScale(c, unitsFor(c->numStats), 1);
    }

    if (m_restore == Restore::Restart || m_heap.usedMemory() < (m_heap.size() >> 1)) {
        restart();
        return;
    }
    while (m_maxContext->suffix)
        m_maxContext = suffixOf(m_maxContext);
    do {
        prune(m_maxContext, 0);
        m_heap.giveFreeEdgeToText();
    } while (m_heap.usedMemory() > 3 * (m_heap.size() >> 2));
    m_heap.glueCount = 0;
    m_orderFall = m_maxOrder;
}

} // namespace unzip32::ppmd

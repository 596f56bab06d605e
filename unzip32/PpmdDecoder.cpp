#include "PpmdDecoder.h"

#include <cstring>

namespace unzip32::ppmd {

namespace {

constexpr unsigned kIntervalBits = 7;

// Moves a binary probability towards the outcome seen, by 1/128 of the way.
uint16_t towardsHit(uint16_t p)
{
    return uint16_t(p + (1 << kIntervalBits) - ((p + (1 << (kPeriodBits - 2))) >> kPeriodBits));
}

uint16_t towardsMiss(uint16_t p) { return uint16_t(p - ((p + (1 << (kPeriodBits - 2))) >> kPeriodBits)); }

} // namespace

HeaderCheck ParseHeader(uint16_t word, Parameters &parameters)
{
    parameters.order = (word & 0xF) + 1;
    uint64_t memory = uint64_t(((word >> 4) & 0xFF) + 1) << 20;
    unsigned restore = word >> 12;
    if (parameters.order < 2 || restore > unsigned(Restore::CutOff))
        return HeaderCheck::Invalid;
    // The word cannot ask for more than the limit today; the check keeps the
    // allocation bounded should the limit ever be lowered.
    if (memory > kMaxModelMemory)
        return HeaderCheck::TooLarge;
    parameters.memorySize = uint32_t(memory);
    parameters.restore = Restore(restore);
    return HeaderCheck::Ok;
}

Outcome SymbolDecoder::decode(uint8_t *out, size_t length, size_t &produced)
{
    for (produced = 0; produced < length; produced++) {
        int symbol = decodeSymbol();
        if (symbol < 0)
            return symbol == kEndMark ? Outcome::EndMark : Outcome::Damaged;
        out[produced] = uint8_t(symbol);
    }
    return Outcome::Ok;
}

int SymbolDecoder::decodeSymbol()
{
    Context *c = m_model.minContext();
    int symbol = c->numStats != 0 ? decodeInFirstContext(c) : decodeInBinaryContext(c);
    return symbol == kEndMark ? decodeMasked() : symbol;
}

// The longest context, with two or more symbols. An escape masks them all and
// answers kEndMark, for the caller to go on in the suffixes.
int SymbolDecoder::decodeInFirstContext(Context *c)
{
    State *s = m_model.statsOf(c);
    const uint32_t total = c->summFreq;
    uint32_t count = m_coder.threshold(total);
    uint32_t high = s->freq;
    if (count < high) {
        m_coder.decode(0, s->freq);
        int symbol = s->symbol;
        m_model.firstHit(s);
        return symbol;
    }
    for (unsigned i = c->numStats; i != 0; i--) {
        high += (++s)->freq;
        if (high > count) {
            m_coder.decode(high - s->freq, s->freq);
            int symbol = s->symbol;
            m_model.laterHit(s);
            return symbol;
        }
    }
    if (count >= total || high >= total)
        return kDamaged;
    m_coder.decode(high, total - high);
    m_model.missed();
    std::memset(m_unmasked, 0xFF, sizeof m_unmasked);
    const State *stats = m_model.statsOf(c);
    for (unsigned i = 0; i <= c->numStats; i++)
        m_unmasked[stats[i].symbol] = 0;
    return kEndMark;
}

int SymbolDecoder::decodeInBinaryContext(Context *c)
{
    uint16_t &probability = m_model.binaryProbability();
    const State *s = c->oneState();
    if (m_coder.binaryThreshold(kBinScaleBits) < probability) {
        m_coder.decode(0, probability);
        probability = towardsHit(probability);
        int symbol = s->symbol;
        m_model.binaryHit();
        return symbol;
    }
    m_coder.decode(probability, (1u << kBinScaleBits) - probability);
    probability = towardsMiss(probability);
    m_model.binaryMiss(probability);
    std::memset(m_unmasked, 0xFF, sizeof m_unmasked);
    m_unmasked[s->symbol] = 0;
    return kEndMark;
}

// Escapes down the suffixes until one has a symbol not tried yet that the
// coder picks, or the root escapes too (the encoder's end mark).
int SymbolDecoder::decodeMasked()
{
    State *candidates[256];
    for (;;) {
        const unsigned masked = m_model.minContext()->numStats;
        do {
            if (!m_model.escapeToSuffix())
                return kEndMark;
        } while (m_model.minContext()->numStats == masked);

        Context *c = m_model.minContext();
        State *s = m_model.statsOf(c);
        const unsigned fresh = c->numStats - masked;
        unsigned n = 0;
        uint32_t high = 0;
        // Without branches: which symbols are masked is close to random.
        for (unsigned i = 0; i <= c->numStats && n != fresh; i++) {
            const uint8_t keep = m_unmasked[s[i].symbol];
            high += s[i].freq & keep;
            candidates[n] = &s[i];
            n += keep & 1;
        }

        uint32_t escapeFreq;
        See *see = m_model.escapeEstimate(masked, escapeFreq);
        const uint32_t total = escapeFreq + high;
        uint32_t count = m_coder.threshold(total);
        if (count < high) {
            State **pick = candidates;
            uint32_t upTo = (*pick)->freq;
            while (upTo <= count)
                upTo += (*++pick)->freq;
            s = *pick;
            m_coder.decode(upTo - s->freq, s->freq);
            see->update();
            int symbol = s->symbol;
            m_model.maskedHit(s);
            return symbol;
        }
        if (count >= total)
            return kDamaged;
        m_coder.decode(high, total - high);
        see->summ = uint16_t(see->summ + total);
        for (unsigned i = 0; i < n; i++)
            m_unmasked[candidates[i]->symbol] = 0;
    }
}

} // namespace unzip32::ppmd

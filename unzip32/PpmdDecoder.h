// PPMd variant I (revision 1) as ZIP stores it (method 98): a two-byte
// parameter word, then the range-coded symbols, with no end marker; the
// declared size says where to stop.
#pragma once

#include "PpmdModel.h"
#include "PpmdRangeDecoder.h"

#include <cstddef>
#include <cstdint>

namespace unzip32::ppmd {

// Larger models are refused before anything is allocated.
constexpr uint32_t kMaxModelMemory = 256u << 20;

struct Parameters {
    unsigned order = 0;
    uint32_t memorySize = 0;
    Restore restore = Restore::Restart;
};

enum class HeaderCheck { Ok, Invalid, TooLarge };

// Bits 0-3: order - 1; bits 4-11: memory in MiB - 1; bits 12-15: restoration.
HeaderCheck ParseHeader(uint16_t word, Parameters &parameters);

enum class Outcome { Ok, EndMark, Damaged };

class SymbolDecoder {
public:
    SymbolDecoder(Model &model, RangeDecoder &coder) : m_model(model), m_coder(coder) {}

    // Fills out[0, length); `produced` falls short only with another outcome.
    Outcome decode(uint8_t *out, size_t length, size_t &produced);

private:
    static constexpr int kEndMark = -1, kDamaged = -2;

    int decodeSymbol();
    int decodeInFirstContext(Context *c);
    int decodeInBinaryContext(Context *c);
    int decodeMasked();

    Model &m_model;
    RangeDecoder &m_coder;
    uint8_t m_unmasked[256]; // 0xFF for symbols no context tried so far, else 0
};

} // namespace unzip32::ppmd

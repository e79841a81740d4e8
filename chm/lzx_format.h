// The pieces of LZX that the match finder and the block writer share.
#pragma once
#include <bit>
#include <cstdint>

namespace chm {

constexpr uint32_t kLzxMinMatch = 2;
constexpr uint32_t kLzxMaxMatch = 257;
constexpr uint32_t kLzxNumChars = 256;
constexpr uint32_t kLzxPositionSlots = 32;  // a 64 KB window
constexpr uint32_t kLzxMainSymbols = kLzxNumChars + kLzxPositionSlots * 8;
constexpr uint32_t kLzxLengthSymbols = 249;
constexpr uint32_t kLzxAlignedSymbols = 8;
constexpr uint32_t kLzxPretreeSymbols = 20;
// The largest distance a 64 KB window can code.
constexpr uint32_t kLzxMaxDistance = 65536 - 3;

// One literal or match, already in the symbols a block codes it with.
struct LzxToken {
    uint16_t main = 0;        // main tree symbol
    int16_t length = -1;      // length tree symbol, or -1 when the main symbol holds the length
    uint8_t footer_bits = 0;  // bits that follow the position slot
    uint32_t footer = 0;
};

// The three most recent distances, as the decoder keeps them.
struct LzxRepeats {
    uint32_t r[3] = {1, 1, 1};
};

// Codes a match of `length` bytes at `distance` and updates the recent distances.
inline LzxToken LzxMatchToken(uint32_t length, uint32_t distance, LzxRepeats& reps) {
    uint32_t slot;
    LzxToken t;
    if (distance == reps.r[0]) {
        slot = 0;
    } else if (distance == reps.r[1]) {
        slot = 1;
        reps.r[1] = reps.r[0];
        reps.r[0] = distance;
    } else if (distance == reps.r[2]) {
        slot = 2;
        reps.r[2] = reps.r[0];
        reps.r[0] = distance;
    } else {
        const uint32_t formatted = distance + 2;
        if (formatted < 4) {
            slot = formatted;
        } else {
            const int high = std::bit_width(formatted) - 1;
            slot = 2 * high + ((formatted >> (high - 1)) & 1);
            t.footer_bits = static_cast<uint8_t>(slot / 2 - 1);
            const uint32_t base = (2u | (slot & 1)) << (slot / 2 - 1);
            t.footer = formatted - base;
        }
        reps.r[2] = reps.r[1];
        reps.r[1] = reps.r[0];
        reps.r[0] = distance;
    }
    const uint32_t header = length - kLzxMinMatch;
    if (header >= 7) t.length = static_cast<int16_t>(header - 7);
    t.main = static_cast<uint16_t>(kLzxNumChars + slot * 8 + (header >= 7 ? 7 : header));
    return t;
}

inline LzxToken LzxLiteralToken(uint8_t byte) {
    LzxToken t;
    t.main = byte;
    return t;
}

}  // namespace chm

// Writes LZX blocks: verbatim or aligned-offset with their trees coded as deltas from the
// previous ones, or raw bytes. A block is planned first, so its exact size can be compared.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "chm/lzx_bit_writer.h"
#include "chm/lzx_format.h"

namespace chm {

// A tree's new lengths as pretree symbols, each with the extra bits that follow it.
struct LzxTreeDelta {
    struct Item {
        uint8_t symbol;
        uint8_t extra_bits;
        uint8_t extra;
    };
    std::vector<Item> items;
    uint8_t lengths[kLzxPretreeSymbols] = {};
    uint16_t codes[kLzxPretreeSymbols] = {};
    uint64_t bits = 0;
};

// How often each symbol occurs in some tokens: all a block's plan is made from, so the plan of
// two frames together is their sum.
struct LzxSymbolCounts {
    uint32_t main[kLzxMainSymbols] = {};
    uint32_t length[kLzxLengthSymbols] = {};
    uint32_t aligned[kLzxAlignedSymbols] = {};
    uint64_t footer_bits = 0;
    LzxSymbolCounts() = default;
    explicit LzxSymbolCounts(const std::vector<LzxToken>& tokens);
    void Add(const LzxToken& t) {
        ++main[t.main];
        if (t.length >= 0) ++length[t.length];
        if (t.footer_bits >= 3) ++aligned[t.footer & 7];
        footer_bits += t.footer_bits;
    }
    LzxSymbolCounts& operator+=(const LzxSymbolCounts& other);
};

// The codes are filled in only when the block is written.
struct LzxBlockPlan {
    bool aligned = false;
    uint8_t main_len[kLzxMainSymbols] = {};
    uint8_t length_len[kLzxLengthSymbols] = {};
    uint8_t aligned_len[kLzxAlignedSymbols] = {};
    uint16_t main_code[kLzxMainSymbols] = {};
    uint16_t length_code[kLzxLengthSymbols] = {};
    uint16_t aligned_code[kLzxAlignedSymbols] = {};
    LzxTreeDelta main_low, main_high, lengths;
    uint64_t bits = 0;  // the whole block, header and trees included
};

class LzxBlockWriter {
public:
    LzxBlockWriter() { ResetTrees(); }

    // At a reset point the decoder forgets the previous trees.
    void ResetTrees();

    // Plans a compressed block of tokens counted in `counts`, its trees coded against those last
    // written, or against `after`'s when given (a block planned to come first).
    LzxBlockPlan Plan(const LzxSymbolCounts& counts, const LzxBlockPlan* after = nullptr) const;

    // The size of `size` bytes as a raw block.
    static uint64_t RawBits(size_t size) { return 27 + 16 + 96 + 8 * ((size + 1) & ~size_t{1}); }

    // A planned block: its header and trees, then its tokens (in one or more calls).
    void WriteHeader(LzxBitWriter& bits, LzxBlockPlan& plan, uint32_t block_size);
    static void WriteTokens(LzxBitWriter& bits, const LzxBlockPlan& plan, const std::vector<LzxToken>& tokens);

    // A raw block; the decoder takes `reps` as the recent distances.
    static void WriteRaw(LzxBitWriter& bits, std::string_view bytes, const LzxRepeats& reps);

private:
    uint8_t main_lengths_[kLzxMainSymbols];
    uint8_t length_lengths_[kLzxLengthSymbols];
};

}  // namespace chm

// Writes the blocks of one frame: verbatim or aligned-offset with their trees coded as deltas
// from the previous ones, or the raw bytes when those come out smaller.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "chm/lzx_bit_writer.h"
#include "chm/lzx_format.h"

namespace chm {

class LzxBlockWriter {
public:
    LzxBlockWriter() { ResetTrees(); }

    // At a reset point the decoder forgets the previous trees.
    void ResetTrees();

    // Writes `frame` (coded as `tokens`) as one block. Returns false when the block holds the raw
    // bytes: the decoder then takes `reps_before` as the recent distances.
    bool WriteFrame(LzxBitWriter& bits, const std::vector<LzxToken>& tokens, std::string_view frame,
                    const LzxRepeats& reps_before);

private:
    uint8_t main_lengths_[kLzxMainSymbols];
    uint8_t length_lengths_[kLzxLengthSymbols];
};

}  // namespace chm

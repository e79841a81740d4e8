// One LZX reset interval coded on its own, and where the section's intervals fall.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "chm/lzx_block_writer.h"
#include "chm/lzx_match_finder.h"
#include "chm/lzx_tunables.h"

namespace chm {

inline constexpr size_t kLzxFrameBytes = 32768;
inline constexpr size_t kLzxFramesPerReset = 2;
inline constexpr size_t kLzxIntervalBytes = kLzxFrameBytes * kLzxFramesPerReset;

// The stream always holds floor((size + 1) / 32 KB) + 1 whole frames, the input padded with zeros:
// - chmlib and 7-Zip decode every frame, the last one too, to a full 32 KB;
// - libmspack, asked for a file that ends exactly on a frame boundary, also decodes the next frame,
//   so a size that is a multiple of 32 KB (zero included) needs one more frame of padding;
// - 7-Zip accepts a reset table of exactly (size + 32769) / 32 KB entries (or one more that equals
//   the compressed size), which is this count, so `frame_offsets` can be written as it is.
// Matches never cross the true end, so a reader that stops there (libmspack going by SpanInfo)
// finds a clean end of frame too.
inline uint64_t FrameCount(uint64_t size) { return (size + 1) / kLzxFrameBytes + 1; }

// One reset interval coded on its own; its frame offsets count from its own start.
struct CodedInterval {
    std::string bytes;
    std::vector<uint64_t> frame_offsets;
};

// Each thread holds its own; nothing carries from one interval to the next.
class IntervalCoder {
public:
    explicit IntervalCoder(int level) : finder_(lzx_tunables::Level(level)) {}
    // `chunk` is the interval with its padding (a whole interval, or the one frame that ends the
    // section); `data_end` is where the true input ends in it (its size when it runs on).
    CodedInterval Code(std::string_view chunk, size_t data_end);

private:
    LzxMatchFinder finder_;
    LzxBlockWriter writer_;
};

}  // namespace chm

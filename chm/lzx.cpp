#include "chm/lzx.h"

#include <algorithm>

#include "chm/lzx_bit_writer.h"
#include "chm/lzx_block_writer.h"
#include "chm/lzx_match_finder.h"

namespace chm {
namespace {

constexpr size_t kFrameSize = 32768;
constexpr size_t kFramesPerReset = 2;
// The stream always holds floor((size + 1) / 32 KB) + 1 whole frames, the input padded with zeros:
// - chmlib and 7-Zip decode every frame, the last one too, to a full 32 KB;
// - libmspack, asked for a file that ends exactly on a frame boundary, also decodes the next frame,
//   so a size that is a multiple of 32 KB (zero included) needs one more frame of padding;
// - 7-Zip accepts a reset table of exactly (size + 32769) / 32 KB entries (or one more that equals
//   the compressed size), which is this count, so `frame_offsets` can be written as it is.
// Matches never cross the true end, so a reader that stops there (libmspack going by SpanInfo)
// finds a clean end of frame too.
size_t FrameCount(size_t size) { return (size + 1) / kFrameSize + 1; }

}  // namespace

LzxSection CompressLzx(std::string_view data) {
    LzxSection section;
    section.uncompressed_size = data.size();
    const size_t frames = FrameCount(data.size());
    std::string padded(data);
    padded.resize(frames * kFrameSize, '\0');

    LzxBitWriter bits(section.bytes);
    LzxMatchFinder finder;
    LzxBlockWriter writer;
    std::vector<LzxToken> tokens;
    const size_t interval = kFramesPerReset * kFrameSize;
    for (size_t start = 0; start < padded.size(); start += interval) {
        const std::string_view chunk = std::string_view(padded).substr(start, interval);
        finder.Reset(chunk, data.size() > start ? data.size() - start : 0);
        writer.ResetTrees();
        LzxRepeats reps;
        for (size_t begin = 0; begin < chunk.size(); begin += kFrameSize) {
            section.frame_offsets.push_back(section.bytes.size());
            if (begin == 0) bits.Put(0, 1);  // no E8 translation
            tokens.clear();
            const LzxRepeats before = reps;
            finder.Parse(begin, begin + kFrameSize, reps, tokens);
            if (!writer.WriteFrame(bits, tokens, chunk.substr(begin, kFrameSize), before)) reps = before;
            bits.AlignTo16();
        }
    }
    return section;
}

}  // namespace chm

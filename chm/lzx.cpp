#include "chm/lzx.h"

#include <algorithm>

#include "chm/lzx_bit_writer.h"

namespace chm {
namespace {

constexpr size_t kFrameSize = 32768;
constexpr size_t kFramesPerReset = 2;
constexpr uint32_t kBlockUncompressed = 3;

// The stream always holds floor((size + 1) / 32 KB) + 1 whole frames, the input padded with zeros:
// - chmlib and 7-Zip decode every frame, the last one too, to a full 32 KB;
// - libmspack, asked for a file that ends exactly on a frame boundary, also decodes the next frame,
//   so a size that is a multiple of 32 KB (zero included) needs one more frame of padding;
// - 7-Zip accepts a reset table of exactly (size + 32769) / 32 KB entries (or one more that equals
//   the compressed size), which is this count, so `frame_offsets` can be written as it is.
// Matches never cross the true end, so a reader that stops there (libmspack going by SpanInfo)
// finds a clean end of frame too.
size_t FrameCount(size_t size) { return (size + 1) / kFrameSize + 1; }

void WriteUncompressedBlock(LzxBitWriter& bits, std::string_view block, const uint32_t (&r)[3]) {
    bits.Put(kBlockUncompressed, 3);
    bits.Put(static_cast<uint32_t>(block.size()), 24);
    // The readers skip 1 to 16 bits to reach a word boundary: a whole word when already on one.
    if (bits.Aligned()) bits.Put(0, 16);
    else bits.AlignTo16();
    for (uint32_t v : r) bits.PutLe32(v);
    for (char c : block) bits.PutByte(static_cast<uint8_t>(c));
    if (block.size() % 2 != 0) bits.PutByte(0);
}

}  // namespace

LzxSection CompressLzx(std::string_view data) {
    LzxSection section;
    section.uncompressed_size = data.size();
    const size_t frames = FrameCount(data.size());
    std::string padded(data);
    padded.resize(frames * kFrameSize, '\0');

    LzxBitWriter bits(section.bytes);
    const uint32_t repeats[3] = {1, 1, 1};
    for (size_t frame = 0; frame < frames; ++frame) {
        section.frame_offsets.push_back(section.bytes.size());
        if (frame % kFramesPerReset == 0) bits.Put(0, 1);  // no E8 translation
        WriteUncompressedBlock(bits, std::string_view(padded).substr(frame * kFrameSize, kFrameSize),
                               repeats);
        bits.AlignTo16();
    }
    return section;
}

}  // namespace chm

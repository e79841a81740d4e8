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

// Codes one reset interval (one or two frames). A frame's block may be raw, its own, or one block
// may cover both frames when one set of trees costs less than two.
void WriteInterval(LzxBitWriter& bits, LzxMatchFinder& finder, LzxBlockWriter& writer, std::string_view chunk,
                   std::vector<uint64_t>& frame_offsets) {
    const std::string_view frame0 = chunk.substr(0, kFrameSize);
    const bool two = chunk.size() > kFrameSize;
    auto next_frame = [&] {
        bits.AlignTo16();
        frame_offsets.push_back(bits.ByteSize());
    };
    LzxRepeats reps;
    std::vector<LzxToken> tokens0, tokens1;
    finder.Parse(0, kFrameSize, reps, tokens0);
    const LzxBlockPlan plan0 = writer.Plan(tokens0);
    // A frame on its own: its block, or its raw bytes when smaller (the distances then as before).
    auto write_alone = [&](std::string_view frame, const std::vector<LzxToken>& tokens, const LzxBlockPlan& plan,
                           const LzxRepeats& before) {
        if (LzxBlockWriter::RawBits(frame.size()) <= plan.bits) {
            LzxBlockWriter::WriteRaw(bits, frame, before);
            return false;
        }
        writer.WriteHeader(bits, plan, static_cast<uint32_t>(frame.size()));
        LzxBlockWriter::WriteTokens(bits, plan, tokens);
        return true;
    };
    if (!two) {
        write_alone(frame0, tokens0, plan0, LzxRepeats{});
        bits.AlignTo16();
        return;
    }
    const std::string_view frame1 = chunk.substr(kFrameSize);
    if (LzxBlockWriter::RawBits(frame0.size()) <= plan0.bits) {
        LzxBlockWriter::WriteRaw(bits, frame0, LzxRepeats{});
        next_frame();
        reps = LzxRepeats{};
        finder.Parse(kFrameSize, chunk.size(), reps, tokens1);
        write_alone(frame1, tokens1, writer.Plan(tokens1), LzxRepeats{});
        bits.AlignTo16();
        return;
    }
    const LzxRepeats between = reps;
    finder.Parse(kFrameSize, chunk.size(), reps, tokens1);
    const LzxBlockPlan plan1 = writer.Plan(tokens1, &plan0);
    std::vector<LzxToken> both = tokens0;
    both.insert(both.end(), tokens1.begin(), tokens1.end());
    const LzxBlockPlan joint = writer.Plan(both);
    const uint64_t separate = plan0.bits + std::min(plan1.bits, LzxBlockWriter::RawBits(frame1.size()));
    if (joint.bits + 15 < separate) {
        // The frame boundary falls between tokens; the stream is word-aligned there all the same.
        writer.WriteHeader(bits, joint, static_cast<uint32_t>(chunk.size()));
        LzxBlockWriter::WriteTokens(bits, joint, tokens0);
        next_frame();
        LzxBlockWriter::WriteTokens(bits, joint, tokens1);
    } else {
        writer.WriteHeader(bits, plan0, static_cast<uint32_t>(frame0.size()));
        LzxBlockWriter::WriteTokens(bits, plan0, tokens0);
        next_frame();
        write_alone(frame1, tokens1, plan1, between);
    }
    bits.AlignTo16();
}

}  // namespace

LzxSection CompressLzx(std::string_view data, const std::function<bool()>& stopped) {
    LzxSection section;
    section.uncompressed_size = data.size();
    const size_t frames = FrameCount(data.size());
    std::string padded(data);
    padded.resize(frames * kFrameSize, '\0');

    LzxBitWriter bits(section.bytes);
    LzxMatchFinder finder;
    LzxBlockWriter writer;
    const size_t interval = kFramesPerReset * kFrameSize;
    for (size_t start = 0; start < padded.size(); start += interval) {
        if (stopped && stopped()) break;
        const std::string_view chunk = std::string_view(padded).substr(start, interval);
        finder.Reset(chunk, data.size() > start ? data.size() - start : 0);
        writer.ResetTrees();
        section.frame_offsets.push_back(section.bytes.size());
        bits.Put(0, 1);  // no E8 translation
        WriteInterval(bits, finder, writer, chunk, section.frame_offsets);
    }
    return section;
}

}  // namespace chm

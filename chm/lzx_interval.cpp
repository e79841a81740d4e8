#include "chm/lzx_interval.h"

#include <algorithm>

#include "chm/lzx_bit_writer.h"

namespace chm {
namespace {

constexpr size_t kFrameSize = kLzxFrameBytes;

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
    // Kept per thread: a frame's tokens are too many to allocate afresh for every interval.
    thread_local std::vector<LzxToken> tokens0, tokens1;
    tokens0.clear();
    tokens1.clear();
    LzxSymbolCounts counts0, counts1;
    finder.Parse(0, kFrameSize, reps, tokens0, counts0);
    LzxBlockPlan plan0 = writer.Plan(counts0);
    // A frame on its own: its block, or its raw bytes when smaller (the distances then as before).
    auto write_alone = [&](std::string_view frame, const std::vector<LzxToken>& tokens, LzxBlockPlan&& plan,
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
        write_alone(frame0, tokens0, std::move(plan0), LzxRepeats{});
        bits.AlignTo16();
        return;
    }
    const std::string_view frame1 = chunk.substr(kFrameSize);
    if (LzxBlockWriter::RawBits(frame0.size()) <= plan0.bits) {
        LzxBlockWriter::WriteRaw(bits, frame0, LzxRepeats{});
        next_frame();
        reps = LzxRepeats{};
        finder.Parse(kFrameSize, chunk.size(), reps, tokens1, counts1);
        write_alone(frame1, tokens1, writer.Plan(counts1), LzxRepeats{});
        bits.AlignTo16();
        return;
    }
    const LzxRepeats between = reps;
    finder.Parse(kFrameSize, chunk.size(), reps, tokens1, counts1);
    LzxBlockPlan plan1 = writer.Plan(counts1, &plan0);
    LzxSymbolCounts both = counts0;
    both += counts1;
    LzxBlockPlan joint = writer.Plan(both);
    const uint64_t separate = plan0.bits + std::min(plan1.bits, LzxBlockWriter::RawBits(frame1.size()));
    if (joint.bits + lzx_tunables::kJointBlockSlackBits < separate) {
        // The frame boundary falls between tokens; the stream is word-aligned there all the same.
        writer.WriteHeader(bits, joint, static_cast<uint32_t>(chunk.size()));
        LzxBlockWriter::WriteTokens(bits, joint, tokens0);
        next_frame();
        LzxBlockWriter::WriteTokens(bits, joint, tokens1);
    } else {
        writer.WriteHeader(bits, plan0, static_cast<uint32_t>(frame0.size()));
        LzxBlockWriter::WriteTokens(bits, plan0, tokens0);
        next_frame();
        write_alone(frame1, tokens1, std::move(plan1), between);
    }
    bits.AlignTo16();
}

}  // namespace

CodedInterval IntervalCoder::Code(std::string_view chunk, size_t data_end) {
    CodedInterval out;
    finder_.Reset(chunk, data_end);
    writer_.ResetTrees();
    LzxBitWriter bits(out.bytes);
    out.frame_offsets.push_back(0);
    bits.Put(0, 1);  // no E8 translation
    WriteInterval(bits, finder_, writer_, chunk, out.frame_offsets);
    return out;
}

}  // namespace chm

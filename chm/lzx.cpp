#include "chm/lzx.h"

#include <algorithm>
#include <atomic>
#include <thread>

#include "chm/lzx_bit_writer.h"
#include "chm/lzx_block_writer.h"
#include "chm/lzx_match_finder.h"
#include "chm/lzx_tunables.h"

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

// One reset interval coded on its own; its frame offsets count from its own start.
struct CodedInterval {
    std::string bytes;
    std::vector<uint64_t> frame_offsets;
};

class IntervalCoder {
public:
    explicit IntervalCoder(int level) : finder_(lzx_tunables::Level(level)) {}
    CodedInterval Code(std::string_view data, size_t start, size_t length) {
        CodedInterval out;
        // Only the last interval reaches past the input; it alone is padded, in a copy.
        std::string padded;
        std::string_view chunk;
        if (start + length <= data.size()) {
            chunk = data.substr(start, length);
        } else {
            padded.assign(data.substr(std::min(start, data.size())));
            padded.resize(length, '\0');
            chunk = padded;
        }
        finder_.Reset(chunk, data.size() > start ? data.size() - start : 0);
        writer_.ResetTrees();
        LzxBitWriter bits(out.bytes);
        out.frame_offsets.push_back(0);
        bits.Put(0, 1);  // no E8 translation
        WriteInterval(bits, finder_, writer_, chunk, out.frame_offsets);
        return out;
    }

private:
    LzxMatchFinder finder_;
    LzxBlockWriter writer_;
};

}  // namespace

LzxSection CompressLzx(std::string_view data, unsigned threads, const std::function<bool()>& stopped, int level) {
    LzxSection section;
    section.uncompressed_size = data.size();
    const size_t stream_size = FrameCount(data.size()) * kFrameSize;
    const size_t interval = kFramesPerReset * kFrameSize;
    const size_t count = (stream_size + interval - 1) / interval;
    auto length_of = [&](size_t i) { return std::min(interval, stream_size - i * interval); };

    std::vector<CodedInterval> coded(count);
    if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());
    threads = static_cast<unsigned>(std::min<size_t>(threads, count));
    std::atomic<size_t> next{0};
    auto work = [&] {
        IntervalCoder coder(level);
        for (size_t i; (i = next.fetch_add(1)) < count;) {
            if (stopped && stopped()) return;  // the section is then unfinished and not stored
            coded[i] = coder.Code(data, i * interval, length_of(i));
        }
    };
    if (threads <= 1) {
        work();
    } else {
        std::vector<std::thread> pool;
        for (unsigned t = 0; t < threads; ++t) pool.emplace_back(work);
        for (auto& t : pool) t.join();
    }

    size_t total = 0;
    for (const auto& c : coded) total += c.bytes.size();
    section.bytes.reserve(total);
    for (auto& c : coded) {
        for (uint64_t offset : c.frame_offsets) section.frame_offsets.push_back(section.bytes.size() + offset);
        section.bytes += c.bytes;
        c = CodedInterval{};
    }
    return section;
}

}  // namespace chm

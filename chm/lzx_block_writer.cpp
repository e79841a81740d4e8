#include "chm/lzx_block_writer.h"

#include <algorithm>
#include <cstring>

#include "chm/lzx_huffman.h"

namespace chm {

namespace {

constexpr uint32_t kVerbatim = 1;
constexpr uint32_t kAligned = 2;
constexpr uint32_t kUncompressed = 3;

// A tree's new lengths as pretree symbols: each with the extra bits that follow it.
struct TreeDelta {
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

TreeDelta EncodeTree(const uint8_t* prev, const uint8_t* cur, size_t count) {
    TreeDelta t;
    auto delta = [&](size_t i) { return static_cast<uint8_t>((prev[i] + 17 - cur[i]) % 17); };
    for (size_t i = 0; i < count;) {
        size_t run = 1;
        while (i + run < count && cur[i + run] == cur[i]) ++run;
        if (cur[i] == 0 && run >= 20) {
            run = std::min<size_t>(run, 51);
            t.items.push_back({18, 5, static_cast<uint8_t>(run - 20)});
        } else if (cur[i] == 0 && run >= 4) {
            run = std::min<size_t>(run, 19);
            t.items.push_back({17, 4, static_cast<uint8_t>(run - 4)});
        } else if (run >= 4) {
            // Symbol 19 repeats one new length 4 or 5 times, its delta taken from the first.
            run = std::min<size_t>(run, 5);
            t.items.push_back({19, 1, static_cast<uint8_t>(run - 4)});
            t.items.push_back({delta(i), 0, 0});
        } else {
            run = 1;
            t.items.push_back({delta(i), 0, 0});
        }
        i += run;
    }
    uint32_t freq[kLzxPretreeSymbols] = {};
    for (const auto& item : t.items) ++freq[item.symbol];
    // Pretree lengths travel in 4 bits.
    BuildCodeLengths(freq, kLzxPretreeSymbols, 15, t.lengths);
    BuildCanonicalCodes(t.lengths, kLzxPretreeSymbols, t.codes);
    t.bits = 4 * kLzxPretreeSymbols;
    for (const auto& item : t.items) t.bits += t.lengths[item.symbol] + item.extra_bits;
    return t;
}

void WriteTree(LzxBitWriter& bits, const TreeDelta& t) {
    for (uint8_t len : t.lengths) bits.Put(len, 4);
    for (const auto& item : t.items) {
        bits.Put(t.codes[item.symbol], t.lengths[item.symbol]);
        bits.Put(item.extra, item.extra_bits);
    }
}

void WriteUncompressed(LzxBitWriter& bits, std::string_view frame, const LzxRepeats& reps) {
    bits.Put(kUncompressed, 3);
    bits.Put(static_cast<uint32_t>(frame.size()), 24);
    // The readers skip 1 to 16 bits to reach a word boundary: a whole word when already on one.
    if (bits.Aligned()) bits.Put(0, 16);
    else bits.AlignTo16();
    for (uint32_t v : reps.r) bits.PutLe32(v);
    for (char c : frame) bits.PutByte(static_cast<uint8_t>(c));
    if (frame.size() % 2 != 0) bits.PutByte(0);
}

}  // namespace

void LzxBlockWriter::ResetTrees() {
    std::memset(main_lengths_, 0, sizeof main_lengths_);
    std::memset(length_lengths_, 0, sizeof length_lengths_);
}

bool LzxBlockWriter::WriteFrame(LzxBitWriter& bits, const std::vector<LzxToken>& tokens,
                                std::string_view frame, const LzxRepeats& reps_before) {
    uint32_t main_freq[kLzxMainSymbols] = {};
    uint32_t length_freq[kLzxLengthSymbols] = {};
    uint32_t aligned_freq[kLzxAlignedSymbols] = {};
    for (const LzxToken& t : tokens) {
        ++main_freq[t.main];
        if (t.length >= 0) ++length_freq[t.length];
        if (t.footer_bits >= 3) ++aligned_freq[t.footer & 7];
    }
    uint8_t main_len[kLzxMainSymbols], length_len[kLzxLengthSymbols], aligned_len[kLzxAlignedSymbols];
    BuildCodeLengths(main_freq, kLzxMainSymbols, 16, main_len);
    BuildCodeLengths(length_freq, kLzxLengthSymbols, 16, length_len);
    BuildCodeLengths(aligned_freq, kLzxAlignedSymbols, 7, aligned_len);

    const TreeDelta main_low = EncodeTree(main_lengths_, main_len, kLzxNumChars);
    const TreeDelta main_high = EncodeTree(main_lengths_ + kLzxNumChars, main_len + kLzxNumChars,
                                           kLzxMainSymbols - kLzxNumChars);
    const TreeDelta lengths = EncodeTree(length_lengths_, length_len, kLzxLengthSymbols);

    uint64_t cost = 27 + main_low.bits + main_high.bits + lengths.bits;
    uint64_t low_bits = 0, aligned_cost = 3 * kLzxAlignedSymbols;
    for (uint32_t s = 0; s < kLzxMainSymbols; ++s) cost += uint64_t{main_freq[s]} * main_len[s];
    for (uint32_t s = 0; s < kLzxLengthSymbols; ++s) cost += uint64_t{length_freq[s]} * length_len[s];
    for (const LzxToken& t : tokens) cost += t.footer_bits;
    for (uint32_t s = 0; s < kLzxAlignedSymbols; ++s) {
        low_bits += 3 * uint64_t{aligned_freq[s]};
        aligned_cost += uint64_t{aligned_freq[s]} * aligned_len[s];
    }
    const bool aligned = aligned_cost < low_bits;
    if (aligned) cost = cost - low_bits + aligned_cost;

    const uint64_t raw_cost = 27 + 16 + 96 + 8 * ((frame.size() + 1) & ~size_t{1});
    if (raw_cost <= cost) {
        WriteUncompressed(bits, frame, reps_before);
        return false;
    }

    bits.Put(aligned ? kAligned : kVerbatim, 3);
    bits.Put(static_cast<uint32_t>(frame.size()), 24);
    uint16_t aligned_code[kLzxAlignedSymbols] = {};
    if (aligned) {
        for (uint8_t len : aligned_len) bits.Put(len, 3);
        BuildCanonicalCodes(aligned_len, kLzxAlignedSymbols, aligned_code);
    }
    WriteTree(bits, main_low);
    WriteTree(bits, main_high);
    WriteTree(bits, lengths);
    std::memcpy(main_lengths_, main_len, sizeof main_lengths_);
    std::memcpy(length_lengths_, length_len, sizeof length_lengths_);

    uint16_t main_code[kLzxMainSymbols], length_code[kLzxLengthSymbols];
    BuildCanonicalCodes(main_len, kLzxMainSymbols, main_code);
    BuildCanonicalCodes(length_len, kLzxLengthSymbols, length_code);
    for (const LzxToken& t : tokens) {
        bits.Put(main_code[t.main], main_len[t.main]);
        if (t.length >= 0) bits.Put(length_code[t.length], length_len[t.length]);
        if (aligned && t.footer_bits >= 3) {
            bits.Put(t.footer >> 3, t.footer_bits - 3);
            bits.Put(aligned_code[t.footer & 7], aligned_len[t.footer & 7]);
        } else {
            bits.Put(t.footer, t.footer_bits);
        }
    }
    return true;
}

}  // namespace chm

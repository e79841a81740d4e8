#include "chm/lzx_block_writer.h"

#include <algorithm>
#include <cstring>

#include "chm/lzx_huffman.h"

namespace chm {

namespace {

constexpr uint32_t kVerbatim = 1;
constexpr uint32_t kAligned = 2;
constexpr uint32_t kUncompressed = 3;

LzxTreeDelta EncodeTree(const uint8_t* prev, const uint8_t* cur, size_t count) {
    LzxTreeDelta t;
    t.items.reserve(count + count / 4);  // a run of four or five takes two items
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

void WriteTree(LzxBitWriter& bits, const LzxTreeDelta& t) {
    for (uint8_t len : t.lengths) bits.Put(len, 4);
    for (const auto& item : t.items) {
        bits.Put(t.codes[item.symbol], t.lengths[item.symbol]);
        bits.Put(item.extra, item.extra_bits);
    }
}

}  // namespace

void LzxBlockWriter::ResetTrees() {
    std::memset(main_lengths_, 0, sizeof main_lengths_);
    std::memset(length_lengths_, 0, sizeof length_lengths_);
}

LzxSymbolCounts::LzxSymbolCounts(const std::vector<LzxToken>& tokens) {
    for (const LzxToken& t : tokens) Add(t);
}

LzxSymbolCounts& LzxSymbolCounts::operator+=(const LzxSymbolCounts& other) {
    for (uint32_t s = 0; s < kLzxMainSymbols; ++s) main[s] += other.main[s];
    for (uint32_t s = 0; s < kLzxLengthSymbols; ++s) length[s] += other.length[s];
    for (uint32_t s = 0; s < kLzxAlignedSymbols; ++s) aligned[s] += other.aligned[s];
    footer_bits += other.footer_bits;
    return *this;
}

LzxBlockPlan LzxBlockWriter::Plan(const LzxSymbolCounts& counts, const LzxBlockPlan* after) const {
    LzxBlockPlan p;
    const uint32_t* main_freq = counts.main;
    const uint32_t* length_freq = counts.length;
    const uint32_t* aligned_freq = counts.aligned;
    const uint64_t footer_bits = counts.footer_bits;
    BuildCodeLengths(main_freq, kLzxMainSymbols, 16, p.main_len);
    BuildCodeLengths(length_freq, kLzxLengthSymbols, 16, p.length_len);
    BuildCodeLengths(aligned_freq, kLzxAlignedSymbols, 7, p.aligned_len);

    const uint8_t* prev_main = after ? after->main_len : main_lengths_;
    const uint8_t* prev_length = after ? after->length_len : length_lengths_;
    p.main_low = EncodeTree(prev_main, p.main_len, kLzxNumChars);
    p.main_high = EncodeTree(prev_main + kLzxNumChars, p.main_len + kLzxNumChars, kLzxMainSymbols - kLzxNumChars);
    p.lengths = EncodeTree(prev_length, p.length_len, kLzxLengthSymbols);

    p.bits = 27 + p.main_low.bits + p.main_high.bits + p.lengths.bits + footer_bits;
    for (uint32_t s = 0; s < kLzxMainSymbols; ++s) p.bits += uint64_t{main_freq[s]} * p.main_len[s];
    for (uint32_t s = 0; s < kLzxLengthSymbols; ++s) p.bits += uint64_t{length_freq[s]} * p.length_len[s];
    // The low three bits of long distances, plain or through the aligned tree.
    uint64_t plain = 0, coded = 3 * kLzxAlignedSymbols;
    for (uint32_t s = 0; s < kLzxAlignedSymbols; ++s) {
        plain += 3 * uint64_t{aligned_freq[s]};
        coded += uint64_t{aligned_freq[s]} * p.aligned_len[s];
    }
    p.aligned = coded < plain;
    if (p.aligned) p.bits = p.bits - plain + coded;
    return p;
}

void LzxBlockWriter::WriteHeader(LzxBitWriter& bits, LzxBlockPlan& plan, uint32_t block_size) {
    BuildCanonicalCodes(plan.main_len, kLzxMainSymbols, plan.main_code);
    BuildCanonicalCodes(plan.length_len, kLzxLengthSymbols, plan.length_code);
    BuildCanonicalCodes(plan.aligned_len, kLzxAlignedSymbols, plan.aligned_code);
    bits.Put(plan.aligned ? kAligned : kVerbatim, 3);
    bits.Put(block_size, 24);
    if (plan.aligned)
        for (uint8_t len : plan.aligned_len) bits.Put(len, 3);
    WriteTree(bits, plan.main_low);
    WriteTree(bits, plan.main_high);
    WriteTree(bits, plan.lengths);
    std::memcpy(main_lengths_, plan.main_len, sizeof main_lengths_);
    std::memcpy(length_lengths_, plan.length_len, sizeof length_lengths_);
}

void LzxBlockWriter::WriteTokens(LzxBitWriter& bits, const LzxBlockPlan& p, const std::vector<LzxToken>& tokens) {
    // The length tree's codes with a last entry of no bits for a token without one, so that
    // every token takes the same steps: literals and matches alternate too unpredictably to
    // branch on.
    uint32_t length_code[kLzxLengthSymbols + 1], length_len[kLzxLengthSymbols + 1];
    for (uint32_t s = 0; s < kLzxLengthSymbols; ++s) {
        length_code[s] = p.length_code[s];
        length_len[s] = p.length_len[s];
    }
    length_code[kLzxLengthSymbols] = length_len[kLzxLengthSymbols] = 0;
    for (const LzxToken& t : tokens) {
        const uint32_t l = t.length >= 0 ? static_cast<uint32_t>(t.length) : kLzxLengthSymbols;
        // Both codes fit one call: neither is longer than 16 bits.
        bits.Put(uint32_t{p.main_code[t.main]} << length_len[l] | length_code[l],
                 static_cast<int>(p.main_len[t.main] + length_len[l]));
        if (t.footer_bits == 0) continue;
        if (p.aligned && t.footer_bits >= 3) {
            bits.Put(t.footer >> 3, t.footer_bits - 3);
            bits.Put(p.aligned_code[t.footer & 7], p.aligned_len[t.footer & 7]);
        } else {
            bits.Put(t.footer, t.footer_bits);
        }
    }
}

void LzxBlockWriter::WriteRaw(LzxBitWriter& bits, std::string_view bytes, const LzxRepeats& reps) {
    bits.Put(kUncompressed, 3);
    bits.Put(static_cast<uint32_t>(bytes.size()), 24);
    // The readers skip 1 to 16 bits to reach a word boundary: a whole word when already on one.
    if (bits.Aligned()) bits.Put(0, 16);
    else bits.AlignTo16();
    for (uint32_t v : reps.r) bits.PutLe32(v);
    bits.PutBytes(bytes);
    if (bytes.size() % 2 != 0) bits.PutByte(0);
}

}  // namespace chm

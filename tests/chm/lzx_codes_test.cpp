#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <queue>
#include <random>
#include <string>
#include <vector>

#include "chm/lzx_bit_writer.h"
#include "chm/lzx_block_writer.h"
#include "chm/lzx_huffman.h"
#include "chm/lzx_match_finder.h"
#include "tests/chm/sample_inputs.h"

namespace {

// Fibonacci frequencies, a zero now and then: left alone they give codes far past any limit.
std::vector<uint32_t> Skewed(size_t n) {
    std::vector<uint32_t> f(n, 0);
    for (size_t i = 0, a = 1, b = 1; i < n; i += 1 + i % 3, b = std::exchange(a, std::min<size_t>(a + b, 1 << 28)))
        f[i] = static_cast<uint32_t>(a);
    return f;
}

// Within the limit, complete (as strict readers want), and canonical: codes counted up in
// order of length then symbol, each the one before plus one, shifted to its length.
TEST(LzxCodes, LengthsKeepTheLimitAndCodesAreCanonical) {
    const std::vector<std::pair<std::vector<uint32_t>, int>> cases = {
        {{5, 0}, 16},       {{0, 0, 7}, 16},   {{1, 1}, 16},      {{3, 0, 3, 9, 1, 0, 1}, 16},
        {Skewed(20), 7},    {Skewed(249), 16}, {Skewed(512), 16}, {std::vector<uint32_t>(512, 4), 16}};
    for (const auto& [freq, max_bits] : cases) {
        const size_t n = freq.size();
        SCOPED_TRACE(std::to_string(n) + " symbols, at most " + std::to_string(max_bits) + " bits");
        std::vector<uint8_t> len(n);
        std::vector<uint16_t> code(n);
        chm::BuildCodeLengths(freq.data(), n, max_bits, len.data());
        chm::BuildCanonicalCodes(len.data(), n, code.data());
        const bool one_used = std::count(freq.begin(), freq.end(), 0u) + 1 == static_cast<ptrdiff_t>(n);
        std::vector<size_t> order;
        uint64_t kraft = 0;  // in units of 2^-16
        for (size_t s = 0; s < n; ++s) {
            EXPECT_LE(len[s], max_bits);
            // A lone used symbol has a partner; else exactly the used symbols have codes.
            EXPECT_TRUE(one_used || (len[s] != 0) == (freq[s] != 0)) << "symbol " << s;
            if (len[s] != 0) order.push_back(s), kraft += uint64_t{1} << (16 - len[s]);
        }
        EXPECT_EQ(kraft, uint64_t{1} << 16);
        std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return len[a] < len[b]; });
        EXPECT_EQ(code[order[0]], 0);
        for (size_t i = 1; i < order.size(); ++i) {
            const size_t a = order[i - 1], b = order[i];
            EXPECT_EQ(code[b], (code[a] + 1u) << (len[b] - len[a])) << "symbol " << b;
        }
    }
}

// Where the limit is not reached the lengths are a true Huffman code's: they cost the sum of
// the weights merged two at a time, lightest first, whatever ties and sizes the sort meets.
TEST(LzxCodes, LengthsUnderTheLimitCostWhatHuffmanMergesGive) {
    std::mt19937 gen(11);
    std::vector<uint32_t> small(300), large(512), powers(17);
    for (auto& f : small) f = 1 + gen() % 1000;
    for (auto& f : large) f = 30000 + gen() % 35537;  // three digits of the radix sort
    for (size_t i = 0; i < powers.size(); ++i) powers[i] = 1u << i;  // the deepest code just fits
    for (const auto& freq : {std::vector<uint32_t>{1, 2}, std::vector<uint32_t>(249, 9), small, large, powers}) {
        std::vector<uint8_t> len(freq.size());
        chm::BuildCodeLengths(freq.data(), freq.size(), 16, len.data());
        std::priority_queue<uint64_t, std::vector<uint64_t>, std::greater<>> q;
        for (uint32_t f : freq) q.push(f);
        uint64_t merged = 0, cost = 0;
        for (uint64_t a; q.size() > 1; merged += a, q.push(a)) {
            a = q.top(), q.pop();
            a += q.top(), q.pop();
        }
        for (size_t s = 0; s < freq.size(); ++s) cost += uint64_t{freq[s]} * len[s];
        EXPECT_EQ(cost, merged) << freq.size() << " symbols";
    }
}

// Two frames planned as one block from their summed counts: the same plan as from their
// tokens counted together.
TEST(LzxCodes, SummedCountsPlanAsTheTokensTogether) {
    std::vector<chm::LzxToken> a, b, both;
    chm::LzxRepeats reps;
    const std::string bytes = chm_test::RandomBytes(3000, 5);
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<uint8_t>(bytes[i]);
        both.push_back(byte < 100 ? chm::LzxLiteralToken(byte)
                                  : chm::LzxMatchToken(2 + byte % 40, 1 + byte * 211u % 60000, reps));
        (i < 1000 ? a : b).push_back(both.back());
    }
    chm::LzxSymbolCounts summed(a);
    summed += chm::LzxSymbolCounts(b);
    const chm::LzxBlockWriter writer;
    const chm::LzxBlockPlan p = writer.Plan(summed), q = writer.Plan(chm::LzxSymbolCounts(both));
    EXPECT_EQ(p.bits, q.bits);
    EXPECT_TRUE(std::ranges::equal(p.main_len, q.main_len) && std::ranges::equal(p.length_len, q.length_len));
}

// Bits of any width, flushed two words at a time, then raw bytes after an aligned word: the same
// bytes as setting each bit in turn into 16-bit little-endian words, high bit first.
TEST(LzxCodes, BitWriterMatchesBitByBitWords) {
    std::mt19937 gen(7);
    for (int round = 0; round < 20; ++round) {
        std::string out;
        chm::LzxBitWriter bits(out);
        std::vector<bool> model;
        for (int i = 0, n = 1 + round * 7; i < n; ++i) {
            const int count = static_cast<int>(gen() % 33);
            const uint32_t value = static_cast<uint32_t>(gen());
            bits.Put(value, count);
            for (int b = count - 1; b >= 0; --b) model.push_back((value >> b) & 1);
        }
        bits.AlignTo16();
        while (model.size() % 16 != 0) model.push_back(false);
        ASSERT_EQ(bits.ByteSize(), model.size() / 8);
        bits.Put(0xABCD, 16);  // a whole word still held when the raw bytes come
        bits.PutByte(0x5A);
        std::string expected;
        for (size_t w = 0; w < model.size(); w += 16) {
            uint16_t word = 0;
            for (size_t b = 0; b < 16; ++b) word = static_cast<uint16_t>(word << 1 | model[w + b]);
            expected += {static_cast<char>(word & 0xFF), static_cast<char>(word >> 8)};
        }
        expected += "\xCD\xAB\x5A";
        EXPECT_EQ(out, expected) << "round " << round;
    }
}

// A token as a reader takes it: a literal (distance 0) or a match, its distance resolved from
// the recent ones `r`, which it updates.
struct Step {
    uint32_t length, distance;
};
Step Decode(const chm::LzxToken& t, uint32_t (&r)[3]) {
    if (t.main < 256) return {1, 0};
    const uint32_t slot = (t.main - 256u) / 8, header = (t.main - 256u) % 8;
    const uint32_t length = header < 7 ? header + 2 : static_cast<uint32_t>(t.length) + 9;
    const uint32_t distance = slot < 3 ? r[slot] : ((2u | (slot & 1)) << (slot / 2 - 1)) + t.footer - 2;
    if (slot < 3) std::swap(r[0], r[slot]);
    else r[2] = r[1], r[1] = r[0], r[0] = distance;
    return {length, distance};
}

// The tokens a finder at `level` gives for the frames of `text` (one interval) that start at
// `starts`, the recent distances carried from one to the next unless `fresh`.
std::vector<chm::LzxToken> ParseFrames(int level, const std::string& text, size_t data_end,
                                       const std::vector<size_t>& starts, bool fresh = false) {
    chm::LzxMatchFinder finder(chm::lzx_tunables::Level(level));
    finder.Reset(text, data_end);
    chm::LzxRepeats reps;
    std::vector<chm::LzxToken> tokens;
    chm::LzxSymbolCounts counts;
    for (size_t f = 0; f < starts.size(); ++f) {
        if (fresh) reps = {};
        finder.Parse(starts[f], f + 1 < starts.size() ? starts[f + 1] : text.size(), reps, tokens, counts);
    }
    return tokens;
}

// What the parse counts as it goes is what counting its tokens gives, at every level; replayed
// as a reader would, its tokens give back the interval, no match reaching back before it, past
// the frame's end or past the true end into the padding (zeros here, that would match on). The
// second frame is also parsed afresh, from the distances a raw first frame leaves: the optimal
// levels parse it with the first, and must not hand out what they kept for other distances.
TEST(LzxCodes, ParseCountsTheSymbolsOfItsTokens) {
    const std::string block = chm_test::RandomBytes(700, 8), first = chm_test::RandomBytes(65533, 13);
    std::string apart;  // copies of the block, every third byte changed: two bytes agree at a time
    for (uint32_t copy = 0; apart.size() < 65536; ++copy)
        for (size_t i = 0; i < block.size(); ++i) apart += static_cast<char>(block[i] ^ (i % 3 == copy % 3));
    std::string html;
    for (const auto& f : chm_test::HtmlFilesUnder("/usr/share/doc/libxslt1-dev/html"))
        if (html.size() < 65536) html += chm_test::ReadFile(f);
    ASSERT_GE(html.size(), 65536u) << "libxslt's HTML manual is missing: install libxslt1-dev";
    const std::vector<std::pair<std::string, size_t>> cases = {
        {chm_test::RandomBytes(20000, 3) + std::string(30000, 'a') + chm_test::RandomBytes(15536, 4), 65536},
        {std::string(65536, '\0'), 40000}, {first + first.substr(0, 3), 65536}, {apart.substr(0, 65536), 65536},
        {html.substr(0, 65536), 65536}};
    for (int level = chm::lzx_tunables::kMinLevel; level <= chm::lzx_tunables::kMaxLevel; ++level) {
        for (const auto& [text, data_end] : cases) {
            for (bool fresh : {false, true}) {
                SCOPED_TRACE("case " + std::to_string(&text - &cases[0].first) + " at level " + std::to_string(level) +
                             (fresh ? ", second frame afresh" : ""));
                chm::LzxMatchFinder finder(chm::lzx_tunables::Level(level));
                finder.Reset(text, data_end);
                chm::LzxRepeats reps;
                std::vector<chm::LzxToken> tokens;
                chm::LzxSymbolCounts counts;
                finder.Parse(0, 32768, reps, tokens, counts);
                const size_t in_first = tokens.size();
                if (fresh) reps = {};
                finder.Parse(32768, text.size(), reps, tokens, counts);
                const chm::LzxSymbolCounts expected(tokens);
                EXPECT_TRUE(std::ranges::equal(counts.main, expected.main) &&
                            std::ranges::equal(counts.length, expected.length) &&
                            std::ranges::equal(counts.aligned, expected.aligned) &&
                            counts.footer_bits == expected.footer_bits);
                std::string out;
                uint32_t r[3] = {1, 1, 1};
                for (size_t i = 0; i < tokens.size(); ++i) {
                    if (fresh && i == in_first) r[0] = r[1] = r[2] = 1;
                    const Step step = Decode(tokens[i], r);
                    if (step.distance == 0) {
                        out += static_cast<char>(tokens[i].main);
                        continue;
                    }
                    const size_t at = out.size(), frame_end = i < in_first ? 32768 : 65536;
                    ASSERT_TRUE(step.distance <= at && at + step.length <= frame_end &&
                                (at >= data_end || at + step.length <= data_end))
                        << i;
                    for (uint32_t k = 0; k < step.length; ++k) out += out[out.size() - step.distance];
                }
                EXPECT_TRUE(out == text);
            }
        }
    }
}

// The trees find a copy however far back in the interval it lies, and of equal copies the
// nearest: the copy of `copied` bytes `back` bytes on comes out in as few matches as it can,
// each at that distance (a decoy copy further back, when there is one, is passed over).
TEST(LzxCodes, TheOptimalLevelsFindTheNearestWholeCopy) {
    struct Case {
        size_t back, copied;
        bool decoy;
    };
    const std::vector<Case> cases = {{40, 30, false},     {1000, 257, false}, {20000, 600, true},
                                     {45000, 100, true}, {65000, 300, false}, {33000, 514, true}};
    for (int level = chm::lzx_tunables::kMinLevel; level <= chm::lzx_tunables::kMaxLevel; ++level) {
        if (!chm::lzx_tunables::Level(level).optimal) continue;
        for (const Case& c : cases) {
            SCOPED_TRACE(std::to_string(c.copied) + " bytes from " + std::to_string(c.back) + " back at level " +
                         std::to_string(level));
            std::string text = chm_test::RandomBytes(65536, static_cast<uint32_t>(c.back));
            const size_t to = 65536 - 1 - c.copied, from = to - c.back;
            text.replace(to, c.copied, text, from, c.copied);
            if (c.decoy) text.replace(from / 2, c.copied, text, from, c.copied);
            uint32_t r[3] = {1, 1, 1};
            size_t at = 0, matches = 0;
            for (const chm::LzxToken& t : ParseFrames(level, text, text.size(), {0, 32768})) {
                const Step step = Decode(t, r);
                if (at >= to && at < to + c.copied) {
                    EXPECT_EQ(step.distance, c.back) << "at " << at;
                    ++matches;
                }
                at += step.length;
            }
            EXPECT_EQ(matches, (c.copied + 256) / 257);
        }
    }
}

// Inside a long copy, taken whole, the positions are not searched and not all of them go into
// the trees: a later copy of its middle is still found, in as many matches as its length needs
// (one more where it starts at a position left out) and at most one literal.
TEST(LzxCodes, TheOptimalLevelsFindCopiesOfTheInsideOfALongMatch) {
    for (int level = chm::lzx_tunables::kMinLevel; level <= chm::lzx_tunables::kMaxLevel; ++level) {
        if (!chm::lzx_tunables::Level(level).optimal) continue;
        for (size_t start : {501, 502, 1300}) {
            std::string text = chm_test::RandomBytes(65536, 30);
            text.replace(10000, 2000, text, 0, 2000);
            text.replace(40000, 400, text, 10000 + start, 400);
            uint32_t r[3] = {1, 1, 1};
            size_t at = 0, matches = 0, literals = 0;
            for (const chm::LzxToken& t : ParseFrames(level, text, text.size(), {0, 32768})) {
                const Step step = Decode(t, r);
                if (at >= 40000 && at < 40400) ++(step.distance ? matches : literals);
                at += step.length;
            }
            EXPECT_LE(matches, 3u) << "from " << start << " at level " << level;
            EXPECT_LE(literals, 1u) << "from " << start << " at level " << level;
        }
    }
}

// A copy with one byte changed is a match, that byte, then the same distance again from the
// recent ones; not two new matches, nor literals where the first match could not reach.
TEST(LzxCodes, TheOptimalLevelsTakeTheSameDistanceAgainAfterAChangedByte) {
    for (int level = chm::lzx_tunables::kMinLevel; level <= chm::lzx_tunables::kMaxLevel; ++level) {
        if (!chm::lzx_tunables::Level(level).optimal) continue;
        for (size_t changed : {5, 40, 150}) {
            std::string text = chm_test::RandomBytes(3000, 21);
            text += text.substr(500, 200);
            text[3000 + changed] ^= 0x55;
            uint32_t r[3] = {1, 1, 1};
            std::vector<Step> copy;
            size_t at = 0;
            for (const chm::LzxToken& t : ParseFrames(level, text, text.size(), {0})) {
                const Step step = Decode(t, r);
                if (at >= 3000) copy.push_back(step);
                at += step.length;
            }
            const std::vector<Step> want = {{static_cast<uint32_t>(changed), 2500}, {1, 0},
                                            {static_cast<uint32_t>(199 - changed), 2500}};
            ASSERT_EQ(copy.size(), want.size()) << "changed at " << changed << ", level " << level;
            for (size_t i = 0; i < want.size(); ++i)
                EXPECT_TRUE(copy[i].length == want[i].length && copy[i].distance == want[i].distance)
                    << "step " << i << " changed at " << changed << ", level " << level;
        }
    }
}

}  // namespace


#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <queue>
#include <random>
#include <string>
#include <tuple>
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

// Where the limit is not reached the lengths are a true Huffman code's: their cost is the sum
// of the weights merged two at a time, lightest first, whatever ties and sizes the sort meets.
TEST(LzxCodes, LengthsUnderTheLimitCostNoMoreThanHuffmans) {
    std::mt19937 gen(11);
    auto random = [&](size_t n, uint32_t least, uint32_t most) {
        std::vector<uint32_t> f(n);
        for (auto& x : f) x = least + gen() % (most - least + 1);
        return f;
    };
    std::vector<uint32_t> powers(17), heavy(249, 1);
    for (size_t i = 0; i < powers.size(); ++i) powers[i] = 1u << i;  // the deepest code just fits
    heavy[3] = heavy[200] = 65536;
    const std::vector<std::vector<uint32_t>> cases = {{1, 2}, {7, 7, 7}, random(20, 0, 3), random(300, 0, 1000),
                                                      random(512, 30000, 65536), powers, heavy,
                                                      std::vector<uint32_t>(249, 9)};
    for (const auto& freq : cases) {
        SCOPED_TRACE(std::to_string(freq.size()) + " symbols");
        std::vector<uint8_t> len(freq.size());
        chm::BuildCodeLengths(freq.data(), freq.size(), 16, len.data());
        std::priority_queue<uint64_t, std::vector<uint64_t>, std::greater<>> q;
        for (uint32_t f : freq)
            if (f != 0) q.push(f);
        uint64_t best = 0, cost = 0;
        while (q.size() > 1) {
            const uint64_t a = q.top();
            q.pop();
            const uint64_t b = q.top();
            q.pop();
            best += a + b;
            q.push(a + b);
        }
        for (size_t s = 0; s < freq.size(); ++s) cost += uint64_t{freq[s]} * len[s];
        EXPECT_EQ(cost, best);
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

// What the parse counts as it goes is what counting its tokens gives, at every level.
TEST(LzxCodes, ParseCountsTheSymbolsOfItsTokens) {
    const std::string text = chm_test::RandomBytes(20000, 3) + std::string(30000, 'a') + chm_test::RandomBytes(15536, 4);
    for (int level = chm::lzx_tunables::kMinLevel; level <= chm::lzx_tunables::kMaxLevel; ++level) {
        chm::LzxMatchFinder finder(chm::lzx_tunables::Level(level));
        finder.Reset(text, text.size());
        chm::LzxRepeats reps;
        std::vector<chm::LzxToken> tokens;
        chm::LzxSymbolCounts counts;
        finder.Parse(0, 32768, reps, tokens, counts);
        finder.Parse(32768, text.size(), reps, tokens, counts);
        const chm::LzxSymbolCounts expected(tokens);
        EXPECT_TRUE(std::ranges::equal(counts.main, expected.main) && std::ranges::equal(counts.length, expected.length) &&
                    std::ranges::equal(counts.aligned, expected.aligned) && counts.footer_bits == expected.footer_bits)
            << "level " << level;
    }
}

}  // namespace

// The parse's tokens, replayed with the recent distances as a reader keeps them, give back the
// input; no match reaches back before the interval, crosses the frame's end or runs past the
// true end into the padding. One interval each, where the matches are hardest to bound.
TEST(LzxCodes, TokensReplayToTheInputAndStayInBounds) {
    const std::string block = chm_test::RandomBytes(700, 8);
    std::string copies;
    while (copies.size() < 65536) copies += block;
    const std::string first = chm_test::RandomBytes(65536 - 3, 13);
    std::string apart;  // the same bytes again with every third changed: two agree at a time
    for (uint32_t copy = 0; apart.size() < 65536; ++copy) {
        std::string c = block;
        for (size_t i = copy % 3; i < c.size(); i += 3) c[i] = static_cast<char>(c[i] ^ (copy + 1));
        apart += c;
    }
    const std::vector<std::tuple<std::string, std::string, size_t>> cases = {
        {"zeros ending mid-frame, the padding's zeros after", std::string(65536, '\0'), 40000},
        {"copies across the frame edge", copies.substr(0, 65536), 65536},
        {"the farthest copy", first + first.substr(0, 3), 65536},
        {"copies two bytes apart", apart.substr(0, 65536), 65536},
        {"random", chm_test::RandomBytes(65536, 9), 65536}};
    for (int level = chm::lzx_tunables::kMinLevel; level <= chm::lzx_tunables::kMaxLevel; ++level) {
        for (const auto& [name, text, data_end] : cases) {
            SCOPED_TRACE(name + " at level " + std::to_string(level));
            chm::LzxMatchFinder finder(chm::lzx_tunables::Level(level));
            finder.Reset(text, data_end);
            chm::LzxRepeats reps;
            std::vector<chm::LzxToken> tokens;
            chm::LzxSymbolCounts counts;
            finder.Parse(0, 32768, reps, tokens, counts);
            const size_t first_frame = tokens.size();
            finder.Parse(32768, text.size(), reps, tokens, counts);
            std::string out;
            uint32_t r[3] = {1, 1, 1};
            for (size_t i = 0; i < tokens.size(); ++i) {
                const chm::LzxToken& t = tokens[i];
                if (t.main < 256) {
                    out += static_cast<char>(t.main);
                    continue;
                }
                const uint32_t slot = (t.main - 256) / 8, header = (t.main - 256) % 8;
                const uint32_t length = header < 7 ? header + 2 : static_cast<uint32_t>(t.length) + 9;
                uint32_t distance = r[slot < 3 ? slot : 0];
                if (slot >= 3) distance = ((2u | (slot & 1)) << (slot / 2 - 1)) + t.footer - 2;
                if (slot >= 3) r[2] = r[1], r[1] = r[0];
                else std::swap(r[0], r[slot]);
                r[0] = distance;
                const size_t frame_end = i < first_frame ? 32768 : 65536;
                ASSERT_LE(distance, out.size()) << "token " << i;
                ASSERT_LE(out.size() + length, frame_end) << "token " << i;
                ASSERT_TRUE(out.size() >= data_end || out.size() + length <= data_end) << "token " << i;
                for (uint32_t k = 0; k < length; ++k) out += out[out.size() - distance];
            }
            EXPECT_TRUE(out == text);
        }
    }
}

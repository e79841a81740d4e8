#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "chm/lzx_block_writer.h"
#include "chm/lzx_huffman.h"
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

}  // namespace

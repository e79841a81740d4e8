#include "chm/lzx_huffman.h"

#include <algorithm>
#include <vector>

namespace chm {

namespace {

// Plain Huffman depths by the two-queue method over symbols sorted by frequency.
int HuffmanDepths(const std::vector<uint32_t>& freq, const std::vector<uint16_t>& used, uint8_t* lengths) {
    const size_t n = used.size();
    // By frequency, ties by symbol: the symbol rides in the low bits of one key.
    std::vector<uint64_t> keys(n);
    for (size_t i = 0; i < n; ++i) keys[i] = uint64_t{freq[used[i]]} << 16 | used[i];
    std::sort(keys.begin(), keys.end());
    std::vector<uint16_t> order(n);
    for (size_t i = 0; i < n; ++i) order[i] = static_cast<uint16_t>(keys[i]);
    // Nodes: leaves 0..n-1 in sorted order, then internal nodes.
    std::vector<uint64_t> weight(2 * n);
    std::vector<int32_t> parent(2 * n, -1);
    for (size_t i = 0; i < n; ++i) weight[i] = freq[order[i]];
    size_t leaf = 0, inner = n, next = n;
    auto take = [&]() {
        if (leaf < n && (inner >= next || weight[leaf] <= weight[inner])) return leaf++;
        return inner++;
    };
    while (next < 2 * n - 1) {
        const size_t a = take(), b = take();
        weight[next] = weight[a] + weight[b];
        parent[a] = parent[b] = static_cast<int32_t>(next);
        ++next;
    }
    // Depths from the root down: internal nodes are created in order, so parents come later.
    std::vector<int> depth(2 * n, 0);
    int deepest = 0;
    for (size_t i = 2 * n - 1; i-- > 0;) {
        if (parent[i] >= 0) depth[i] = depth[static_cast<size_t>(parent[i])] + 1;
        if (i < n) {
            lengths[order[i]] = static_cast<uint8_t>(depth[i]);
            deepest = std::max(deepest, depth[i]);
        }
    }
    return deepest;
}

}  // namespace

void BuildCodeLengths(const uint32_t* freq, size_t count, int max_bits, uint8_t* lengths) {
    std::fill(lengths, lengths + count, uint8_t{0});
    std::vector<uint16_t> used;
    for (size_t i = 0; i < count; ++i)
        if (freq[i] != 0) used.push_back(static_cast<uint16_t>(i));
    if (used.empty()) return;
    if (used.size() == 1) {
        const uint16_t partner = used[0] == 0 ? 1 : 0;
        lengths[used[0]] = lengths[partner] = 1;
        return;
    }
    // Flattening the frequencies until the deepest code fits keeps the code complete.
    std::vector<uint32_t> f(freq, freq + count);
    while (HuffmanDepths(f, used, lengths) > max_bits) {
        for (uint16_t s : used) f[s] = f[s] / 2 + 1;
    }
}

void BuildCanonicalCodes(const uint8_t* lengths, size_t count, uint16_t* codes) {
    uint32_t per_length[17] = {};
    for (size_t s = 0; s < count; ++s) ++per_length[lengths[s]];
    uint32_t next[17] = {};
    uint32_t code = 0;
    for (int len = 1; len <= 16; ++len) {
        code = (code + per_length[len - 1] * (len > 1)) << 1;
        next[len] = code;
    }
    for (size_t s = 0; s < count; ++s)
        if (lengths[s] != 0) codes[s] = static_cast<uint16_t>(next[lengths[s]]++);
}

}  // namespace chm

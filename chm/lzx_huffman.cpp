#include "chm/lzx_huffman.h"

#include <algorithm>

namespace chm {

namespace {

// The main tree's symbols with a 64 KB window; every LZX tree has at most as many. The work
// arrays live on the stack: a reset interval builds some twenty trees.
constexpr size_t kMaxSymbols = 512;

// Plain Huffman depths by the two-queue method over symbols sorted by frequency.
int HuffmanDepths(const uint32_t* freq, const uint16_t* used, size_t n, uint8_t* lengths) {
    // By frequency, ties by symbol: the symbol rides in the low bits of one key.
    uint64_t keys[kMaxSymbols];
    for (size_t i = 0; i < n; ++i) keys[i] = uint64_t{freq[used[i]]} << 16 | used[i];
    std::sort(keys, keys + n);
    // Nodes: leaves 0..n-1 in sorted order, then internal nodes.
    uint64_t weight[2 * kMaxSymbols];
    int32_t parent[2 * kMaxSymbols];
    for (size_t i = 0; i < n; ++i) weight[i] = freq[static_cast<uint16_t>(keys[i])];
    std::fill(parent, parent + 2 * n, -1);
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
    int depth[2 * kMaxSymbols];
    depth[2 * n - 2] = 0;
    int deepest = 0;
    for (size_t i = 2 * n - 1; i-- > 0;) {
        depth[i] = parent[i] >= 0 ? depth[static_cast<size_t>(parent[i])] + 1 : 0;
        if (i < n) {
            lengths[static_cast<uint16_t>(keys[i])] = static_cast<uint8_t>(depth[i]);
            deepest = std::max(deepest, depth[i]);
        }
    }
    return deepest;
}

}  // namespace

void BuildCodeLengths(const uint32_t* freq, size_t count, int max_bits, uint8_t* lengths) {
    std::fill(lengths, lengths + count, uint8_t{0});
    uint16_t used[kMaxSymbols];
    size_t n = 0;
    for (size_t i = 0; i < count && i < kMaxSymbols; ++i)
        if (freq[i] != 0) used[n++] = static_cast<uint16_t>(i);
    if (n == 0) return;
    if (n == 1) {
        const uint16_t partner = used[0] == 0 ? 1 : 0;
        lengths[used[0]] = lengths[partner] = 1;
        return;
    }
    if (HuffmanDepths(freq, used, n, lengths) <= max_bits) return;
    // Flattening the frequencies until the deepest code fits keeps the code complete.
    uint32_t f[kMaxSymbols];
    std::copy(freq, freq + std::min(count, kMaxSymbols), f);
    do {
        for (size_t i = 0; i < n; ++i) f[used[i]] = f[used[i]] / 2 + 1;
    } while (HuffmanDepths(f, used, n, lengths) > max_bits);
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

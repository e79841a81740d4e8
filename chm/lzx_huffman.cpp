#include "chm/lzx_huffman.h"

#include <algorithm>

namespace chm {

namespace {

// The main tree's symbols with a 64 KB window; every LZX tree has at most as many. The work
// arrays live on the stack: a reset interval builds some twenty trees.
constexpr size_t kMaxSymbols = 512;

// Plain Huffman depths over symbols sorted by frequency, built in place in one array (Moffat
// and Katajainen's method): no tree of nodes to allocate or walk.
int HuffmanDepths(const uint32_t* freq, const uint16_t* used, size_t n, uint8_t* lengths) {
    // By frequency, ties by symbol (`used` is in symbol order): a stable radix sort of six bits
    // a pass, as many passes as the largest frequency needs, outruns a comparison sort here.
    uint32_t most = 0;
    for (size_t i = 0; i < n; ++i) most = std::max(most, freq[used[i]]);
    uint16_t order[kMaxSymbols], spare[kMaxSymbols];
    std::copy(used, used + n, order);
    for (int shift = 0; shift < 32 && (most >> shift) != 0; shift += 6) {
        uint32_t start[65] = {};
        for (size_t i = 0; i < n; ++i) ++start[((freq[order[i]] >> shift) & 63) + 1];
        for (int b = 0; b < 64; ++b) start[b + 1] += start[b];
        for (size_t i = 0; i < n; ++i) spare[start[(freq[order[i]] >> shift) & 63]++] = order[i];
        std::copy(spare, spare + n, order);
    }
    // a[] holds weights, then parents' places, then depths, as the passes go.
    uint32_t a[kMaxSymbols];
    for (size_t i = 0; i < n; ++i) a[i] = freq[order[i]];
    // Left to right: each internal node takes the two lightest of the leaves and the nodes
    // made so far; a node's weight is replaced by its parent's place once it is taken.
    a[0] += a[1];
    size_t root = 0, leaf = 2;
    for (size_t next = 1; next < n - 1; ++next) {
        if (leaf >= n || a[root] < a[leaf]) {
            a[next] = a[root];
            a[root++] = static_cast<uint32_t>(next);
        } else {
            a[next] = a[leaf++];
        }
        if (leaf >= n || (root < next && a[root] < a[leaf])) {
            a[next] += a[root];
            a[root++] = static_cast<uint32_t>(next);
        } else {
            a[next] += a[leaf++];
        }
    }
    // Right to left: internal nodes' depths, then as many leaves at each depth as it holds.
    a[n - 2] = 0;
    for (size_t next = n - 2; next-- > 0;) a[next] = a[a[next]] + 1;
    int64_t avail = 1, inner = static_cast<int64_t>(n) - 2, out = static_cast<int64_t>(n) - 1;
    int depth = 0;
    while (avail > 0) {
        int64_t taken = 0;
        while (inner >= 0 && a[inner] == static_cast<uint32_t>(depth)) {
            ++taken;
            --inner;
        }
        for (; avail > taken; --avail) lengths[order[out--]] = static_cast<uint8_t>(depth);
        avail = 2 * taken;
        ++depth;
    }
    return depth - 1;
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

// Every knob of our LZX compressor in one place, with what it trades. Changing one changes
// the bytes of every compiled file (deterministically); bench/chm/lzx_bench prints the size
// and time it gives on the benchmark inputs.
#pragma once

#include <cstddef>
#include <cstdint>

namespace chm::lzx_tunables {

// Levels: what each trades, the only place that says so. A level sets how hard the match finder
// looks and how the parse chooses; the block choices are the same at every level. Figures are
// the interval coder's CPU time on one core for the libxslt manual, the python-requests docs and
// 6 MB of generated reference pages, beside wimlib's LZX on the same 64 KB intervals, medians of
// three runs (bench/chm/lzx_bench):
//   1 (fast): 8 candidates, a match of 32 ends the search, no lazy step. 3.9 to 7.4 per cent
//     larger than wimlib's level 20, 1.4 to 1.75 times as fast (155 to 177 MB/s).
//   2 (default): 44 candidates, a match of 96 ends the search, a lazy step over 8 for matches
//     under 48. 0.06 to 0.9 per cent smaller than wimlib's level 20 (0.06 on the python docs,
//     0.34 on the manual) at 1.03 to 1.11 times its speed (98 to 132 MB/s); what compiled files
//     get unless asked otherwise. Four more candidates: 0.1 per cent smaller, 3 per cent slower.
//   3 (small): 256 candidates, a lazy step over 64. 1 to 3.6 per cent less than 2 (the most on
//     the repetitive generated pages) for 1.4 to 2 times its time; 1.6 to 2 per cent larger than
//     wimlib's level 50 at 5.8 to 8 times its speed (48 to 88 MB/s).
//   4 (smaller): a minimum-cost parse over every position, its matches from binary trees (16
//     nodes visited, a match of 64 taken whole, one position in two inside it put in the
//     trees, and the nearest two-byte match), priced by a pass over an eighth of each frame,
//     then by the trees that pass gives. 0.27 to 0.95 per cent smaller than wimlib's level 50
//     (the least on the python docs, the most on the generated pages) at 1.01 to 1.19 times its
//     speed (7.4 to 10.7 MB/s; on the python docs a tie, within what runs differ by).
//   5 (smallest): 32 nodes, a match of 128 taken whole, every position in the trees, two full
//     passes after one over a quarter of each frame. 0.05 to 0.22 per cent smaller than
//     wimlib's level 100 (the least on the generated pages) at 1.09 to 1.24 times its speed
//     (4.2 to 5.8 MB/s). Random bytes, which go raw, take 4 and 5 at 25 and 19 MB/s.
struct LzxLevelParams {
    int max_chain;         // candidates tried per position (tree nodes, at the optimal levels)
    uint32_t nice_length;  // a match this long ends the search (a recent distance: skips it)
    int lazy_chain;        // candidates tried one byte on for a better match
    uint32_t lazy_below;   // only a match shorter than this has the lazy step; 0: none has
    bool optimal = false;  // price every way through the frame and keep the cheapest
    int passes = 0;        // of that search, each priced by the codes the one before gives
    int insert_every = 1;  // inside a match taken whole, the positions put in the trees: one in this many
    int sample = 1;        // a first pass that others follow looks at the first 1/sample of each frame
};
inline constexpr int kMinLevel = 1;
inline constexpr int kMaxLevel = 5;
inline constexpr int kDefaultLevel = 2;
inline constexpr LzxLevelParams kLevels[] = {
    {8, 32, 0, 0},
    {44, 96, 8, 48},
    {256, 257, 64, 257},
    {16, 64, 0, 0, true, 2, 2, 8},
    {32, 128, 0, 0, true, 3, 1, 4},
};
inline constexpr const LzxLevelParams& Level(int level) {
    return kLevels[(level < kMinLevel ? kMinLevel : level > kMaxLevel ? kMaxLevel : level) - kMinLevel];
}

// Match finding: the nearest three-byte match from a table of one position per hash, longer
// ones along a chain of positions that share a five-byte hash (four at the very end), or for
// the optimal levels down a binary tree of the positions that share a four-byte hash, sorted
// by what follows them (the three-byte match only where the tree finds nothing longer). The
// nearest three-byte match is also tried for four or more when the chain finds nothing (within
// kFarForFour).
//   kHash2Bits, kHash3Bits, kHash4Bits: the tables' sizes, 2^bits entries (the two-byte one
//     only for the optimal levels, whose parse finds uses for the nearest such match). More bits: fewer false
//     candidates, a larger table to keep in cache. The three-byte table need only hold the
//     last kFarForThree positions well, so it stays small.
inline constexpr int kHash2Bits = 12;
inline constexpr int kHash3Bits = 14;
inline constexpr int kHash4Bits = 16;
//   An optimal level's max_chain is the tree nodes visited: past 16 it finds little more on
//     HTML, some more on the generated pages. Its nice_length is what sizes it most: a match
//     that long is taken whole and what starts inside it not searched (insert_every of those
//     positions still go into the trees, for later matches to find), which is where the time
//     goes on repetitive pages; 48 loses 0.5 to 2.5 per cent against 96.
//   A level's max_chain: higher finds longer and nearer matches on repetitive text (smaller
//     output) at a time cost that grows linearly; it also bounds the time on hostile input (one
//     byte repeated). Its lazy_chain likewise for the second look one byte on, which pays less
//     per candidate than the first. Its nice_length: lower is faster on repetitive data and
//     loses little, such matches being already cheap per byte.
//   kFarForThree: a three-byte match further than this is dropped for its literals, which
//     usually cost fewer bits than its position footer. Lower favours literals.
inline constexpr uint32_t kFarForThree = 512;
//   kFarForFour: how far the nearest three-byte match is tried for four or more when the chain
//     finds nothing. Further ones seldom pay, and reaching them misses the cache.
inline constexpr uint32_t kFarForFour = 4096;

// Parsing: a match is chosen by an estimate of the bits it saves over literals, not by the
// real code lengths (which are known only after the block's trees are built).
//   kLiteralBits: what a literal is taken to cost. Higher favours matches, short ones included.
inline constexpr int kLiteralBits = 6;
//   kRecentMatchBits: the cost of a match at one of the three recent distances (no footer).
//     Measured best above kNewMatchBits: a short recent match taken too readily cuts a longer
//     new one short.
inline constexpr int kRecentMatchBits = 11;
//   kNewMatchBits: the fixed cost of a match at a new distance, before its footer bits.
inline constexpr int kNewMatchBits = 9;

// The minimum-cost parse. Both frames of an interval are parsed together, priced alike, as the
// block that covers both (what they most often get) codes them.
//   kOptimalUnusedBits: a symbol the previous pass left unused (lower lets a pass try symbols
//     the last one dropped).
//   A level's sample: a first pass that others follow only learns prices, trying no recent
//     distance, from the first 1/sample of each frame. Higher is faster; past 8 the prices it
//     learns fall short on mixed pages.
inline constexpr uint32_t kOptimalUnusedBits = 11;
//   The first pass's guesses, from a walk that takes the longest match wherever there is one;
//   a first pass priced by what that walk codes, symbol by symbol, ends up 2 per cent larger
//   on the generated pages:
//   kGuessEvenShare: how much of a literal's price is the walk's count of it and how much an
//     even share of all it used (times this). Higher prices rare literals lower.
//   kGuessUnusedLiteralBits: a literal the walk never coded.
//   kGuessLeastMatchShare: the matches' share of symbols at least, however many literals the
//     walk coded.
//   kGuessShortLengthBits to kGuessLongLengthBits: a length symbol's bits, from the shortest to
//     the longest, kGuessLengthSpread symbols setting how soon it nears the second.
inline constexpr double kGuessEvenShare = 1.2;
inline constexpr uint32_t kGuessUnusedLiteralBits = 11;
inline constexpr double kGuessLeastMatchShare = 0.15;
inline constexpr double kGuessShortLengthBits = 4.7;
inline constexpr double kGuessLongLengthBits = 12;
inline constexpr double kGuessLengthSpread = 25;

// Blocks: two frames share one block (one set of trees) when that saves more than this many
// bits over a block each; the slack keeps near-ties on the simpler layout of one block a frame.
inline constexpr uint64_t kJointBlockSlackBits = 15;

}  // namespace chm::lzx_tunables

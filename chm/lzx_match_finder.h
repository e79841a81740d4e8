// Finds matches inside one reset interval (at most the 64 KB window) and parses with them:
// greedily with lazy evaluation, the three recent distances tried against what the chain found
// (the last one alone where it found nothing), or (a level's `optimal`) by a minimum-cost
// search over every position. A three-byte hash gives the nearest short match; a chain over
// five-byte hashes the longer ones for the lazy levels, a binary tree per four-byte hash every
// length's longest for the optimal ones.
#pragma once
#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "chm/lzx_format.h"
#include "chm/lzx_tunables.h"

namespace chm {

struct LzxSymbolCounts;

class LzxMatchFinder {
public:
    explicit LzxMatchFinder(const lzx_tunables::LzxLevelParams& level);

    // Starts a new interval: nothing before it may be referred to. No match runs past `data_end`
    // (the true end of the input, when it falls inside this interval).
    void Reset(std::string_view interval, size_t data_end);

    // Codes [begin, end) of the interval; no match crosses `end`. The tokens' symbols are added
    // to `counts` as they are made, sparing a pass over them.
    void Parse(size_t begin, size_t end, LzxRepeats& reps, std::vector<LzxToken>& out, LzxSymbolCounts& counts);

private:
    struct Match {
        uint32_t length = 0;
        uint32_t distance = 0;
    };
    // A match as the optimal parse keeps it, for every position of a frame: half the size.
    struct Candidate {
        uint16_t length;
        uint16_t distance;
    };
    // What a pass of the minimum-cost search prices symbols at, in sixteenths of a bit.
    struct Prices {
        uint32_t literal[kLzxNumChars];
        // A match's main and length symbols and its footer, by slot and length less two.
        uint16_t match[kLzxPositionSlots][kLzxMaxMatch - 1];
    };
    void ParseGreedy(size_t begin, size_t end, LzxRepeats& reps, std::vector<LzxToken>& out, LzxSymbolCounts& counts);
    void ParseOptimal(size_t begin, size_t end, LzxRepeats& reps, std::vector<LzxToken>& out);
    // The candidates of every position in [begin, end); no match crosses `split` (a frame's
    // end) or `end`.
    void CollectCandidates(size_t begin, size_t split, size_t end);
    // The literals a longest-match walk over the candidates codes, and its matches.
    void FirstGuess(size_t begin, size_t end, uint32_t* literal_freq, uint32_t& matches) const;
    // The first pass's prices of the main and the length symbols, from that walk.
    void GuessPrices(size_t begin, size_t end, uint32_t* main_price, uint32_t* length_price) const;
    void SearchCheapest(size_t begin, size_t end, const LzxRepeats& reps, const Prices& prices,
                        std::vector<LzxToken>& out, LzxRepeats& reps_after);
    // Hashes the next position (it must be `pos`) and finds its best match longer than
    // `shorter`, trying at most `depth` chain entries.
    Match SearchAndInsert(size_t pos, uint32_t max_len, int depth, uint32_t shorter);
    // Adds `pos` to its tree, re-rooted there. With `kRecord`, every match longer than the one
    // before (two bytes and up, no longer than `clip`) is appended to candidates_, nearest
    // first; the longest found is returned.
    template <bool kRecord>
    uint32_t TreeInsert(size_t pos, uint32_t clip);
    // Hashes every position before `pos`.
    void InsertUpTo(size_t pos);
    // Works out the table slots of `pos` (hashed_pos_ and the rest) and fetches them early.
    void HashAhead(size_t pos);
    uint32_t MatchLength(size_t a, size_t b, uint32_t max_len) const;
    uint32_t MaxLength(size_t pos, size_t end) const;

    lzx_tunables::LzxLevelParams level_;
    std::string_view data_;
    size_t data_end_ = 0;
    size_t inserted_ = 0;
    // The table slots of position `hashed_pos_`, worked out ahead to be fetched early.
    size_t hashed_pos_ = SIZE_MAX;
    uint32_t hashed3_ = 0, hashed4_ = 0;
    // Positions are stored one up, 0 meaning none: an interval's positions fit in 16 bits, so
    // the tables stay small enough for the cache.
    std::vector<uint16_t> head3_;
    std::vector<uint16_t> head4_;
    std::vector<uint16_t> prev_;
    // The optimal levels' trees in place of the chain: the smaller and the greater child of
    // each position; and the nearest position of each two-byte hash.
    std::vector<uint16_t> child_;
    std::vector<uint16_t> head2_;
    // The optimal parse's matches per position (longer ones further off), and its search.
    std::vector<Candidate> candidates_;
    std::vector<uint32_t> first_candidate_;  // from position candidates_from_ on
    size_t candidates_from_ = 0, candidates_to_ = 0;
    // How many of the recent distances the search tries: none in a first pass that only learns prices.
    uint32_t reps_tried_ = 3;
    // The minimum-cost search's nodes, one a position: the cheapest way found there, and its
    // last step.
    std::vector<uint32_t> costs_, steps_;
    // The second frame of an interval, parsed with the first: its tokens, kept until asked for
    // with the recent distances they were parsed from.
    size_t held_begin_ = SIZE_MAX;
    LzxRepeats held_reps_, held_after_;
    std::vector<LzxToken> held_;
    // The parse's tokens of the two frames and its path back, kept for their room.
    std::vector<LzxToken> tokens_, second_;
    std::vector<Match> path_;
};

// Called for every candidate of every position: inlined there.
inline uint32_t LzxMatchFinder::MatchLength(size_t a, size_t b, uint32_t max_len) const {
    const char* p = data_.data();
    uint32_t len = 0;
    while (len + 8 <= max_len) {
        uint64_t x, y;
        std::memcpy(&x, p + a + len, 8);
        std::memcpy(&y, p + b + len, 8);
        if (x != y) {
            // Byte order decides which end of the word the first difference sits at.
            if constexpr (std::endian::native == std::endian::little)
                return len + static_cast<uint32_t>(std::countr_zero(x ^ y) / 8);
            else
                return len + static_cast<uint32_t>(std::countl_zero(x ^ y) / 8);
        }
        len += 8;
    }
    while (len < max_len && p[a + len] == p[b + len]) ++len;
    return len;
}

inline uint32_t LzxMatchFinder::MaxLength(size_t pos, size_t end) const {
    size_t limit = end;
    if (pos < data_end_) limit = std::min(limit, data_end_);
    return static_cast<uint32_t>(std::min<size_t>(kLzxMaxMatch, limit - pos));
}

}  // namespace chm

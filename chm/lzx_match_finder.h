// Finds matches inside one reset interval (at most the 64 KB window) and parses with them:
// greedily with lazy evaluation, the three recent distances tried against what the chain found
// (the last one alone where it found nothing), or (a level's `optimal`) by a minimum-cost
// search over every position. A three-byte hash gives the nearest short match, a chain over
// four-byte hashes the longer ones.
#pragma once
#include <cstddef>
#include <cstdint>
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
    // One position of the minimum-cost search: the cheapest way found to reach it.
    struct Node {
        uint32_t cost = 0;
        uint32_t length = 0;  // of the step that reaches it: 1 a literal, else a match
        uint32_t distance = 0;
        LzxRepeats reps;      // the recent distances along that way
    };
    void ParseGreedy(size_t begin, size_t end, LzxRepeats& reps, std::vector<LzxToken>& out, LzxSymbolCounts& counts);
    void ParseOptimal(size_t begin, size_t end, LzxRepeats& reps, std::vector<LzxToken>& out);
    void CollectCandidates(size_t begin, size_t end);
    void SearchCheapest(size_t begin, size_t end, const LzxRepeats& reps, const uint32_t* main_cost,
                        const uint32_t* length_cost, std::vector<LzxToken>& out, LzxRepeats& reps_after);
    // Hashes the next position (it must be `pos`) and finds its best match longer than
    // `shorter`, trying at most `depth` chain entries. With `all`, every candidate longer than
    // the one before is appended to it, nearest first, and the last is returned.
    template <bool kAll>
    Match SearchAndInsert(size_t pos, uint32_t max_len, int depth, uint32_t shorter, std::vector<Match>* all);
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
    // The optimal parse's matches per position (longer ones further off), and its search.
    std::vector<Match> candidates_;
    std::vector<uint32_t> first_candidate_;
    std::vector<Node> nodes_;
};

}  // namespace chm

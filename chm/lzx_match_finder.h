// Finds matches inside one reset interval (at most the 64 KB window) by hash chains, and parses
// with them: greedily with one step of lazy evaluation and the three recent distances tried
// first, or (a level's `optimal`) by a minimum-cost search over every position.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "chm/lzx_format.h"
#include "chm/lzx_tunables.h"

namespace chm {

class LzxMatchFinder {
public:
    explicit LzxMatchFinder(const lzx_tunables::LzxLevelParams& level);

    // Starts a new interval: nothing before it may be referred to. No match runs past `data_end`
    // (the true end of the input, when it falls inside this interval).
    void Reset(std::string_view interval, size_t data_end);

    // Codes [begin, end) of the interval; no match crosses `end`.
    void Parse(size_t begin, size_t end, LzxRepeats& reps, std::vector<LzxToken>& out);

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
    void ParseGreedy(size_t begin, size_t end, LzxRepeats& reps, std::vector<LzxToken>& out);
    void ParseOptimal(size_t begin, size_t end, LzxRepeats& reps, std::vector<LzxToken>& out);
    void CollectCandidates(size_t begin, size_t end);
    void SearchCheapest(size_t begin, size_t end, const LzxRepeats& reps, const uint32_t* main_cost,
                        const uint32_t* length_cost, std::vector<LzxToken>& out, LzxRepeats& reps_after);
    Match Longest(size_t pos, uint32_t max_len) const;
    uint32_t MatchLength(size_t a, size_t b, uint32_t max_len) const;
    void Insert(size_t pos);
    uint32_t HashAt(size_t pos) const;

    lzx_tunables::LzxLevelParams level_;
    std::string_view data_;
    size_t data_end_ = 0;
    size_t inserted_ = 0;
    std::vector<int32_t> head_;
    std::vector<int32_t> prev_;
    // The optimal parse's matches per position (longer ones further off), and its search.
    std::vector<Match> candidates_;
    std::vector<uint32_t> first_candidate_;
    std::vector<Node> nodes_;
};

}  // namespace chm

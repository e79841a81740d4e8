// The minimum-cost parse: every literal and match a position offers, priced in bits, the
// cheapest path through the frame kept. Prices start as fixed guesses, then are the code
// lengths of the trees the previous path would have built.
#include <algorithm>
#include <bit>
#include <climits>
#include <cstdint>

#include "chm/lzx_huffman.h"
#include "chm/lzx_match_finder.h"
#include "chm/lzx_tunables.h"

namespace chm {

namespace {

using namespace lzx_tunables;

struct Slot {
    uint32_t slot;
    uint32_t footer_bits;
};

Slot SlotOf(uint32_t distance) {
    const uint32_t formatted = distance + 2;
    if (formatted < 4) return {formatted, 0};
    const int high = std::bit_width(formatted) - 1;
    const uint32_t slot = 2 * static_cast<uint32_t>(high) + ((formatted >> (high - 1)) & 1);
    return {slot, slot / 2 - 1};
}

// A match's main and length symbols for `slot`, the footer left to the caller.
uint32_t SymbolsCost(uint32_t slot, uint32_t length, const uint32_t* main_cost, const uint32_t* length_cost) {
    const uint32_t header = length - kLzxMinMatch;
    if (header < 7) return main_cost[kLzxNumChars + slot * 8 + header];
    return main_cost[kLzxNumChars + slot * 8 + 7] + length_cost[header - 7];
}

}  // namespace

void LzxMatchFinder::CollectCandidates(size_t begin, size_t end) {
    candidates_.clear();
    first_candidate_.assign(end - begin + 1, 0);
    // Inside a match of nice length the positions are hashed but not searched: such a match is
    // taken whole, so what starts inside it matters little and would cost the most time.
    size_t skip_until = begin;
    for (size_t pos = begin; pos < end; ++pos) {
        first_candidate_[pos - begin] = static_cast<uint32_t>(candidates_.size());
        const uint32_t max_len = MaxLength(pos, end);
        if (pos < skip_until || max_len < 3) continue;
        const Match m = SearchAndInsert<true>(pos, max_len, level_.max_chain, 2, &candidates_);
        if (m.length >= max_len || m.length >= level_.nice_length) skip_until = pos + m.length;
    }
    first_candidate_[end - begin] = static_cast<uint32_t>(candidates_.size());
    InsertUpTo(end);
}

void LzxMatchFinder::SearchCheapest(size_t begin, size_t end, const LzxRepeats& reps, const uint32_t* main_cost,
                                    const uint32_t* length_cost, std::vector<LzxToken>& out, LzxRepeats& reps_after) {
    const size_t n = end - begin;
    nodes_.assign(n + 1, Node{UINT32_MAX, 0, 0, {}});
    nodes_[0].cost = 0;
    nodes_[0].reps = reps;
    // A match of nice length is taken whole: the positions inside it are not set out from, which
    // spares the time that grows with the square of its length; every node still reached has a
    // way back.
    size_t skip_to = 0;
    for (size_t i = 0; i < n; ++i) {
        if (i < skip_to) continue;
        const Node here = nodes_[i];
        const size_t pos = begin + i;
        auto relax = [&](uint32_t length, uint32_t distance, uint32_t cost, const LzxRepeats& r) {
            Node& to = nodes_[i + length];
            if (cost < to.cost) to = {cost, length, distance, r};
        };
        relax(1, 0, here.cost + main_cost[static_cast<uint8_t>(data_[pos])], here.reps);
        size_t limit = end;
        if (pos < data_end_) limit = std::min(limit, data_end_);
        const uint32_t max_len = static_cast<uint32_t>(std::min<size_t>(kLzxMaxMatch, limit - pos));
        if (max_len < kLzxMinMatch) continue;
        const uint32_t* r = here.reps.r;
        for (uint32_t k = 0; k < 3; ++k) {
            const uint32_t d = r[k];
            // A distance held twice is coded at its first place.
            if (d > pos || (k > 0 && d == r[0]) || (k > 1 && d == r[1])) continue;
            const uint32_t len = MatchLength(pos - d, pos, max_len);
            if (len < kLzxMinMatch) continue;
            LzxRepeats next = here.reps;
            std::swap(next.r[0], next.r[k]);
            for (uint32_t l = len >= level_.nice_length ? len : kLzxMinMatch; l <= len; ++l)
                relax(l, d, here.cost + SymbolsCost(k, l, main_cost, length_cost), next);
            if (len >= level_.nice_length) skip_to = std::max(skip_to, i + len);
        }
        uint32_t shorter = kLzxMinMatch;
        for (uint32_t c = first_candidate_[i]; c < first_candidate_[i + 1]; ++c) {
            const Match m = candidates_[c];
            const uint32_t from = shorter + 1;
            shorter = m.length;
            // A recent distance was priced above, as the shorter code it gets.
            if (m.distance == r[0] || m.distance == r[1] || m.distance == r[2]) continue;
            const Slot s = SlotOf(m.distance);
            const LzxRepeats next{{m.distance, r[0], r[1]}};
            for (uint32_t l = m.length >= level_.nice_length ? m.length : from; l <= m.length; ++l)
                relax(l, m.distance, here.cost + s.footer_bits + SymbolsCost(s.slot, l, main_cost, length_cost), next);
            if (m.length >= level_.nice_length) skip_to = std::max(skip_to, i + m.length);
        }
    }
    std::vector<uint32_t> steps;
    for (size_t j = n; j > 0; j -= nodes_[j].length) steps.push_back(static_cast<uint32_t>(j));
    reps_after = reps;
    size_t at = 0;
    for (auto it = steps.rbegin(); it != steps.rend(); ++it) {
        const Node& node = nodes_[*it];
        if (node.length == 1) out.push_back(LzxLiteralToken(static_cast<uint8_t>(data_[begin + at])));
        else out.push_back(LzxMatchToken(node.length, node.distance, reps_after));
        at = *it;
    }
}

void LzxMatchFinder::ParseOptimal(size_t begin, size_t end, LzxRepeats& reps, std::vector<LzxToken>& out) {
    CollectCandidates(begin, end);
    uint32_t main_cost[kLzxMainSymbols];
    uint32_t length_cost[kLzxLengthSymbols];
    std::fill(main_cost, main_cost + kLzxNumChars, kOptimalLiteralBits);
    std::fill(main_cost + kLzxNumChars, main_cost + kLzxMainSymbols, kOptimalMatchSymbolBits);
    std::fill(length_cost, length_cost + kLzxLengthSymbols, kOptimalLengthSymbolBits);
    std::vector<LzxToken> tokens;
    LzxRepeats after;
    for (int pass = 0;; ++pass) {
        tokens.clear();
        SearchCheapest(begin, end, reps, main_cost, length_cost, tokens, after);
        if (pass + 1 >= kOptimalPasses) break;
        uint32_t main_freq[kLzxMainSymbols] = {};
        uint32_t length_freq[kLzxLengthSymbols] = {};
        for (const LzxToken& t : tokens) {
            ++main_freq[t.main];
            if (t.length >= 0) ++length_freq[t.length];
        }
        uint8_t main_len[kLzxMainSymbols], length_len[kLzxLengthSymbols];
        BuildCodeLengths(main_freq, kLzxMainSymbols, 16, main_len);
        BuildCodeLengths(length_freq, kLzxLengthSymbols, 16, length_len);
        for (uint32_t s = 0; s < kLzxMainSymbols; ++s) main_cost[s] = main_len[s] ? main_len[s] : kOptimalUnusedBits;
        for (uint32_t s = 0; s < kLzxLengthSymbols; ++s)
            length_cost[s] = length_len[s] ? length_len[s] : kOptimalUnusedBits;
    }
    out.insert(out.end(), tokens.begin(), tokens.end());
    reps = after;
}

}  // namespace chm

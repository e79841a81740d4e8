// The minimum-cost parse: every literal and match a position offers, priced in bits, the
// cheapest path through the frame kept. The first pass is priced by guesses from a
// longest-match walk, each later one by the codes the previous path would get.
#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>

#include "chm/lzx_block_writer.h"
#include "chm/lzx_hashing.h"
#include "chm/lzx_huffman.h"
#include "chm/lzx_match_finder.h"
#include "chm/lzx_tunables.h"

namespace chm {

namespace {

using namespace lzx_tunables;
using namespace lzx_hashing;

uint32_t SlotOf(uint32_t distance) {
    const uint32_t formatted = distance + 2;
    if (formatted < 4) return formatted;
    const int high = std::bit_width(formatted) - 1;
    return 2 * static_cast<uint32_t>(high) + ((formatted >> (high - 1)) & 1);
}
// Prices are in this fraction of a bit: a first pass priced by frequencies alone tells apart
// symbols that whole code lengths would not.
constexpr uint32_t kCostScale = 16;
uint32_t FooterBits(uint32_t slot) { return slot < 4 ? 0 : slot / 2 - 1; }

// A node's step: its length in the low bits, above them a recent distance's index (0 to 2) or
// a new distance plus 3; once the node is reached, always the distance plus 3. A gap step is a
// new match, one literal, then the same distance again, the first match kept aside.
constexpr uint32_t kLengthBits = 9;
constexpr uint32_t kLengthMask = (1u << kLengthBits) - 1;
constexpr uint32_t kGap = 1u << 31;
constexpr uint32_t Step(uint32_t length, uint32_t code) { return length | code << kLengthBits; }
constexpr uint32_t DistanceOf(uint32_t step) { return ((step & ~kGap) >> kLengthBits) - 3; }

// Offers the nodes `from` to `to` on from `cost` a match of each length, `code` its distance
// (as a step holds it). The costs and the steps are apart and the loop without a branch, so
// that it runs several lengths at a time.
void Relax(uint32_t* __restrict costs, uint32_t* __restrict steps, uint32_t cost, const uint16_t* __restrict price,
           uint32_t from, uint32_t to, uint32_t code) {
    if (to < from) return;
    costs += from;
    steps += from;
    price += from - kLzxMinMatch;
    const uint32_t first = Step(from, code);
    for (size_t k = 0, count = to - from + 1; k < count; ++k) {
        const uint32_t c = cost + price[k];
        const bool better = c < costs[k];
        costs[k] = better ? c : costs[k];
        steps[k] = better ? first + static_cast<uint32_t>(k) : steps[k];
    }
}

// The recent distances a node is reached with are needed only until the search is a longest
// step (a gap one: two matches and a literal) past it.
constexpr size_t kRing = 1024;
static_assert(kRing > 2 * kLzxMaxMatch + 1);

// The three recent distances in one word, sixteen bits each (an interval's distances fit), as
// the search copies them at every position.
using Recent = uint64_t;
constexpr uint32_t RecentAt(Recent r, uint32_t k) { return static_cast<uint32_t>(r >> (16 * k)) & 0xFFFF; }
constexpr Recent RecentOf(const LzxRepeats& r) { return r.r[0] | Recent{r.r[1]} << 16 | Recent{r.r[2]} << 32; }
constexpr Recent Pushed(Recent r, uint32_t distance) { return (r << 16 & 0xFFFFFFFF0000) | distance; }
// Distance `k` brought to the front, the one there taking its place.
constexpr Recent Swapped(Recent r, uint32_t k) {
    const Recent front = r & 0xFFFF, moved = RecentAt(r, k);
    return (r & ~(Recent{0xFFFF} << (16 * k)) & ~Recent{0xFFFF}) | front << (16 * k) | moved;
}

}  // namespace

void LzxMatchFinder::FirstGuess(size_t begin, size_t end, uint32_t* literal_freq, uint32_t& matches) const {
    for (size_t pos = begin; pos < end;) {
        const uint32_t first = first_candidate_[pos - candidates_from_], last = first_candidate_[pos - candidates_from_ + 1];
        if (first == last || candidates_[last - 1].length < 3) {
            ++literal_freq[static_cast<uint8_t>(data_[pos])];
            ++pos;
            continue;
        }
        ++matches;
        pos += candidates_[last - 1].length;
    }
}

void LzxMatchFinder::GuessPrices(size_t begin, size_t end, uint32_t* main_price, uint32_t* length_price) const {
    uint32_t literal_freq[kLzxNumChars] = {};
    uint32_t matches = 0;
    FirstGuess(begin, end, literal_freq, matches);
    double items = matches;
    int used = 0;
    for (uint32_t f : literal_freq) {
        items += f;
        used += f != 0;
    }
    auto price = [](double probability) {
        return std::max(kCostScale, static_cast<uint32_t>(-std::log2(probability) * kCostScale));
    };
    // A literal's share of the walk, evened out towards all the literals it used alike: the walk
    // takes a long match wherever there is one, which leaves out literals a cheaper path keeps.
    const double even = 1.0 / std::max(used, 1);
    double left = 1;
    for (uint32_t s = 0; s < kLzxNumChars; ++s) {
        if (literal_freq[s] == 0) {
            main_price[s] = kGuessUnusedLiteralBits * kCostScale;
            continue;
        }
        const double p = 0.5 * (literal_freq[s] / items + even * kGuessEvenShare);
        main_price[s] = price(p);
        left -= p;
    }
    // What is left is the matches', shared alike by every header: which ones a path takes is
    // for the passes to find out. A length costs more the longer, up to what a rare one does.
    const uint32_t header = price(std::max(left, kGuessLeastMatchShare) / (kLzxMainSymbols - kLzxNumChars));
    for (uint32_t s = kLzxNumChars; s < kLzxMainSymbols; ++s) main_price[s] = header;
    for (uint32_t s = 0; s < kLzxLengthSymbols; ++s)
        length_price[s] = static_cast<uint32_t>((kGuessShortLengthBits + (kGuessLongLengthBits - kGuessShortLengthBits) *
                                                                             (1 - std::exp(-s / kGuessLengthSpread))) *
                                                kCostScale);
}

void LzxMatchFinder::SearchCheapest(size_t begin, size_t end, const LzxRepeats& reps, const Prices& prices,
                                    std::vector<LzxToken>& out, LzxRepeats& reps_after) {
    const size_t n = end - begin;
    costs_.assign(n + 1, UINT32_MAX);
    steps_.resize(n + 1);
    costs_[0] = 0;
    uint32_t* costs = costs_.data();
    uint32_t* steps = steps_.data();
    Recent ring[kRing];
    uint32_t before_gap[kRing];
    ring[0] = RecentOf(reps);
    const char* d = data_.data();
    // Node `j`, reached: the recent distances it leaves, and its step's distance made plain.
    auto reached = [&](size_t j) {
        const uint32_t step = steps[j], length = step & kLengthMask;
        if (step & kGap) {
            const uint32_t first = before_gap[j % kRing];
            ring[j % kRing] = Pushed(ring[(j - length - 1 - (first & kLengthMask)) % kRing], DistanceOf(first));
            // The node before is done with and the way back reads steps only: its cost keeps the
            // first match, for this node's way back, which passes over that node.
            costs[j - 1] = first;
            steps[j] = kGap | Step(length, DistanceOf(first) + 3);
            return;
        }
        const Recent r = ring[(j - length) % kRing];
        const uint32_t code = step >> kLengthBits;
        if (code < 3) {
            steps[j] = Step(length, RecentAt(r, code) + 3);
            ring[j % kRing] = Swapped(r, code);
        } else {
            ring[j % kRing] = Pushed(r, code - 3);
        }
    };
    // The last match of nice length: the positions inside it were not searched, but may still
    // join it, at its distance, for the rest of its length.
    Match whole;
    size_t whole_end = 0;
    for (size_t i = 0; i < n; ++i) {
        const uint32_t cost = costs[i];
        const Recent recent = ring[i % kRing];
        const uint32_t r[3] = {RecentAt(recent, 0), RecentAt(recent, 1), RecentAt(recent, 2)};
        const size_t pos = begin + i;
        const char* p = d + pos;
        const uint32_t first = first_candidate_[pos - candidates_from_], last = first_candidate_[pos - candidates_from_ + 1];
        if (first == last && i + kLzxMinMatch <= whole_end) {
            const uint32_t length = static_cast<uint32_t>(whole_end - i);
            uint32_t k = 0;
            while (k < 3 && r[k] != whole.distance) ++k;
            Relax(costs + i, steps + i, cost, prices.match[k < 3 ? k : SlotOf(whole.distance)], length, length,
                  k < 3 ? k : whole.distance + 3);
        }
        // The recent distances only where the finder found something: elsewhere they seldom
        // match, and inside a long match they would be tried at every byte.
        const uint32_t max_len = MaxLength(pos, end);
        if (first != last && max_len >= kLzxMinMatch) {
            // Each length at its cheapest-looking distance only: the recent ones in order, then
            // the nearest new one.
            uint32_t next_len = kLzxMinMatch;
            for (uint32_t k = 0; k < reps_tried_; ++k) {
                const uint32_t dist = r[k];
                if (dist > pos || Load16(p - dist) != Load16(p)) continue;
                const uint32_t len = 2 + MatchLength(pos - dist + 2, pos + 2, max_len - 2);
                if (len < next_len) continue;
                const uint16_t* price = prices.match[k];
                Relax(costs + i, steps + i, cost, price, next_len, len, k);
                next_len = len + 1;
            }
            Match longest;
            uint32_t longest_cost = 0;
            for (uint32_t c = first; c < last; ++c) {
                // A sampling pass may end before the frame does.
                const Match m{std::min<uint32_t>(candidates_[c].length, max_len), candidates_[c].distance};
                // A recent distance was priced above as the shorter code it gets, where tried.
                if (m.length < next_len ||
                    (reps_tried_ != 0 && (m.distance == r[0] || m.distance == r[1] || m.distance == r[2])))
                    continue;
                const uint16_t* price = prices.match[SlotOf(m.distance)];
                Relax(costs + i, steps + i, cost, price, next_len, m.length, m.distance + 3);
                next_len = m.length + 1;
                longest = m;
                longest_cost = cost + price[m.length - 2];
            }
            if (last > first && candidates_[last - 1].length >= level_.nice_length) {
                whole = {std::min<uint32_t>(candidates_[last - 1].length, max_len), candidates_[last - 1].distance};
                whole_end = i + whole.length;
            }
            // The longest new match, one literal, then the same distance again: a path the
            // search would miss, the distance being recent only after the literal.
            const size_t again = pos + longest.length + 1;
            if (longest.length != 0 && again + kLzxMinMatch <= end) {
                const uint32_t dist = longest.distance;
                const uint32_t again_max = MaxLength(again, end);
                if (again_max >= kLzxMinMatch && Load16(d + again - dist) == Load16(d + again)) {
                    const uint32_t len = 2 + MatchLength(again - dist + 2, again + 2, again_max - 2);
                    const uint32_t c = longest_cost + prices.literal[static_cast<uint8_t>(p[longest.length])] +
                                       prices.match[0][len - 2];
                    const size_t to = i + longest.length + 1 + len;
                    if (c < costs[to]) {
                        costs[to] = c;
                        steps[to] = kGap | Step(len, 0);
                        before_gap[to % kRing] = Step(longest.length, dist + 3);
                    }
                }
            }
        }
        const uint32_t c = cost + prices.literal[static_cast<uint8_t>(*p)];
        if (c <= costs[i + 1]) {
            costs[i + 1] = c;
            steps[i + 1] = Step(1, 0);
            ring[(i + 1) % kRing] = recent;
        } else {
            reached(i + 1);
        }
    }
    // The path back, as lengths and distances (1 and 0 a literal), last first.
    std::vector<Match>& path = path_;
    path.clear();
    for (size_t j = n; j > 0;) {
        const uint32_t step = steps[j], length = step & kLengthMask;
        if (length == 1) {
            path.push_back({1, 0});
            --j;
            continue;
        }
        path.push_back({length, DistanceOf(step)});
        j -= length;
        if (step & kGap) {
            const uint32_t before = costs[j + length - 1];
            path.push_back({1, 0});
            path.push_back({before & kLengthMask, DistanceOf(before)});
            j -= 1 + (before & kLengthMask);
        }
    }
    reps_after = reps;
    size_t at = begin;
    for (auto it = path.rbegin(); it != path.rend(); ++it) {
        if (it->length == 1) out.push_back(LzxLiteralToken(static_cast<uint8_t>(d[at])));
        else out.push_back(LzxMatchToken(it->length, it->distance, reps_after));
        at += it->length;
    }
}

void LzxMatchFinder::ParseOptimal(size_t begin, size_t end, LzxRepeats& reps, std::vector<LzxToken>& out) {
    if (begin == held_begin_ && std::ranges::equal(reps.r, held_reps_.r)) {
        out.insert(out.end(), held_.begin(), held_.end());
        reps = held_after_;
        held_begin_ = SIZE_MAX;
        return;
    }
    // An interval's first frame is parsed with the second, priced alike: the block that covers
    // both (what the pair most often gets) is coded as the parse priced it, and each frame's
    // prices are learnt from twice the data.
    const size_t last = begin == 0 && end < data_.size() ? data_.size() : end;
    // A frame parsed again (the one before it went raw after all) has its matches already.
    if (begin < candidates_from_ || last > candidates_to_) CollectCandidates(begin, end, last);
    uint32_t main_price[kLzxMainSymbols], length_price[kLzxLengthSymbols];
    GuessPrices(begin, last, main_price, length_price);
    // Members, kept from one interval to the next: allocated afresh, their pages would be
    // cleared by the system every time.
    std::vector<LzxToken>& tokens = tokens_;
    std::vector<LzxToken>& second = second_;
    tokens.clear();
    second.clear();
    LzxRepeats after = reps, after_second;
    Prices prices;
    for (int pass = 0; pass < level_.passes; ++pass) {
        if (pass > 0) {
            uint32_t main_freq[kLzxMainSymbols] = {};
            uint32_t length_freq[kLzxLengthSymbols] = {};
            for (const auto* frame : {&tokens, &second})
                for (const LzxToken& t : *frame) {
                    ++main_freq[t.main];
                    if (t.length >= 0) ++length_freq[t.length];
                }
            uint8_t main_len[kLzxMainSymbols], length_len[kLzxLengthSymbols];
            BuildCodeLengths(main_freq, kLzxMainSymbols, 16, main_len);
            BuildCodeLengths(length_freq, kLzxLengthSymbols, 16, length_len);
            for (uint32_t s = 0; s < kLzxMainSymbols; ++s)
                main_price[s] = (main_len[s] ? main_len[s] : kOptimalUnusedBits) * kCostScale;
            for (uint32_t s = 0; s < kLzxLengthSymbols; ++s)
                length_price[s] = (length_len[s] ? length_len[s] : kOptimalUnusedBits) * kCostScale;
        }
        for (uint32_t s = 0; s < kLzxNumChars; ++s) prices.literal[s] = main_price[s];
        for (uint32_t slot = 0; slot < kLzxPositionSlots; ++slot) {
            const uint32_t* header = main_price + kLzxNumChars + slot * 8;
            for (uint32_t h = 0; h + kLzxMinMatch <= kLzxMaxMatch; ++h)
                prices.match[slot][h] = static_cast<uint16_t>(FooterBits(slot) * kCostScale + (h < 7 ? header[h] : header[7] + length_price[h - 7]));
        }
        tokens.clear();
        // A first pass that others follow only learns prices: a sample of each frame does.
        const bool sample = pass == 0 && level_.passes > 1;
        reps_tried_ = sample ? 0 : 3;
        SearchCheapest(begin, sample ? begin + (end - begin) / static_cast<size_t>(level_.sample) : end, reps, prices, tokens, after);
        if (last > end) {
            second.clear();
            SearchCheapest(end, sample ? end + (last - end) / static_cast<size_t>(level_.sample) : last, after, prices, second, after_second);
        }
    }
    if (last > end) {
        held_begin_ = end;
        held_reps_ = after;
        held_after_ = after_second;
        held_.swap(second);
    }
    out.insert(out.end(), tokens.begin(), tokens.end());
    reps = after;
}

}  // namespace chm

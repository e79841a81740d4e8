// The optimal levels' match finder: a binary tree per four-byte hash, sorted by what follows each
// position, re-rooted at every new one. One walk down it finds the longest match at each length
// and leaves the tree sorted for the next, visiting far fewer positions than a chain would.
#include <algorithm>
#include <cstdint>

#include "chm/lzx_hashing.h"
#include "chm/lzx_match_finder.h"
#include "chm/lzx_tunables.h"

namespace chm {

using namespace lzx_hashing;

template <bool kRecord>
uint32_t LzxMatchFinder::TreeInsert(size_t pos, uint32_t clip) {
    const char* d = data_.data();
    const auto* in = reinterpret_cast<const unsigned char*>(d + pos);
    const uint32_t cur = static_cast<uint32_t>(pos + 1);
    // The tree is sorted as far as the interval goes, whatever `clip` allows a match.
    // Unsearched, it need be sorted only as far as a search would stop.
    const uint32_t max_len =
        std::min(static_cast<uint32_t>(std::min<size_t>(kLzxMaxMatch, data_.size() - pos)), kRecord ? kLzxMaxMatch : level_.nice_length);
    const uint32_t nice = std::min(level_.nice_length, max_len);
    const uint32_t v = Le32(d + pos);
#if defined(__GNUC__)
    // The next position's slots, fetched while this one walks its tree.
    if (pos + 5 <= data_.size()) {
        const uint32_t next = Le32(d + pos + 1);
        __builtin_prefetch(&head4_[Hash4Of(next)]);
        __builtin_prefetch(&head3_[Hash3(next)]);
    }
#endif
    uint32_t last = 1;
    auto record = [&](uint32_t length, uint32_t from) {
        const uint32_t l = std::min(length, clip);
        if (l > last) {
            candidates_.push_back({static_cast<uint16_t>(l), static_cast<uint16_t>(cur - from)});
            last = l;
        }
    };
    uint16_t& head2 = head2_[Hash2(v)];
    if (kRecord && head2 != 0 && Load16(d + head2 - 1) == Load16(d + pos)) record(2, head2);
    head2 = static_cast<uint16_t>(cur);
    uint16_t& head3 = head3_[Hash3(v)];
    const uint32_t near3 = head3;
    head3 = static_cast<uint16_t>(cur);
    uint16_t& root = head4_[Hash4Of(v)];
    uint32_t node = root;
    root = static_cast<uint16_t>(cur);
    uint16_t* child = child_.data();
    // Where the next smaller and the next greater position found are to be hung.
    uint16_t* lt = &child[2 * pos];
    uint16_t* gt = &child[2 * pos + 1];
    uint32_t best = 3;
    // Every position below the last smaller one shares at least lt_len bytes with this one, and
    // likewise above the last greater: the compare starts past the shorter of the two.
    uint32_t lt_len = 0, gt_len = 0, len = 0;
    for (int depth = level_.max_chain; node != 0; --depth) {
        const auto* m = reinterpret_cast<const unsigned char*>(d + node - 1);
        if (m[len] == in[len]) {
            len = len + 1 + MatchLength(node + len, pos + len + 1, max_len - len - 1);
            if (len > best) {
                best = len;
                if constexpr (kRecord) record(len, node);
                if (len >= nice) {
                    // As long as the match can be: this position takes that one's place.
                    *lt = child[2 * (node - 1)];
                    *gt = child[2 * (node - 1) + 1];
                    return best;
                }
            }
        }
        if (m[len] < in[len]) {
            *lt = static_cast<uint16_t>(node);
            lt = &child[2 * (node - 1) + 1];
            node = *lt;
            lt_len = len;
            len = std::min(len, gt_len);
        } else {
            *gt = static_cast<uint16_t>(node);
            gt = &child[2 * (node - 1)];
            node = *gt;
            gt_len = len;
            len = std::min(len, lt_len);
        }
        if (depth <= 1) break;
    }
    *lt = 0;
    *gt = 0;
    // Only where the tree found nothing longer: beside a longer match a nearer three-byte one
    // seldom pays, and looking costs a miss in the cache.
    if (kRecord && best == 3 && near3 != 0 && Load16(d + near3 - 1) == Load16(d + pos) && d[near3 + 1] == d[pos + 2])
        record(3, near3);
    return best;
}

void LzxMatchFinder::CollectCandidates(size_t begin, size_t split, size_t end) {
    candidates_.clear();
    candidates_from_ = begin;
    candidates_to_ = end;
    first_candidate_.assign(end - begin + 1, 0);
    // Inside a match of nice length the positions go into the trees but are not searched: such
    // a match is taken whole, so what starts inside it matters little and would cost the most.
    size_t skip_until = begin, skip_from = begin;
    for (size_t pos = begin; pos < end; ++pos) {
        first_candidate_[pos - begin] = static_cast<uint32_t>(candidates_.size());
        // The last three positions have no four bytes to hash; no match starts there.
        if (pos + 4 > data_.size()) continue;
        if (pos < skip_until) {
            if ((pos - skip_from) % level_.insert_every == 0) TreeInsert<false>(pos, 0);
            continue;
        }
        const uint32_t clip = MaxLength(pos, pos < split ? split : end);
        const uint32_t longest = TreeInsert<true>(pos, clip);
        if (longest >= level_.nice_length) skip_until = pos + std::min(longest, clip), skip_from = pos;
    }
    first_candidate_[end - begin] = static_cast<uint32_t>(candidates_.size());
}

}  // namespace chm

#include "chm/lzx_match_finder.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "chm/lzx_block_writer.h"
#include "chm/lzx_hashing.h"
#include "chm/lzx_tunables.h"

// Called per position from the parse's loop: a call's own cost would be a tenth of their time.
#if defined(__GNUC__)
#define TESS_LZX_INLINE __attribute__((always_inline))
#else
#define TESS_LZX_INLINE
#endif

namespace chm {

namespace {

using namespace lzx_tunables;
using namespace lzx_hashing;

// Roughly the bits a match saves over literals: what picks between candidates of different
// length and distance.
int Score(uint32_t length, uint32_t distance, bool recent) {
    if (recent) return kLiteralBits * static_cast<int>(length) - kRecentMatchBits;
    return kLiteralBits * static_cast<int>(length) - kNewMatchBits - (std::bit_width(distance + 2) - 2);
}

// The chain's hash covers five bytes where there are five: fewer candidates that match only
// four, which seldom pay for their footer.
uint32_t Hash5(const char* p, const char* end) {
    return Hash4Of(Le32(p) | uint64_t{p + 4 < end ? static_cast<unsigned char>(p[4]) : 0u} << 32);
}

}  // namespace

LzxMatchFinder::LzxMatchFinder(const LzxLevelParams& level)
    : level_(level), head3_(size_t{1} << kHash3Bits), head4_(size_t{1} << kHash4Bits) {
    if (level.optimal) {
        child_.resize(2 * 65536);
        head2_.resize(size_t{1} << kHash2Bits);
    } else {
        prev_.resize(65536);
    }
}

void LzxMatchFinder::Reset(std::string_view interval, size_t data_end) {
    data_ = interval.substr(0, 65536);
    data_end_ = std::min(data_end, data_.size());
    inserted_ = 0;
    hashed_pos_ = SIZE_MAX;
    held_begin_ = SIZE_MAX;
    candidates_to_ = 0;
    std::fill(head3_.begin(), head3_.end(), uint16_t{0});
    std::fill(head4_.begin(), head4_.end(), uint16_t{0});
    std::fill(head2_.begin(), head2_.end(), uint16_t{0});
}

void LzxMatchFinder::InsertUpTo(size_t pos) {
    // The last three positions have no four bytes to hash; no match starts there.
    const size_t stop = std::min(pos, data_.size() >= 4 ? data_.size() - 3 : 0);
    const char* d = data_.data();
    uint16_t* head3 = head3_.data();
    uint16_t* head4 = head4_.data();
    uint16_t* prev = prev_.data();
    size_t at = inserted_;
    auto insert = [&](size_t i, uint32_t v, uint64_t fifth) {
        const auto cur = static_cast<uint16_t>(i + 1);
        head3[Hash3(v)] = cur;
        uint16_t& head = head4[Hash4Of(v | fifth << 32)];
        prev[i] = head;
        head = cur;
    };
    // Where a fifth byte follows, without asking at each position.
    const size_t stop5 = std::min(stop, data_.size() >= 5 ? data_.size() - 4 : 0);
    for (; at < stop5; ++at) insert(at, Le32(d + at), static_cast<unsigned char>(d[at + 4]));
    for (; at < stop; ++at) insert(at, Le32(d + at), 0);
    inserted_ = std::max(at, pos);
}

TESS_LZX_INLINE inline void LzxMatchFinder::HashAhead(size_t pos) {
#if defined(__GNUC__)
    if (pos + 4 > data_.size()) return;
    const char* p = data_.data() + pos;
    hashed_pos_ = pos;
    hashed3_ = Hash3(Le32(p));
    hashed4_ = Hash5(p, data_.data() + data_.size());
    __builtin_prefetch(&head3_[hashed3_]);
    __builtin_prefetch(&head4_[hashed4_]);
#else
    (void)pos;
#endif
}

TESS_LZX_INLINE inline LzxMatchFinder::Match LzxMatchFinder::SearchAndInsert(size_t pos, uint32_t max_len, int depth,
                                                                             uint32_t shorter) {
    if (inserted_ < pos) InsertUpTo(pos);
    Match best;
    if (pos + 4 > data_.size()) {
        inserted_ = pos + 1;
        return best;
    }
    const char* p = data_.data() + pos;
    const uint32_t v = Le32(p);
    const uint32_t cur = static_cast<uint32_t>(pos + 1);
    // The hashes were most often worked out for the prefetch one position back.
    const bool known = hashed_pos_ == pos;
    uint16_t& head3 = head3_[known ? hashed3_ : Hash3(v)];
    const uint32_t near3 = head3;
    head3 = static_cast<uint16_t>(cur);
    uint16_t& head4 = head4_[known ? hashed4_ : Hash5(p, data_.data() + data_.size())];
    uint32_t cand = head4;
    prev_[pos] = head4;
    head4 = static_cast<uint16_t>(cur);
    inserted_ = pos + 1;
    // The next position is most often searched too: its table entries are fetched meanwhile.
    HashAhead(pos + 1);

    uint32_t best_len = shorter;
    if (shorter < 3 && max_len >= 3) {
        // A far three-byte match costs more than its literals.
        const uint32_t d = cur - near3;
        if (near3 != 0 && d <= kFarForThree && Load16(p - d) == Load16(p) && (p - d)[2] == p[2]) {
            best = {3, d};
            best_len = 3;
        }
    }
    if (max_len < 4 || best_len >= max_len) return best;
    const uint16_t* prev = prev_.data();
    const uint32_t nice = level_.nice_length;
    uint32_t probe = best_len < 3 ? 0 : best_len - 3;
    for (int left = depth; left > 0 && cand != 0; --left) {
        // The next link is loaded before this candidate is compared, so that a mispredicted
        // compare does not hold up the walk.
        const uint32_t this_cand = cand;
        cand = prev[cand - 1];
        static_assert(kLzxMaxDistance >= 65532);
        // Every distance inside an interval fits the window: the last position searched is
        // 65532 (four bytes before its end), the first hashed 0.
        const uint32_t d = cur - this_cand;
        const char* m = p - d;
        // Four bytes that end at the first one past the best so far, then the first four.
        if (Load32(m + probe) != Load32(p + probe) || Load32(m) != Load32(p)) continue;
        const uint32_t len = 4 + MatchLength(pos - d + 4, pos + 4, max_len - 4);
        if (len <= best_len) continue;
        // Candidates further on are further off: one no longer than this one scores no higher.
        best_len = len;
        probe = len - 3;
        if (best.length != 0 && Score(len, d, false) <= Score(best.length, best.distance, false)) continue;
        best = {len, d};
        if (len >= nice || len >= max_len) break;
    }
    if (best.length < 4 && best_len < 4 && near3 != 0) {
        // The chain's five-byte hash misses a match of just four; the nearest one of three
        // may be that.
        const uint32_t d = cur - near3;
        if (d <= kFarForFour && Load32(p - d) == Load32(p)) best = {4 + MatchLength(pos - d + 4, pos + 4, max_len - 4), d};
    }
    return best;
}

void LzxMatchFinder::Parse(size_t begin, size_t end, LzxRepeats& reps, std::vector<LzxToken>& out,
                           LzxSymbolCounts& counts) {
    if (!level_.optimal) return ParseGreedy(begin, end, reps, out, counts);
    const size_t from = out.size();
    ParseOptimal(begin, end, reps, out);
    for (size_t i = from; i < out.size(); ++i) counts.Add(out[i]);
}

#if defined(__GNUC__)
__attribute__((flatten))
#endif
void LzxMatchFinder::ParseGreedy(size_t begin, size_t end, LzxRepeats& reps, std::vector<LzxToken>& out,
                                 LzxSymbolCounts& counts) {
    const char* d = data_.data();
    // The best match at `pos` longer than `shorter`, a recent distance preferred unless a new
    // one scores higher; none has length 0.
    auto best_at = [&](size_t pos, int depth, uint32_t shorter, bool& is_rep) TESS_LZX_INLINE {
        const uint32_t max_len = MaxLength(pos, end);
        is_rep = false;
        if (max_len < kLzxMinMatch) return Match{};
        // The chain first: where it finds nothing only the last distance is worth a look (a run
        // of literals may continue the last copy a few bytes on), which spares most positions
        // the other two.
        const Match fresh = SearchAndInsert(pos, max_len, depth, shorter);
        if (fresh.length == 0) {
            const uint32_t dist = reps.r[0];
            if (dist > pos || Load16(d + pos - dist) != Load16(d + pos)) return fresh;
            is_rep = true;
            return Match{2 + MatchLength(pos - dist + 2, pos + 2, max_len - 2), dist};
        }
        for (uint32_t dist : reps.r)
            if (fresh.distance == dist) {
                is_rep = true;
                return fresh;
            }
        Match rep;
        for (uint32_t dist : reps.r) {
            if (dist > pos || Load16(d + pos - dist) != Load16(d + pos)) continue;
            const uint32_t len = 2 + MatchLength(pos - dist + 2, pos + 2, max_len - 2);
            if (len > rep.length) rep = {len, dist};
        }
        is_rep = rep.length > shorter && Score(rep.length, rep.distance, true) >= Score(fresh.length, fresh.distance, false);
        return is_rep ? rep : fresh;
    };
    size_t pos = begin;
    auto literal = [&] {
        ++counts.main[static_cast<uint8_t>(d[pos])];
        out.push_back(LzxLiteralToken(static_cast<uint8_t>(d[pos])));
        ++pos;
    };
    while (pos < end) {
        bool is_rep = false;
        Match m = best_at(pos, level_.max_chain, 1, is_rep);
        if (m.length < kLzxMinMatch) {
            literal();
            continue;
        }
        // Lazy evaluation: while a better match starts one byte on, this byte goes as a literal.
        while (m.length < level_.lazy_below && !is_rep && pos + 1 < end) {
            bool next_rep = false;
            const uint32_t shorter = m.length > kLzxMinMatch + 1 ? m.length - 2 : 1;
            const Match next = best_at(pos + 1, level_.lazy_chain, shorter, next_rep);
            if (next.length < kLzxMinMatch ||
                Score(next.length, next.distance, next_rep) <= Score(m.length, m.distance, is_rep))
                break;
            literal();
            m = next;
            is_rep = next_rep;
        }
        const LzxToken t = LzxMatchToken(m.length, m.distance, reps);
        counts.Add(t);
        out.push_back(t);
        pos += m.length;
        // The next search is there: its table entries are fetched while the match is hashed.
        HashAhead(pos);
    }
    InsertUpTo(end);
}

}  // namespace chm

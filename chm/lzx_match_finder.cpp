#include "chm/lzx_match_finder.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "chm/lzx_tunables.h"

namespace chm {

namespace {

using namespace lzx_tunables;

// Roughly the bits a match saves over literals: what picks between candidates of different
// length and distance.
int Score(uint32_t length, uint32_t distance, bool recent) {
    if (recent) return kLiteralBits * static_cast<int>(length) - kRecentMatchBits;
    return kLiteralBits * static_cast<int>(length) - kNewMatchBits - (std::bit_width(distance + 2) - 2);
}

uint32_t Hash3(const unsigned char* p) {
    const uint32_t v = uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16;
    return (v * 2654435761u) >> (32 - kHashBits);
}

}  // namespace

LzxMatchFinder::LzxMatchFinder(const LzxLevelParams& level) : level_(level), head_(size_t{1} << kHashBits, -1), prev_(65536, -1) {}

void LzxMatchFinder::Reset(std::string_view interval, size_t data_end) {
    data_ = interval;
    data_end_ = std::min(data_end, interval.size());
    inserted_ = 0;
    std::fill(head_.begin(), head_.end(), -1);
}

uint32_t LzxMatchFinder::HashAt(size_t pos) const {
    return Hash3(reinterpret_cast<const unsigned char*>(data_.data()) + pos);
}

void LzxMatchFinder::Insert(size_t pos) {
    if (pos + 3 > data_.size()) return;
    const uint32_t h = Hash3(reinterpret_cast<const unsigned char*>(data_.data()) + pos);
    prev_[pos] = head_[h];
    head_[h] = static_cast<int32_t>(pos);
}

uint32_t LzxMatchFinder::MatchLength(size_t a, size_t b, uint32_t max_len) const {
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

LzxMatchFinder::Match LzxMatchFinder::Longest(size_t pos, uint32_t max_len) const {
    Match best;
    if (max_len < 3 || pos + 3 > data_.size()) return best;
    const uint32_t h = Hash3(reinterpret_cast<const unsigned char*>(data_.data()) + pos);
    int32_t cand = head_[h];
    for (int chain = 0; cand >= 0 && chain < level_.max_chain; ++chain, cand = prev_[static_cast<size_t>(cand)]) {
        const size_t distance = pos - static_cast<size_t>(cand);
        if (distance > kLzxMaxDistance) break;
        const size_t c = static_cast<size_t>(cand);
        if (data_[c + best.length] != data_[pos + best.length]) continue;
        const uint32_t len = MatchLength(c, pos, max_len);
        if (len > best.length &&
            (best.length == 0 || Score(len, static_cast<uint32_t>(distance), false) > Score(best.length, best.distance, false))) {
            best = {len, static_cast<uint32_t>(distance)};
            if (len >= max_len || len >= level_.nice_length) break;
        }
    }
    if (best.length == 3 && best.distance > kFarForThree) best = {};
    return best;
}

void LzxMatchFinder::Parse(size_t begin, size_t end, LzxRepeats& reps, std::vector<LzxToken>& out) {
    if (level_.optimal) ParseOptimal(begin, end, reps, out);
    else ParseGreedy(begin, end, reps, out);
}

void LzxMatchFinder::ParseGreedy(size_t begin, size_t end, LzxRepeats& reps, std::vector<LzxToken>& out) {
    // Hashes every position before `pos`, those of earlier frames of this interval included.
    auto catch_up = [&](size_t pos) {
        while (inserted_ < pos) Insert(inserted_++);
    };
    // The best match at `pos`, a recent distance preferred unless a new one is clearly longer.
    auto best_at = [&](size_t pos, const LzxRepeats& r, bool& is_rep) {
        size_t limit = end;
        if (pos < data_end_) limit = std::min(limit, data_end_);
        const uint32_t max_len = static_cast<uint32_t>(std::min<size_t>(kLzxMaxMatch, limit - pos));
        Match rep;
        for (uint32_t d : r.r) {
            if (d > pos || max_len < kLzxMinMatch) continue;
            const uint32_t len = MatchLength(pos - d, pos, max_len);
            if (len > rep.length) rep = {len, d};
        }
        if (rep.length >= max_len || rep.length >= level_.nice_length) {
            is_rep = true;
            return rep;
        }
        const Match fresh = Longest(pos, max_len);
        is_rep = rep.length >= kLzxMinMatch &&
                 (fresh.length == 0 || Score(rep.length, rep.distance, true) >= Score(fresh.length, fresh.distance, false));
        return is_rep ? rep : fresh;
    };

    // The lookahead's answer, kept for the next step when a literal is all this one emits.
    size_t ahead_pos = SIZE_MAX;
    Match ahead;
    bool ahead_rep = false;
    size_t pos = begin;
    while (pos < end) {
        catch_up(pos);
        bool is_rep = false;
        Match m = pos == ahead_pos ? (is_rep = ahead_rep, ahead) : best_at(pos, reps, is_rep);
        if (m.length < kLzxMinMatch) {
            out.push_back(LzxLiteralToken(static_cast<uint8_t>(data_[pos])));
            ++pos;
            continue;
        }
        // One step of lazy evaluation: a better match one byte on wins over this one.
        if (level_.lazy && m.length < level_.nice_length && pos + 1 < end) {
            catch_up(pos + 1);
            ahead_pos = pos + 1;
            ahead = best_at(pos + 1, reps, ahead_rep);
            if (ahead.length >= kLzxMinMatch &&
                Score(ahead.length, ahead.distance, ahead_rep) > Score(m.length, m.distance, is_rep)) {
                out.push_back(LzxLiteralToken(static_cast<uint8_t>(data_[pos])));
                ++pos;
                continue;
            }
        }
        out.push_back(LzxMatchToken(m.length, m.distance, reps));
        pos += m.length;
    }
    catch_up(end);
}

}  // namespace chm

#include "chm/keyword_table.h"

#include "chm/writer.h"

namespace chm {
namespace {

// A keyword with fewer topics is looked through; one with more keeps a set of them.
constexpr uint32_t kFewTopics = 16;

void PutLength(std::string& out, size_t n) {
    do {
        out.push_back(static_cast<char>((n & 0x7F) | (n > 0x7F ? 0x80 : 0)));
        n >>= 7;
    } while (n);
}

}  // namespace

KeywordTable KeywordTable::Of(const std::vector<Keyword>& keywords) {
    KeywordTable table;
    for (const auto& k : keywords) {
        if (k.levels.empty()) continue;
        const uint32_t n = table.Add(k.levels);
        for (const auto& t : k.topics) table.Link(n, t);
        if (!k.see_also.empty()) table.SetSeeAlso(n, k.see_also);
    }
    table.StopAdding();
    return table;
}

uint32_t KeywordTable::Add(std::span<const std::string> levels) {
    key_.clear();
    for (const auto& level : levels) {
        PutLength(key_, level.size());
        key_ += level;
    }
    const uint32_t n = levels_.Intern(key_);
    if (n == keywords_.size()) keywords_.emplace_back();
    return n;
}

void KeywordTable::Link(uint32_t k, std::string_view topic) {
    const uint32_t t = topics_.Intern(topic);
    Record& r = keywords_[k];
    if (r.count < kFewTopics) {
        for (uint32_t at = r.first; at != kNone; at = links_[at].second)
            if (links_[at].first == t) return;
    } else {
        auto& set = many_[k];
        if (set.empty())
            for (uint32_t at = r.first; at != kNone; at = links_[at].second) set.insert(links_[at].first);
        if (!set.insert(t).second) return;
    }
    const auto link = static_cast<uint32_t>(links_.size());
    links_.push_back({t, kNone});
    (r.first == kNone ? r.first : links_[r.last].second) = link;
    r.last = link;
    ++r.count;
}

void KeywordTable::SetSeeAlso(uint32_t k, std::string_view see_also) { keywords_[k].see_also = see_also_.Intern(see_also); }

void KeywordTable::StopAdding() {
    levels_.StopLookingUp();
    topics_.StopLookingUp();
    see_also_.StopLookingUp();
    decltype(many_)().swap(many_);
    std::string().swap(key_);
    keywords_.shrink_to_fit();
    links_.shrink_to_fit();
}

std::vector<std::string_view> KeywordTable::LevelsOf(uint32_t k) const {
    std::vector<std::string_view> out;
    std::string_view key = levels_[k];
    while (!key.empty()) {
        size_t n = 0;
        for (int shift = 0;; shift += 7) {
            const auto c = static_cast<unsigned char>(key.front());
            key.remove_prefix(1);
            n |= size_t{c & 0x7Fu} << shift;
            if (!(c & 0x80)) break;
        }
        out.push_back(key.substr(0, n));
        key.remove_prefix(n);
    }
    return out;
}

std::string_view KeywordTable::SeeAlsoOf(uint32_t k) const {
    const uint32_t s = keywords_[k].see_also;
    return s == kNone ? std::string_view() : see_also_[s];
}

std::vector<uint32_t> KeywordTable::TopicsOf(uint32_t k) const {
    std::vector<uint32_t> out;
    out.reserve(keywords_[k].count);
    for (uint32_t at = keywords_[k].first; at != kNone; at = links_[at].second) out.push_back(links_[at].first);
    return out;
}

}  // namespace chm

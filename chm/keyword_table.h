// The keywords of a binary index, held compactly: a large project's index has hundreds of
// thousands of keywords, each a few short levels leading to a few topics.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "chm/interned_texts.h"

namespace chm {

struct Keyword;

class KeywordTable {
public:
    static constexpr uint32_t kNone = UINT32_MAX;

    // A keyword per distinct `levels` (UTF-8, from the top), in the order first added.
    static KeywordTable Of(const std::vector<Keyword>& keywords);

    // The keyword of these levels, made when new; levels must not be empty.
    uint32_t Add(std::span<const std::string> levels);
    // Leads keyword `k` to `topic` (a stored name, with or without the leading "/") as well,
    // unless it leads there already.
    void Link(uint32_t k, std::string_view topic);
    void SetSeeAlso(uint32_t k, std::string_view see_also);
    // Lets go of what adding takes; Add, Link and SetSeeAlso then no longer serve.
    void StopAdding();

    size_t size() const { return keywords_.size(); }
    bool empty() const { return keywords_.empty(); }
    std::vector<std::string_view> LevelsOf(uint32_t k) const;
    std::string_view SeeAlsoOf(uint32_t k) const;
    // The topics keyword `k` leads to, as numbers into topic_names(), in the order linked.
    std::vector<uint32_t> TopicsOf(uint32_t k) const;
    size_t TopicCountOf(uint32_t k) const { return keywords_[k].count; }
    const InternedTexts& topic_names() const { return topics_; }

private:
    struct Record {
        uint32_t first = kNone, last = kNone, count = 0, see_also = kNone;
    };
    InternedTexts levels_;  // by keyword: each level's length and bytes
    InternedTexts topics_;
    InternedTexts see_also_;
    std::vector<Record> keywords_;
    std::vector<std::pair<uint32_t, uint32_t>> links_;  // topic, next link of the same keyword
    // For keywords that lead to many topics, the ones they lead to.
    std::unordered_map<uint32_t, std::unordered_set<uint32_t>> many_;
    std::string key_;
};

}  // namespace chm

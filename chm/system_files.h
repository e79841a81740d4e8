// The internal files a viewer reads to open a compiled file: its title, start page, windows
// and the topic tables behind search results.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "chm/writer.h"

namespace chm {

// "#STRINGS": zero-terminated texts, each stored once; offset 0 is the empty text. Viewers
// read it in 4096-byte blocks, so a text never runs across the end of one.
class StringTable {
public:
    StringTable() : bytes_(1, '\0') {}
    StringTable(const StringTable&) = delete;  // its lookups know where it is
    StringTable& operator=(const StringTable&) = delete;
    uint32_t Add(std::string_view text);
    const std::string& bytes() const { return bytes_; }

private:
    // A text held in bytes_, or (kProbe) the one being looked up: a large project's texts are
    // not held twice over.
    struct Held {
        uint32_t offset = 0, size = 0;
        bool operator==(const Held&) const = default;
    };
    static constexpr Held kProbe{UINT32_MAX, 0};
    std::string_view TextOf(const Held& h) const {
        return h == kProbe ? probe_ : std::string_view(bytes_).substr(h.offset, h.size);
    }
    struct Hash {
        const StringTable* table;
        size_t operator()(const Held& h) const { return std::hash<std::string_view>{}(table->TextOf(h)); }
    };
    struct Same {
        const StringTable* table;
        bool operator()(const Held& a, const Held& b) const { return table->TextOf(a) == table->TextOf(b); }
    };

    std::string bytes_;
    std::string_view probe_;
    std::unordered_set<Held, Hash, Same> held_{0, Hash{this}, Same{this}};
};

struct TopicTables {
    std::string topics;   // "#TOPICS"
    std::string url_tbl;  // "#URLTBL"
    std::string url_str;  // "#URLSTR"
    uint32_t count = 0;
};

// One topic for each file that has a title, in the order given.
TopicTables BuildTopicTables(const Options& options, const std::vector<InputFile>& files, StringTable& strings);

// A further topic named `title` that opens what topic `of` does, for a contents entry named
// otherwise than its page; returns its number.
uint32_t AddTopicAlias(TopicTables& tables, StringTable& strings, uint32_t of, std::string_view title);

// The window to store: the project's own, or a default one when there is a contents or
// index file; none otherwise.
std::optional<Window> WindowToStore(const Options& options);
std::string BuildWindows(const Window& window, StringTable& strings);

// `merged`: the #STRINGS offsets of the files to merge.
std::string BuildIdxHdr(uint32_t topic_count, const std::vector<uint32_t>& merged = {});
std::string BuildSystem(const Options& options, const std::optional<Window>& window, const std::string& idxhdr,
                        bool keyword_links);

}  // namespace chm

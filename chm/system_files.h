// The internal files a viewer reads to open a compiled file: its title, start page, windows
// and the topic tables behind search results.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "chm/writer.h"

namespace chm {

// "#STRINGS": zero-terminated texts, each stored once; offset 0 is the empty text. Viewers
// read it in 4096-byte blocks, so a text never runs across the end of one.
class StringTable {
public:
    StringTable() : bytes_(1, '\0') {}
    uint32_t Add(std::string_view text);
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
    std::unordered_map<std::string, uint32_t> offsets_;
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

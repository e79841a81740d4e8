// Every distinct word of the full-text index with the places it stands, gathered topic by
// topic in little memory: each word once, and per word two lists (its text's places and its
// title's) of variable-length deltas, one to three bytes a place. Standard C++ only.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "chm/wlc_encoding.h"

namespace chm {

class FullTextHits {
public:
    // A place of `word` (at most 255 bytes) in `topic`. Topics come in increasing order, and
    // a topic's places increasing. False when the lists have outgrown what they can address.
    bool Add(std::string_view word, bool title, uint32_t topic, uint32_t location) {
        return Add(word, Hash(word), title, topic, location);
    }
    // The same with the word's Hash, made beforehand on another thread.
    bool Add(std::string_view word, uint64_t hash, bool title, uint32_t topic, uint32_t location) {
        return Record(Find(word, hash), title, topic, location);
    }
    static uint64_t Hash(std::string_view word);

    size_t distinct() const { return words_.size(); }
    // The bytes the lists and words take, about what their index takes.
    size_t bytes() const { return size_t{next_unit_} * 4 + text_.size() + words_.size() * sizeof(Entry); }
    // Every number the lists' codes hold, counted for the choice of root sizes.
    WlcRootChooser Numbers() const;
    // The words' ids in byte order, as viewers search.
    std::vector<uint32_t> Sorted() const;
    std::string_view Word(uint32_t id) const { return {text_.data() + words_[id].at, words_[id].size}; }
    // How many topics hold the word (in titles or text).
    uint32_t Topics(uint32_t id, bool title) const { return words_[id].lists[title].topics; }
    // The word's hits in `title` or text, as word location codes.
    void Encode(uint32_t id, bool title, const WlcRoots& roots, std::string& out) const;

private:
    struct List {
        uint32_t first = 0, slice = 0;  // the first and the current slice, in 4-byte units
        uint16_t used = 0;              // bytes written into the current slice
        uint8_t level = 0;              // which size the current slice has
        uint32_t topics = 0, last_topic = 0, last_location = 0, count = 0;  // count: in the last topic
    };
    struct Entry {
        uint32_t at = 0;
        uint8_t size = 0;
        List lists[2];  // text, title
    };
    static constexpr uint32_t kBlockUnits = 1u << 18;  // a megabyte

    uint32_t Find(std::string_view word, uint64_t hash);
    bool Record(uint32_t id, bool title, uint32_t topic, uint32_t location);
    bool Put(List& list, uint64_t value);
    uint8_t* At(uint32_t unit) { return blocks_[unit / kBlockUnits].get() + 4 * (unit % kBlockUnits); }
    const uint8_t* At(uint32_t unit) const { return blocks_[unit / kBlockUnits].get() + 4 * (unit % kBlockUnits); }
    bool NewSlice(uint8_t level, uint32_t& unit);
    void Grow();

    std::string text_;            // the distinct words, one after another
    std::vector<Entry> words_;
    std::vector<uint64_t> slots_;  // hash high, id + 1 low; 0 for an empty slot
    std::vector<std::unique_ptr<uint8_t[]>> blocks_;
    uint32_t next_unit_ = 0;
    WlcRootChooser chooser_;  // every step and every closed topic's count so far
};

}  // namespace chm

// Every distinct word of the full-text index with the places it stands, gathered topic by
// topic in little memory: each word once, and per word two lists (its text's places and its
// title's) of variable-length deltas, one to three bytes a place. The lists may be written
// out from time to time (Spill) and go on where they stopped. Standard C++ only.
#pragma once

#include <cstdint>
#include <cstring>
#include <iterator>
#include <limits>
#include <memory>
#include <ostream>
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
    size_t bytes() const { return lists_bytes() + text_.size() + words_.size() * sizeof(Entry); }
    // The bytes the lists take since they were last spilled.
    size_t lists_bytes() const { return size_t{next_unit_} * 4; }
    // Every number the lists' codes hold, counted for the choice of root sizes.
    WlcRootChooser Numbers() const;
    // The words' ids in byte order, as viewers search.
    std::vector<uint32_t> Sorted() const;
    std::string_view Word(uint32_t id) const { return {text_.data() + words_[id].at, words_[id].size}; }
    // How many topics hold the word (in titles or text).
    uint32_t Topics(uint32_t id, bool title) const { return words_[id].lists[title].topics; }
    // Appends the word's list for `title` or text, as held since the last spill.
    void AppendList(uint32_t id, bool title, std::string& raw) const {
        VisitList(id, title, [&raw](std::string_view piece) { raw.append(piece); });
    }
    // The same, a piece at a time.
    template <class Visit>
    void VisitList(uint32_t id, bool title, Visit&& visit) const;
    // Writes every word's held lists to `run`, in the words' byte order (each a record: the
    // word's id, the two lists' sizes, the lists; see AppendList), and lets them go; what is
    // added afterwards carries on from them; unless `last`, their memory is kept for it. False
    // when `run` failed.
    bool Spill(std::ostream& run, bool last);
    // A word's whole list (its spilled pieces in order, then what AppendList gives), as word
    // location codes.
    static void Encode(std::string_view raw, const WlcRoots& roots, std::string& out);
    static constexpr uint16_t kSliceBytes[] = {8, 16, 32, 64, 128, 256};

private:
    static constexpr uint32_t kNoSlice = std::numeric_limits<uint32_t>::max();
    struct List {
        uint32_t first = kNoSlice, slice = kNoSlice;  // the first and the current slice, in 4-byte units
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

// A word's list turned into word location codes as it comes, in pieces of any size: a long
// list need not be held whole. The codes go to `out`, which the caller may empty between pieces.
class FullTextListCoder {
public:
    FullTextListCoder(std::string& out, const WlcRoots& roots) : wlc_(out, roots) {}
    void Feed(std::string_view piece);
    void Finish();

private:
    void Topic();
    WlcWriter wlc_;
    uint64_t value_ = 0;
    unsigned shift_ = 0;
    bool started_ = false, first_place_ = false;
    uint32_t topic_step_ = 0;
    std::vector<uint32_t> steps_;  // the current topic's
};

template <class Visit>
void FullTextHits::VisitList(uint32_t id, bool title, Visit&& visit) const {
    const List& list = words_[id].lists[title];
    uint8_t level = 0;
    for (uint32_t unit = list.first; unit != kNoSlice;) {
        const uint16_t data = kSliceBytes[level] - 4;
        const uint8_t* at = At(unit);
        if (unit == list.slice) {
            visit(std::string_view(reinterpret_cast<const char*>(at), list.used));
            return;
        }
        visit(std::string_view(reinterpret_cast<const char*>(at), data));
        std::memcpy(&unit, at + data, 4);
        if (level + 1u < std::size(kSliceBytes)) ++level;
    }
}

}  // namespace chm

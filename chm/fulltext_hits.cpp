#include "chm/fulltext_hits.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace chm {
namespace {

// A list's slices grow as it does, so that a rare word takes little room and a common one
// few links. Each slice ends in the 4-byte unit address of the next.
constexpr auto& kSliceBytes = FullTextHits::kSliceBytes;
constexpr uint8_t kLastLevel = std::size(kSliceBytes) - 1;
constexpr uint32_t kNone = std::numeric_limits<uint32_t>::max();  // no word

}  // namespace

uint64_t FullTextHits::Hash(std::string_view word) {
    uint64_t h = 0xCBF29CE484222325ull;
    for (unsigned char c : word) h = (h ^ c) * 0x100000001B3ull;
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ull;
    return h ^ (h >> 32);
}

uint32_t FullTextHits::Find(std::string_view word, uint64_t h) {
    if (slots_.empty()) slots_.assign(1024, 0);
    const uint64_t tag = h & ~uint64_t{0xFFFFFFFF};
    for (size_t mask = slots_.size() - 1, i = h & mask;; i = (i + 1) & mask) {
        const uint64_t slot = slots_[i];
        if (slot == 0) {
            if (2 * (words_.size() + 1) > slots_.size()) {
                Grow();
                return Find(word, h);
            }
            if (text_.size() + word.size() > std::numeric_limits<uint32_t>::max() || words_.size() >= kNone - 1)
                return kNone;
            const auto id = static_cast<uint32_t>(words_.size());
            words_.push_back({static_cast<uint32_t>(text_.size()), static_cast<uint8_t>(word.size()), {}});
            text_.append(word);
            slots_[i] = tag | (id + 1);
            return id;
        }
        if ((slot & ~uint64_t{0xFFFFFFFF}) == tag && Word(static_cast<uint32_t>(slot) - 1) == word)
            return static_cast<uint32_t>(slot) - 1;
    }
}

void FullTextHits::Grow() {
    std::vector<uint64_t> slots(2 * slots_.size(), 0);
    const size_t mask = slots.size() - 1;
    for (uint32_t id = 0; id < words_.size(); ++id) {
        const uint64_t h = Hash(Word(id));
        size_t i = h & mask;
        while (slots[i]) i = (i + 1) & mask;
        slots[i] = (h & ~uint64_t{0xFFFFFFFF}) | (id + 1);
    }
    slots_.swap(slots);
}

bool FullTextHits::NewSlice(uint8_t level, uint32_t& unit) {
    const uint32_t units = kSliceBytes[level] / 4;
    uint64_t start = next_unit_;
    if (start / kBlockUnits != (start + units - 1) / kBlockUnits) start = (start / kBlockUnits + 1) * kBlockUnits;
    if (start + units > std::numeric_limits<uint32_t>::max()) return false;
    while (blocks_.size() <= (start + units - 1) / kBlockUnits)
        blocks_.push_back(std::make_unique_for_overwrite<uint8_t[]>(4 * kBlockUnits));
    unit = static_cast<uint32_t>(start);
    next_unit_ = static_cast<uint32_t>(start + units);
    return true;
}

bool FullTextHits::Put(List& list, uint64_t value) {
    if (list.slice == kNoSlice) {  // new, or spilled since
        if (!NewSlice(0, list.first)) return false;
        list.slice = list.first;
        list.level = 0;
        list.used = 0;
    }
    for (;;) {
        const uint16_t data = kSliceBytes[list.level] - 4;
        if (list.used == data) {
            const uint8_t level = std::min<uint8_t>(list.level + 1, kLastLevel);
            uint32_t next = 0;
            if (!NewSlice(level, next)) return false;
            std::memcpy(At(list.slice) + data, &next, 4);
            list.slice = next;
            list.level = level;
            list.used = 0;
        }
        At(list.slice)[list.used++] = static_cast<uint8_t>(value > 0x7F ? (value & 0x7F) | 0x80 : value);
        if (value <= 0x7F) return true;
        value >>= 7;
    }
}

// A list holds, per topic, the step from the topic before (doubled, plus one), its first place
// and the steps between its places (doubled): the low bit tells a topic from a step.
bool FullTextHits::Record(uint32_t id, bool title, uint32_t topic, uint32_t location) {
    if (id == kNone) return false;
    List& list = words_[id].lists[title];
    if (list.topics == 0 || list.last_topic != topic) {
        if (list.topics) chooser_.AddCount(list.count);
        const uint32_t step = topic - (list.topics ? list.last_topic : 0);
        chooser_.AddTopicStep(step);
        chooser_.AddLocationStep(location);
        ++list.topics;
        list.last_topic = topic;
        list.last_location = location;
        list.count = 1;
        return Put(list, uint64_t{step} << 1 | 1) && Put(list, location);
    }
    const uint32_t step = location - list.last_location;
    chooser_.AddLocationStep(step);
    list.last_location = location;
    ++list.count;
    return Put(list, uint64_t{step} << 1);
}

WlcRootChooser FullTextHits::Numbers() const {
    WlcRootChooser chooser = chooser_;
    for (const Entry& e : words_)
        for (const List& list : e.lists)
            if (list.topics) chooser.AddCount(list.count);
    return chooser;
}

std::vector<uint32_t> FullTextHits::Sorted() const {
    std::vector<uint32_t> ids(words_.size());
    for (uint32_t id = 0; id < ids.size(); ++id) ids[id] = id;
    std::sort(ids.begin(), ids.end(), [this](uint32_t a, uint32_t b) { return Word(a) < Word(b); });
    return ids;
}

bool FullTextHits::Spill(std::ostream& run, bool last) {
    std::string record;
    for (uint32_t id : Sorted()) {
        Entry& e = words_[id];
        if (e.lists[0].slice == kNoSlice && e.lists[1].slice == kNoSlice) continue;
        record.assign(12, '\0');
        std::memcpy(record.data(), &id, 4);
        for (bool title : {false, true}) {
            const size_t before = record.size();
            AppendList(id, title, record);
            const auto size = static_cast<uint32_t>(record.size() - before);
            std::memcpy(record.data() + 4 + 4 * title, &size, 4);
            e.lists[title].first = e.lists[title].slice = kNoSlice;
        }
        if (!run.write(record.data(), static_cast<std::streamsize>(record.size()))) return false;
    }
    next_unit_ = 0;
    if (last) std::vector<std::unique_ptr<uint8_t[]>>().swap(blocks_);
    return true;
}

void FullTextHits::Encode(std::string_view raw, const WlcRoots& roots, std::string& out) {
    FullTextListCoder coder(out, roots);
    coder.Feed(raw);
    coder.Finish();
}

// A list holds, per topic, its step (doubled, plus one), its first place, then the steps
// between its places (doubled); a topic's codes need its count of places first.
void FullTextListCoder::Feed(std::string_view piece) {
    for (char c : piece) {
        const auto b = static_cast<uint8_t>(c);
        value_ |= static_cast<uint64_t>(b & 0x7F) << shift_;
        if (b & 0x80) {
            shift_ += 7;
            continue;
        }
        const uint64_t value = value_;
        value_ = 0;
        shift_ = 0;
        if (first_place_) {
            steps_.assign(1, static_cast<uint32_t>(value));
            first_place_ = false;
        } else if (value & 1) {
            Topic();
            topic_step_ = static_cast<uint32_t>(value >> 1);
            started_ = first_place_ = true;
        } else {
            steps_.push_back(static_cast<uint32_t>(value >> 1));
        }
    }
}

void FullTextListCoder::Topic() {
    if (!started_) return;
    wlc_.Topic(topic_step_, static_cast<uint32_t>(steps_.size()));
    for (uint32_t step : steps_) wlc_.Location(step);
}

void FullTextListCoder::Finish() {
    Topic();
    started_ = false;
    wlc_.Finish();
}

}  // namespace chm

#include "chm/contents_index.h"

#include <cstdint>

#include "chm/layout.h"

namespace chm {
namespace {

constexpr uint32_t kHeaderSize = 0x1000;
constexpr uint32_t kLeafSize = 0x14, kBookSize = 0x1C;
constexpr uint32_t kHasChildren = 0x4, kHasTopic = 0x8;

struct Placed {
    const ContentsEntry* entry;
    uint32_t offset, parent, next = 0, first_child = 0;
    std::optional<uint32_t> topic;
};

// Offsets first, so that each entry can name its siblings and children before they are written.
void Place(const std::vector<ContentsEntry>& level, uint32_t parent, uint32_t& at, std::vector<Placed>& out) {
    size_t previous = SIZE_MAX;
    for (const auto& e : level) {
        size_t me = out.size();
        out.push_back({&e, at, parent});
        at += e.children.empty() ? kLeafSize : kBookSize;
        if (previous != SIZE_MAX) out[previous].next = out[me].offset;
        previous = me;
    }
    // Children after the whole level, as a reader walking siblings finds them in order either way.
    size_t first = out.size() - level.size();
    for (size_t i = 0; i < level.size(); ++i) {
        if (level[i].children.empty()) continue;
        out[first + i].first_child = at;
        Place(level[i].children, out[first + i].offset, at, out);
    }
}

}  // namespace

ContentsIndex BuildContentsIndex(
    const std::vector<ContentsEntry>& entries, StringTable& strings,
    const std::function<std::optional<uint32_t>(const std::string&, const std::string&)>& topic_of) {
    std::vector<Placed> placed;
    uint32_t end = kHeaderSize;
    Place(entries, 0, end, placed);

    ContentsIndex out;
    std::string body;
    for (auto& p : placed) {
        if (!p.entry->topic.empty()) p.topic = topic_of(p.entry->topic, p.entry->name);
        uint32_t flags = (p.entry->children.empty() ? 0 : kHasChildren) | (p.topic ? kHasTopic : 0);
        Layout l(body);
        l.U32("Unknown", 0).U32("Flags", flags);
        l.U32(p.topic ? "Topic" : "NameInStrings", p.topic ? *p.topic : strings.Add(p.entry->name));
        l.U32("Parent", p.parent).U32("NextSibling", p.next);
        if (!p.entry->children.empty()) l.U32("FirstChild", p.first_child).U32("Unknown", 0);
        if (p.topic) out.topic_entries.push_back({*p.topic, p.offset});
    }
    // A table of every entry's offset closes the file; the header points at it.
    Layout table(body);
    for (const auto& p : placed) table.U32("EntryOffset", p.offset);

    Layout h(out.tocidx);
    h.U32("FirstTopLevelEntry", placed.empty() ? 0 : kHeaderSize);
    // One reader lists nothing when the count is 0.
    h.U32("EntryTable", end).U32("EntryCount", static_cast<uint32_t>(placed.size()));
    h.U32("TopicEntryCount", static_cast<uint32_t>(out.topic_entries.size()));
    h.Zeros("Unused", kHeaderSize - h.size());
    out.tocidx += body;
    return out;
}

}  // namespace chm

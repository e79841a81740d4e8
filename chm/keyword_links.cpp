#include "chm/keyword_links.h"

#include <algorithm>

#include "chm/layout.h"
#include "chm/names.h"

namespace chm {
namespace {

constexpr size_t kBlock = 2048;
constexpr size_t kListingHead = 12, kIndexHead = 8;
constexpr size_t kBTreeHeader = 76;  // what the header below takes
constexpr uint32_t kNone = 0xFFFFFFFFu;
constexpr size_t kDataEntry = 13;

int ClassOf(char16_t c) {
    if (c >= u'0' && c <= u'9') return 1;
    if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c >= 0x80) return 2;
    return 0;
}

char16_t Folded(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

struct Entry {
    std::u16string text;
    std::string head;  // the entry up to its topics, as both block kinds hold it
    uint32_t data_offset = 0;
};

void PutText(Layout& l, const std::u16string& text) {
    std::string bytes;
    for (char16_t c : text) PutU16(bytes, c);
    PutU16(bytes, 0);
    l.Bytes("Keyword", bytes);
}

// Blocks of `items`, each holding as many as fit after its header; returns each block's items.
std::vector<std::vector<size_t>> Pack(const std::vector<size_t>& sizes, size_t head) {
    std::vector<std::vector<size_t>> blocks(1);
    size_t used = head;
    for (size_t i = 0; i < sizes.size(); ++i) {
        if (used + sizes[i] > kBlock && !blocks.back().empty()) {
            blocks.emplace_back();
            used = head;
        }
        blocks.back().push_back(i);
        used += sizes[i];
    }
    return blocks;
}

}  // namespace

std::u16string Utf16Of(std::string_view s) {
    std::u16string out;
    for (size_t i = 0; i < s.size();) {
        auto c = static_cast<unsigned char>(s[i]);
        int more = c < 0x80 ? 0 : c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : -1;
        uint32_t cp = more == 0 ? c : more == 1 ? c & 0x1F : more == 2 ? c & 0x0F : c & 0x07;
        bool ok = more >= 0 && i + more < s.size();
        for (int k = 1; ok && k <= more; ++k) {
            auto n = static_cast<unsigned char>(s[i + k]);
            ok = (n & 0xC0) == 0x80;
            cp = cp << 6 | (n & 0x3F);
        }
        if (!ok) {
            out.push_back(u'\uFFFD');
            ++i;
            continue;
        }
        i += more + 1;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

bool KeywordLess(const std::u16string& a, const std::u16string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char16_t x, char16_t y) {
        int cx = ClassOf(x), cy = ClassOf(y);
        return cx != cy ? cx < cy : Folded(x) < Folded(y);
    });
}

tess::Result<KeywordLinks> BuildKeywordLinks(std::vector<Keyword> keywords, uint32_t code_page,
                                             uint32_t language,
                                             const std::function<std::optional<uint32_t>(const std::string&)>& topic_of) {
    std::vector<Entry> entries;
    entries.reserve(keywords.size());
    for (auto& k : keywords) {
        if (k.levels.empty()) continue;
        Entry e;
        uint32_t last_level = 0;
        for (size_t i = 0; i < k.levels.size(); ++i) {
            if (i) e.text += u", ";
            last_level = static_cast<uint32_t>(e.text.size());
            e.text += Utf16Of(k.levels[i]);
        }
        std::vector<uint32_t> topics;
        for (const auto& t : k.topics)
            if (auto n = topic_of(WithLeadingSlash(t))) topics.push_back(*n);
        Layout l(e.head);
        PutText(l, e.text);
        l.U16("SeeAlso", k.see_also.empty() ? 0 : 2).U16("Depth", static_cast<uint32_t>(k.levels.size() - 1));
        l.U32("CharIndex", last_level).U32("Zero", 0);
        if (!k.see_also.empty()) {
            l.U32("One", 1);
            PutText(l, Utf16Of(k.see_also));
        } else {
            l.U32("TopicCount", static_cast<uint32_t>(topics.size()));
            for (uint32_t t : topics) l.U32("Topic", t);
        }
        if (e.head.size() + 8 + kListingHead > kBlock)
            return tess::Error{"The index keyword \"" + k.levels.back() + "\" leads to too many topics to store."};
        entries.push_back(std::move(e));
        k = Keyword();
    }
    std::vector<Keyword>().swap(keywords);
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return KeywordLess(a.text, b.text); });
    for (Entry& e : entries) std::u16string().swap(e.text);  // sorted: only the heads are wanted now

    KeywordLinks out;
    out.data.reserve(entries.size() * kDataEntry);
    std::vector<size_t> sizes;
    sizes.reserve(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        entries[i].data_offset = static_cast<uint32_t>(i * kDataEntry);
        sizes.push_back(entries[i].head.size() + 8);
        Layout(out.data).U32("Zero", 0).U32("Five", 5).U32("Flags", 0x80).U8("End", 0);
    }
    auto listing = Pack(sizes, kListingHead);
    std::vector<size_t>().swap(sizes);
    // Per block: its first entry and the number of keywords before it.
    std::vector<std::pair<size_t, size_t>> firsts;
    size_t before = 0;
    for (const auto& block : listing) {
        firsts.push_back({block.empty() ? 0 : block.front(), before});
        before += block.size();
    }

    // Index levels until one block covers every block below it, planned before any block is
    // written so that the tree is made at its final size. A level lists, per block, the places
    // of its children in the level below; the first child of each is its leftmost, named in its
    // header and not as an entry. Only the first entries of listing blocks name children.
    std::vector<std::string> first_heads;  // by listing block
    for (const auto& f : firsts) first_heads.push_back(entries.empty() ? std::string() : entries[f.first].head);
    std::vector<std::vector<std::vector<size_t>>> levels;
    // Per level, from the listing up: the listing block each of its blocks starts with.
    std::vector<std::vector<size_t>> level_leftmost(1, std::vector<size_t>(listing.size()));
    for (size_t b = 0; b < listing.size(); ++b) level_leftmost[0][b] = b;
    size_t below = listing.size(), index_blocks = 0;
    while (below > 1 && !entries.empty()) {
        const auto& lefts = level_leftmost.back();
        std::vector<std::vector<size_t>> packed{{0}};
        size_t used = kIndexHead;
        for (size_t i = 1; i < below; ++i) {
            const size_t child = first_heads[lefts[i]].size() + 4;
            if (used + child > kBlock) {
                packed.push_back({i});
                used = kIndexHead;
                continue;
            }
            packed.back().push_back(i);
            used += child;
        }
        std::vector<size_t> upper;
        for (const auto& children : packed) upper.push_back(lefts[children[0]]);
        below = packed.size();
        index_blocks += below;
        levels.push_back(std::move(packed));
        level_leftmost.push_back(std::move(upper));
    }

    std::string& blocks = out.btree;
    blocks.reserve(kBTreeHeader + (listing.size() + index_blocks) * kBlock);
    blocks.assign(kBTreeHeader, '\0');  // the header's figures are known only at the end
    for (size_t b = 0; b < listing.size(); ++b) {
        std::string block;
        Layout l(block);
        size_t used = kListingHead;
        for (size_t i : listing[b]) used += entries[i].head.size() + 8;
        l.U16("FreeBytes", static_cast<uint32_t>(kBlock - used)).U16("EntryCount", static_cast<uint32_t>(listing[b].size()));
        l.U32("PreviousBlock", b ? static_cast<uint32_t>(b - 1) : kNone);
        l.U32("NextBlock", b + 1 < listing.size() ? static_cast<uint32_t>(b + 1) : kNone);
        for (size_t i : listing[b]) {
            l.Bytes("Entry", entries[i].head).U32("One", 1).U32("DataOffset", entries[i].data_offset);
            std::string().swap(entries[i].head);  // written: a large index is not held twice
        }
        block.resize(kBlock, '\0');
        blocks += block;
    }
    const size_t keyword_count = entries.size();
    std::vector<Entry>().swap(entries);
    Layout map(out.map);
    map.U16("BlockCount", static_cast<uint32_t>(listing.size()));
    for (size_t b = 0; b < listing.size(); ++b)
        map.U32("KeywordsBefore", static_cast<uint32_t>(firsts[b].second)).U32("Block", static_cast<uint32_t>(b));

    uint32_t first_of_level = 0, next_block = static_cast<uint32_t>(listing.size());
    for (size_t d = 0; d < levels.size(); ++d) {
        const auto& lefts = level_leftmost[d];
        for (const auto& children : levels[d]) {
            std::string block;
            Layout l(block);
            size_t bytes = kIndexHead;
            for (size_t j = 1; j < children.size(); ++j) bytes += first_heads[lefts[children[j]]].size() + 4;
            l.U16("FreeBytes", static_cast<uint32_t>(kBlock - bytes)).U16("EntryCount", static_cast<uint32_t>(children.size() - 1));
            l.U32("LeftmostBlock", first_of_level + static_cast<uint32_t>(children[0]));
            for (size_t j = 1; j < children.size(); ++j)
                l.Bytes("Entry", first_heads[lefts[children[j]]]).U32("Block", first_of_level + static_cast<uint32_t>(children[j]));
            block.resize(kBlock, '\0');
            blocks += block;
        }
        first_of_level = next_block;
        next_block += static_cast<uint32_t>(levels[d].size());
    }
    const uint32_t depth = static_cast<uint32_t>(levels.size()) + 1;
    const uint32_t root = levels.empty() ? kNone : next_block - 1;

    std::string header;
    Layout h(header);
    std::string format("X44");
    format.resize(16, '\0');
    h.U16("Signature", 0x293B).U16("Flags", 0x0104).U16("BlockSize", kBlock).Bytes("DataFormat", format);
    h.U32("Unknown", 0).U32("LastListingBlock", static_cast<uint32_t>(listing.size() - 1));
    h.U32("RootIndexBlock", root).U32("Unused", kNone);
    h.U32("BlockCount", next_block).U16("Depth", depth).U32("KeywordCount", static_cast<uint32_t>(keyword_count));
    h.U32("CodePage", code_page).U32("Language", language).U32("One", 1).U32("Version", 10031);
    h.Zeros("Reserved", 12);
    out.btree.replace(0, header.size(), header);
    Layout(out.property).U32("A", 0).U32("B", 0).U32("C", 0).U32("EntrySize", 0x0C).U32("D", 1).U32("E", 1).U32("F", 0).U32("G", 0);
    return out;
}

}  // namespace chm

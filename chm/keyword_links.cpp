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

void PutText(Layout& l, const std::u16string& text) {
    std::string bytes;
    for (char16_t c : text) PutU16(bytes, c);
    PutU16(bytes, 0);
    l.Bytes("Keyword", bytes);
}

// The order the viewer looks keywords up in, over texts given as their length and a way to
// read each UTF-16 unit.
template <class UnitsA, class UnitsB>
bool TextLess(size_t a_size, const UnitsA& a, size_t b_size, const UnitsB& b) {
    for (size_t i = 0; i < a_size && i < b_size; ++i) {
        const char16_t x = a(i), y = b(i);
        const int cx = ClassOf(x), cy = ClassOf(y);
        if (cx != cy) return cx < cy;
        if (Folded(x) != Folded(y)) return Folded(x) < Folded(y);
    }
    return a_size < b_size;
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
    return TextLess(a.size(), [&](size_t i) { return a[i]; }, b.size(), [&](size_t i) { return b[i]; });
}

tess::Result<KeywordLinks> BuildKeywordLinks(KeywordTable keywords, uint32_t code_page, uint32_t language,
                                             const std::function<std::optional<uint32_t>(const std::string&)>& topic_of,
                                             const std::function<tess::Status(std::string_view)>& btree) {
    std::vector<uint32_t> numbers;  // by topic name, each looked up once
    numbers.reserve(keywords.topic_names().size());
    for (uint32_t t = 0; t < keywords.topic_names().size(); ++t)
        numbers.push_back(topic_of(WithLeadingSlash(keywords.topic_names()[t])).value_or(kNone));

    // Each keyword's entry up to its topics, as both block kinds hold it, end to end: a large
    // index's entries are held once, compactly.
    std::string heads;
    std::vector<uint64_t> starts;       // by entry, and the end of the last
    std::vector<uint32_t> text_units;   // by entry: its text's length, which the entry starts with
    // Made at their final size: grown step by step they would be held twice for a moment. A
    // UTF-8 byte makes at most one UTF-16 unit.
    size_t most = 0;
    for (uint32_t k = 0; k < keywords.size(); ++k) {
        size_t units = 1;
        for (auto level : keywords.LevelsOf(k)) units += level.size() + 2;
        const size_t see_also = keywords.SeeAlsoOf(k).size();
        most += 2 * units + 16 + (see_also ? 2 * see_also + 6 : 4 * keywords.TopicCountOf(k));
    }
    heads.reserve(most);
    starts.reserve(keywords.size() + 1);
    text_units.reserve(keywords.size());
    for (uint32_t k = 0; k < keywords.size(); ++k) {
        const auto levels = keywords.LevelsOf(k);
        std::u16string text;
        uint32_t last_level = 0;
        for (size_t i = 0; i < levels.size(); ++i) {
            if (i) text += u", ";
            last_level = static_cast<uint32_t>(text.size());
            text += Utf16Of(levels[i]);
        }
        const size_t start = heads.size();
        starts.push_back(start);
        text_units.push_back(static_cast<uint32_t>(text.size()));
        Layout l(heads);
        PutText(l, text);
        const std::string_view see_also = keywords.SeeAlsoOf(k);
        l.U16("SeeAlso", see_also.empty() ? 0 : 2).U16("Depth", static_cast<uint32_t>(levels.size() - 1));
        l.U32("CharIndex", last_level).U32("Zero", 0);
        if (!see_also.empty()) {
            l.U32("One", 1);
            PutText(l, Utf16Of(see_also));
        } else {
            std::vector<uint32_t> topics;
            for (uint32_t t : keywords.TopicsOf(k))
                if (numbers[t] != kNone) topics.push_back(numbers[t]);
            l.U32("TopicCount", static_cast<uint32_t>(topics.size()));
            for (uint32_t t : topics) l.U32("Topic", t);
        }
        if (heads.size() - start + 8 + kListingHead > kBlock)
            return tess::Error{"The index keyword \"" + std::string(levels.back()) + "\" leads to too many topics to store."};
    }
    starts.push_back(heads.size());
    keywords = KeywordTable();
    std::vector<uint32_t>().swap(numbers);
    auto head = [&](uint32_t e) { return std::string_view(heads).substr(starts[e], starts[e + 1] - starts[e]); };
    auto unit = [&](uint32_t e) {
        return [h = head(e)](size_t i) {
            return static_cast<char16_t>(static_cast<unsigned char>(h[2 * i]) | static_cast<unsigned char>(h[2 * i + 1]) << 8);
        };
    };
    std::vector<uint32_t> order(text_units.size());  // entries in the viewer's order
    for (uint32_t e = 0; e < order.size(); ++e) order[e] = e;
    std::stable_sort(order.begin(), order.end(),
                     [&](uint32_t a, uint32_t b) { return TextLess(text_units[a], unit(a), text_units[b], unit(b)); });
    std::vector<uint32_t>().swap(text_units);

    KeywordLinks out;
    out.data.reserve(order.size() * kDataEntry);
    std::vector<size_t> sizes;
    sizes.reserve(order.size());
    for (uint32_t e : order) {
        sizes.push_back(head(e).size() + 8);
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
    for (const auto& f : firsts) first_heads.emplace_back(order.empty() ? std::string_view() : head(order[f.first]));
    std::vector<std::vector<std::vector<size_t>>> levels;
    // Per level, from the listing up: the listing block each of its blocks starts with.
    std::vector<std::vector<size_t>> level_leftmost(1, std::vector<size_t>(listing.size()));
    for (size_t b = 0; b < listing.size(); ++b) level_leftmost[0][b] = b;
    size_t below = listing.size(), index_blocks = 0;
    while (below > 1 && !order.empty()) {
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

    // The header first: the tree is planned, so its figures are known before any block is written.
    const uint32_t block_count = static_cast<uint32_t>(listing.size() + index_blocks);
    const uint32_t depth = static_cast<uint32_t>(levels.size()) + 1;
    const uint32_t root = levels.empty() ? kNone : block_count - 1;
    std::string piece;
    Layout h(piece);
    std::string format("X44");
    format.resize(16, '\0');
    h.U16("Signature", 0x293B).U16("Flags", 0x0104).U16("BlockSize", kBlock).Bytes("DataFormat", format);
    h.U32("Unknown", 0).U32("LastListingBlock", static_cast<uint32_t>(listing.size() - 1));
    h.U32("RootIndexBlock", root).U32("Unused", kNone);
    h.U32("BlockCount", block_count).U16("Depth", depth).U32("KeywordCount", static_cast<uint32_t>(order.size()));
    h.U32("CodePage", code_page).U32("Language", language).U32("One", 1).U32("Version", 10031);
    h.Zeros("Reserved", 12);
    if (!btree) out.btree.reserve(kBTreeHeader + size_t{block_count} * kBlock);
    const auto take = btree ? btree : [&out](std::string_view bytes) { return out.btree += bytes, tess::Status(); };
    auto put = [&] {
        tess::Status done = take(piece);
        piece.clear();
        return done;
    };
    if (auto ok = put(); !ok) return ok.error();
    for (size_t b = 0; b < listing.size(); ++b) {
        Layout l(piece);
        size_t used = kListingHead;
        for (size_t i : listing[b]) used += head(order[i]).size() + 8;
        l.U16("FreeBytes", static_cast<uint32_t>(kBlock - used)).U16("EntryCount", static_cast<uint32_t>(listing[b].size()));
        l.U32("PreviousBlock", b ? static_cast<uint32_t>(b - 1) : kNone);
        l.U32("NextBlock", b + 1 < listing.size() ? static_cast<uint32_t>(b + 1) : kNone);
        for (size_t i : listing[b])
            l.Bytes("Entry", head(order[i])).U32("One", 1).U32("DataOffset", static_cast<uint32_t>(i * kDataEntry));
        piece.resize(kBlock, '\0');
        if (auto ok = put(); !ok) return ok.error();
    }
    std::string().swap(heads);
    std::vector<uint64_t>().swap(starts);
    std::vector<uint32_t>().swap(order);
    Layout map(out.map);
    map.U16("BlockCount", static_cast<uint32_t>(listing.size()));
    for (size_t b = 0; b < listing.size(); ++b)
        map.U32("KeywordsBefore", static_cast<uint32_t>(firsts[b].second)).U32("Block", static_cast<uint32_t>(b));

    uint32_t first_of_level = 0, next_block = static_cast<uint32_t>(listing.size());
    for (size_t d = 0; d < levels.size(); ++d) {
        const auto& lefts = level_leftmost[d];
        for (const auto& children : levels[d]) {
            Layout l(piece);
            size_t bytes = kIndexHead;
            for (size_t j = 1; j < children.size(); ++j) bytes += first_heads[lefts[children[j]]].size() + 4;
            l.U16("FreeBytes", static_cast<uint32_t>(kBlock - bytes)).U16("EntryCount", static_cast<uint32_t>(children.size() - 1));
            l.U32("LeftmostBlock", first_of_level + static_cast<uint32_t>(children[0]));
            for (size_t j = 1; j < children.size(); ++j)
                l.Bytes("Entry", first_heads[lefts[children[j]]]).U32("Block", first_of_level + static_cast<uint32_t>(children[j]));
            piece.resize(kBlock, '\0');
            if (auto ok = put(); !ok) return ok.error();
        }
        first_of_level = next_block;
        next_block += static_cast<uint32_t>(levels[d].size());
    }
    Layout(out.property).U32("A", 0).U32("B", 0).U32("C", 0).U32("EntrySize", 0x0C).U32("D", 1).U32("E", 1).U32("F", 0).U32("G", 0);
    return out;
}

}  // namespace chm

// The binary index as extract_chmLib hands it back, walked the way a viewer reads it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>

#include "../hhc/temp_tree.h"
#include "chm/keyword_links.h"
#include "chm_readers.h"

namespace {

using hhc_test::ReadFile;

uint32_t U16At(const std::string& s, size_t at) { return uint8_t(s[at]) | uint8_t(s[at + 1]) << 8; }
uint32_t U32At(const std::string& s, size_t at) { return U16At(s, at) | U16At(s, at + 2) << 16; }

std::u16string TextAt(const std::string& block, size_t& at) {
    std::u16string text;
    for (; U16At(block, at); at += 2) text.push_back(static_cast<char16_t>(U16At(block, at)));
    at += 2;
    return text;
}

// Each entry as "text depth/char-index topics... [see also] @last", last being the Data offset
// of a listing entry or an index entry's block; the keyword texts alone in `texts`.
std::vector<std::string> DecodeBlock(const std::string& block, bool listing, std::vector<std::u16string>& texts) {
    std::vector<std::string> out;
    size_t at = listing ? 12 : 8;
    for (uint32_t n = U16At(block, 2); n--;) {
        texts.push_back(TextAt(block, at));
        std::string line(texts.back().begin(), texts.back().end());  // ASCII but for one
        line += " " + std::to_string(U16At(block, at + 2)) + "/" + std::to_string(U32At(block, at + 4));
        bool see_also = U16At(block, at) == 2;
        size_t count = U32At(block, at + 12);
        at += 16;
        if (see_also) line += " see " + std::to_string(TextAt(block, at).size());
        for (size_t i = 0; !see_also && i < count; ++i, at += 4) line += " " + std::to_string(U32At(block, at));
        EXPECT_TRUE(!listing || U32At(block, at) == 1u);
        at += listing ? 4 : 0;
        out.push_back(line + " @" + std::to_string(U32At(block, at)));
        at += 4;
    }
    EXPECT_EQ(2048 - at, U16At(block, 0)) << "free bytes";
    return out;
}

std::string Extracted(const std::string& chm, const std::string& folder, const std::string& name) {
    EXPECT_EQ(std::system(("extract_chmLib '" + chm + "' '" + folder + "' >/dev/null 2>&1").c_str()), 0)
        << "extract_chmLib (package chmlib-bin)";
    return ReadFile(folder + "/$WWKeywordLinks/" + name);
}

TEST(KeywordLinks, ManyKeywordsAcrossBlocksReadBackInViewerOrder) {
    hhc_test::TempTree tree;
    std::vector<chm::InputFile> files;
    chm::Options options;
    options.language = 0x411;
    for (int i = 0; i < 40; ++i) files.push_back({"/p" + std::to_string(i) + ".htm", "<p>x</p>", "Page"});
    for (int i = 599; i >= 0; --i)
        options.keywords.push_back({{"Keyword number " + std::to_string(i)}, {"/p" + std::to_string(i % 40) + ".htm", "p3.htm"}});
    options.keywords.push_back({{"\xE8\x89\xB2"}, {"/p1.htm"}});
    options.keywords.push_back({{"Colours", "red"}, {"/p2.htm"}});
    options.keywords.push_back({{"_under"}, {"/p2.htm", "/not-a-topic.htm"}});
    options.keywords.push_back({{"9 lives"}, {"/p2.htm"}});
    options.keywords.push_back({{"Colour"}, {}, "Colours"});
    auto bytes = chm::BuildChm(options, files);
    ASSERT_TRUE(bytes) << bytes.error().message;
    chm::Options later = options;
    later.keywords.clear();
    later.keywords_later = [&] { return tess::Result<chm::KeywordTable>(chm::KeywordTable::Of(options.keywords)); };
    auto again = chm::BuildChm(later, files);
    EXPECT_TRUE(again && *again == *bytes) << "keywords asked for later store the same bytes";
    std::string chm = tree.Write("k.chm", *bytes);
    std::string btree = Extracted(chm, tree.Path("out"), "BTree"), map = ReadFile(tree.Path("out/$WWKeywordLinks/Map"));
    ASSERT_EQ((btree.size() - 76) % 2048, 0u);
    EXPECT_EQ(U32At(btree, 0x26), (btree.size() - 76) / 2048);
    EXPECT_EQ(U16At(btree, 0x2A), 2u) << "one index level above the listing blocks";
    EXPECT_EQ(U32At(btree, 0x2C), options.keywords.size());
    auto block = [&](uint32_t n) { return btree.substr(76 + size_t{n} * 2048, 2048); };

    // The listing blocks, followed by their links, give every keyword once, in order.
    std::vector<std::string> all;
    std::vector<std::u16string> texts, firsts;
    ASSERT_EQ(U16At(map, 0), U32At(btree, 0x1A) + 1);
    for (uint32_t n = 0, previous = ~0u; n != ~0u; previous = n, n = U32At(block(n), 8)) {
        ASSERT_LE(n, U32At(btree, 0x1A));
        EXPECT_EQ(U32At(block(n), 4), previous);
        EXPECT_EQ(U32At(map, 2 + 8 * n), all.size()) << "keywords before block " << n;
        auto entries = DecodeBlock(block(n), true, texts);
        firsts.push_back(texts[all.size()]);
        all.insert(all.end(), entries.begin(), entries.end());
    }
    ASSERT_EQ(all.size(), options.keywords.size());
    for (size_t i = 1; i < texts.size(); ++i) EXPECT_TRUE(chm::KeywordLess(texts[i - 1], texts[i])) << i;
    EXPECT_EQ(std::vector<std::string>(all.begin(), all.begin() + 5),
              (std::vector<std::string>{"_under 0/0 2 @0", "9 lives 0/0 2 @13", "Colour 0/0 see 7 @26",
                                        "Colours, red 1/9 2 @39", "Keyword number 0 0/0 0 3 @52"}));
    EXPECT_EQ(texts.back(), u"\u8272");

    // The root names each listing block but the leftmost by its first keyword.
    std::string root = block(U32At(btree, 0x1E));
    EXPECT_EQ(U32At(root, 4), 0u);
    std::vector<std::u16string> named;
    auto index = DecodeBlock(root, false, named);
    ASSERT_EQ(named, std::vector<std::u16string>(firsts.begin() + 1, firsts.end()));
    for (size_t i = 0; i < index.size(); ++i) EXPECT_TRUE(index[i].ends_with(" @" + std::to_string(i + 1))) << index[i];

    chm_test::FileMap expected;
    for (const auto& f : files) expected[f.name] = f.bytes;
    for (const auto& diff : chm_test::CompareWithReaders(chm, expected, tree.Path("readers"))) ADD_FAILURE() << diff;
}

// Long keywords fill blocks fast: several index levels, each block naming its children by the
// first keyword under them, lead from the root to every listing block once, in order.
TEST(KeywordLinks, DeepTreesLeadToEveryListingBlockInOrder) {
    std::vector<chm::Keyword> keywords;
    for (int i = 0; i < 3000; ++i) keywords.push_back({{std::string(200, 'k') + std::to_string(10000 + i)}, {"/a.htm"}});
    auto links = chm::BuildKeywordLinks(chm::KeywordTable::Of(keywords), 1252, 0x409, [](const std::string&) { return 0u; });
    ASSERT_TRUE(links);
    const std::string& btree = links->btree;
    // Handed on as it is made, the header first and then a block at a time, it is the same tree.
    std::vector<size_t> pieces;
    std::string handed;
    auto streamed = chm::BuildKeywordLinks(chm::KeywordTable::Of(keywords), 1252, 0x409, [](const std::string&) { return 0u; },
                                           [&](std::string_view piece) {
                                               pieces.push_back(piece.size()), handed += piece;
                                               return tess::Status();
                                           });
    ASSERT_TRUE(streamed && streamed->btree.empty());
    EXPECT_EQ(handed, btree);
    EXPECT_EQ(pieces.front(), 76u);
    EXPECT_TRUE(std::all_of(pieces.begin() + 1, pieces.end(), [](size_t n) { return n == 2048; }));
    auto block = [&](uint32_t n) { return btree.substr(76 + size_t{n} * 2048, 2048); };
    const uint32_t listing_blocks = U32At(btree, 0x1A) + 1;
    ASSERT_EQ(U32At(btree, 0x26), (btree.size() - 76) / 2048);
    EXPECT_GE(U16At(btree, 0x2A), 4u) << "depth";
    std::vector<uint32_t> reached;
    // Walks a block `depth` levels above the listing; gives the first keyword under it.
    std::function<std::u16string(uint32_t, uint32_t)> walk = [&](uint32_t n, uint32_t depth) {
        std::vector<std::u16string> texts;
        if (depth == 0) {
            reached.push_back(n);
            DecodeBlock(block(n), true, texts);
            return texts.front();
        }
        auto entries = DecodeBlock(block(n), false, texts);
        std::u16string first = walk(U32At(block(n), 4), depth - 1);
        for (size_t i = 0; i < entries.size(); ++i)
            EXPECT_EQ(walk(std::stoul(entries[i].substr(entries[i].rfind('@') + 1)), depth - 1), texts[i]);
        return first;
    };
    walk(U32At(btree, 0x1E), U16At(btree, 0x2A) - 1);
    ASSERT_EQ(reached.size(), listing_blocks);
    for (uint32_t n = 0; n < listing_blocks; ++n) EXPECT_EQ(reached[n], n);
}

// Keywords the viewer cannot tell apart keep the order they came in; each topic name is looked
// up once and those without a topic are left out.
TEST(KeywordLinks, KeywordsOfTheSameTextKeepTheirOrder) {
    std::vector<chm::Keyword> keywords = {{{"b"}, {"/b.htm"}},      {{"a", "x"}, {"/a.htm", "/gone.htm"}},
                                          {{"B"}, {"b.htm"}},       {{"a, x"}, {"/gone.htm"}},
                                          {{"A"}, {"/b.htm"}},      {{"_"}, {}, "A"}};
    std::vector<std::string> looked_up;
    auto links = chm::BuildKeywordLinks(chm::KeywordTable::Of(keywords), 1252, 0x409, [&](const std::string& name) {
        looked_up.push_back(name);
        return name == "/gone.htm" ? std::nullopt : std::optional<uint32_t>(name == "/a.htm" ? 0 : 1);
    });
    ASSERT_TRUE(links);
    EXPECT_EQ(looked_up, (std::vector<std::string>{"/b.htm", "/a.htm", "/gone.htm", "/b.htm"}));
    std::vector<std::u16string> texts;
    EXPECT_EQ(DecodeBlock(links->btree.substr(76, 2048), true, texts),
              (std::vector<std::string>{"_ 0/0 see 1 @0", "A 0/0 1 @13", "a, x 1/3 0 @26", "a, x 0/0 @39", "b 0/0 1 @52",
                                        "B 0/0 1 @65"}));
}

// The fields that do not depend on the keywords are those of Microsoft's own file.
TEST(KeywordLinks, FixedFieldsAreThoseOfTheReferenceFile) {
    hhc_test::TempTree tree;
    std::string theirs = Extracted("/work/shared/reference-chm/macro_ja.chm", tree.Path("ref"), "BTree");
    auto ours = chm::BuildKeywordLinks(chm::KeywordTable::Of({{{"a"}, {"/a.htm"}}}), 932, 0x411, [](const std::string&) { return 0u; });
    ASSERT_TRUE(ours && theirs.size() >= 76);
    for (auto [at, size] : {std::pair{0, 0x16}, std::pair{0x22, 4}, std::pair{0x30, 0x1C}})
        EXPECT_EQ(ours->btree.substr(at, size), theirs.substr(at, size)) << "header at " << at;
    EXPECT_EQ(ours->property, ReadFile(tree.Path("ref/$WWKeywordLinks/Property")));
    EXPECT_EQ(ours->data, ReadFile(tree.Path("ref/$WWKeywordLinks/Data")).substr(0, 13));
}

}  // namespace

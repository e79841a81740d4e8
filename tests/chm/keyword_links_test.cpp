// The binary index as extract_chmLib hands it back, walked the way a viewer looks keywords up.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "../hhc/temp_tree.h"
#include "chm/keyword_links.h"
#include "chm/writer.h"
#include "chm_readers.h"

namespace {

using hhc_test::ReadFile;
using hhc_test::TempTree;

uint32_t U16At(const std::string& s, size_t at) { return uint8_t(s[at]) | uint8_t(s[at + 1]) << 8; }
uint32_t U32At(const std::string& s, size_t at) { return U16At(s, at) | U16At(s, at + 2) << 16; }

struct Decoded {
    std::u16string text;
    uint32_t depth, char_index, data_offset_or_block;
    std::vector<uint32_t> topics;
};

// One block's entries; `listing` entries end in 1 and the Data offset, index entries in a block number.
std::vector<Decoded> DecodeBlock(const std::string& block, bool listing) {
    std::vector<Decoded> out;
    size_t at = listing ? 12 : 8;
    for (uint32_t n = U16At(block, 2); n--;) {
        Decoded d;
        for (; U16At(block, at); at += 2) d.text.push_back(static_cast<char16_t>(U16At(block, at)));
        at += 2;
        EXPECT_EQ(U16At(block, at), 0u);  // not a see-also entry
        d.depth = U16At(block, at + 2);
        d.char_index = U32At(block, at + 4);
        uint32_t count = U32At(block, at + 12);
        at += 16;
        for (; count--; at += 4) d.topics.push_back(U32At(block, at));
        if (listing) {
            EXPECT_EQ(U32At(block, at), 1u);
            at += 4;
        }
        d.data_offset_or_block = U32At(block, at);
        at += 4;
        out.push_back(d);
    }
    EXPECT_EQ(2048 - at, U16At(block, 0)) << "free bytes";
    return out;
}

std::string Extracted(const std::string& chm, const std::string& folder, const std::string& name) {
    std::string command = "extract_chmLib '" + chm + "' '" + folder + "' >/dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << "extract_chmLib (package chmlib-bin)";
    return ReadFile(folder + name);
}

TEST(KeywordLinks, ManyKeywordsAcrossBlocksReadBackInViewerOrder) {
    TempTree tree;
    std::vector<chm::InputFile> files;
    std::vector<chm::Keyword> keywords;
    for (int i = 0; i < 40; ++i) files.push_back({"/p" + std::to_string(i) + ".htm", "<p>x</p>", "Page " + std::to_string(i)});
    for (int i = 599; i >= 0; --i)
        keywords.push_back({{"Keyword number " + std::to_string(i)}, {"/p" + std::to_string(i % 40) + ".htm", "p3.htm"}});
    keywords.push_back({{"\xE8\x89\xB2"}, {"/p1.htm"}});              // 色
    keywords.push_back({{"Colours", "red"}, {"/p2.htm"}});
    keywords.push_back({{"Colours"}, {}});
    keywords.push_back({{"_under"}, {"/p2.htm", "/not-a-topic.htm"}});
    keywords.push_back({{"9 lives"}, {"/p2.htm"}});
    chm::Options options;
    options.language = 0x411;
    options.keywords = keywords;
    auto bytes = chm::BuildChm(options, files);
    ASSERT_TRUE(bytes) << bytes.error().message;
    std::string chm = tree.Write("k.chm", *bytes);
    std::string btree = Extracted(chm, tree.Path("out"), "/$WWKeywordLinks/BTree");
    std::string map = ReadFile(tree.Path("out") + "/$WWKeywordLinks/Map");
    ASSERT_GT(btree.size(), 76u);
    ASSERT_EQ((btree.size() - 76) % 2048, 0u);
    size_t blocks = (btree.size() - 76) / 2048;
    EXPECT_EQ(U32At(btree, 0x26), blocks);
    EXPECT_EQ(U32At(btree, 0x2C), keywords.size());
    EXPECT_EQ(U32At(btree, 0x30), 932u);
    EXPECT_EQ(U16At(btree, 0x2A), 2u) << "one index level above the listing blocks";
    auto block = [&](uint32_t n) { return btree.substr(76 + size_t{n} * 2048, 2048); };

    // Listing blocks, followed by their links, give every keyword once, in order.
    std::vector<Decoded> all;
    std::vector<std::u16string> firsts;
    uint32_t last = U32At(btree, 0x1A);
    ASSERT_EQ(U16At(map, 0), last + 1);
    for (uint32_t n = 0, previous = 0xFFFFFFFFu; n != 0xFFFFFFFFu; previous = n, n = U32At(block(n), 8)) {
        ASSERT_LE(n, last);
        EXPECT_EQ(U32At(block(n), 4), previous);
        EXPECT_EQ(U32At(map, 2 + 8 * n), all.size()) << "keywords before block " << n;
        auto entries = DecodeBlock(block(n), true);
        firsts.push_back(entries.front().text);
        all.insert(all.end(), entries.begin(), entries.end());
    }
    ASSERT_EQ(all.size(), keywords.size());
    for (size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i].data_offset_or_block, 13 * i);
        if (i) {
            EXPECT_TRUE(chm::KeywordLess(all[i - 1].text, all[i].text));
        }
    }
    EXPECT_EQ(all[0].text, u"_under");
    EXPECT_EQ(all[0].topics, std::vector<uint32_t>{2});
    EXPECT_EQ(all[1].text, u"9 lives");
    EXPECT_EQ(all[2].text, u"Colours");
    EXPECT_EQ(all[3].text, u"Colours, red");
    EXPECT_EQ(all[3].depth, 1u);
    EXPECT_EQ(all[3].char_index, 9u);
    EXPECT_EQ(all.back().text, u"\u8272");
    EXPECT_EQ(all[4].topics, (std::vector<uint32_t>{0, 3})) << "Keyword number 0";

    // The root names each listing block but the first by that block's first keyword.
    auto index = DecodeBlock(block(U32At(btree, 0x1E)), false);
    EXPECT_EQ(U32At(block(U32At(btree, 0x1E)), 4), 0u);
    ASSERT_EQ(index.size(), firsts.size() - 1);
    for (size_t i = 0; i < index.size(); ++i) {
        EXPECT_EQ(index[i].text, firsts[i + 1]);
        EXPECT_EQ(index[i].data_offset_or_block, i + 1);
    }
    chm_test::FileMap expected;
    for (const auto& f : files) expected[f.name] = f.bytes;
    for (const auto& diff : chm_test::CompareWithReaders(chm, expected, tree.Path("readers"))) ADD_FAILURE() << diff;
}

// The fields that do not depend on the keywords are those of Microsoft's own file.
TEST(KeywordLinks, FixedFieldsAreThoseOfTheReferenceFile) {
    TempTree tree;
    std::string theirs = Extracted("/work/shared/reference-chm/macro_ja.chm", tree.Path("ref"), "/$WWKeywordLinks/BTree");
    std::string base = tree.Path("ref") + "/$WWKeywordLinks/";
    auto ours = chm::BuildKeywordLinks({{{"a"}, {"/a.htm"}}}, 932, 0x411,
                                       [](const std::string&) { return std::optional<uint32_t>(0); });
    ASSERT_TRUE(ours);
    ASSERT_GE(theirs.size(), 76u);
    for (auto [at, size] : {std::pair{0, 0x16}, std::pair{0x22, 4}, std::pair{0x30, 0x1C}})
        EXPECT_EQ(ours->btree.substr(at, size), theirs.substr(at, size)) << "header at " << at;
    EXPECT_EQ(ours->property, ReadFile(base + "Property"));
    EXPECT_EQ(ours->data, ReadFile(base + "Data").substr(0, 13));
}

}  // namespace

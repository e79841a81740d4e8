// The binary contents read back through chmlib and walked as xchm walks it: from the header's
// first entry along next-sibling links, into a book's first child, names through #TOPICS.
#include <gtest/gtest.h>

#ifdef TESS_HAVE_CHMLIB
#include <chm_lib.h>

#include <fstream>

#include "chm/writer.h"

namespace {

uint32_t U32At(const std::string& s, size_t at) {
    return uint8_t(s[at]) | uint8_t(s[at + 1]) << 8 | uint8_t(s[at + 2]) << 16 | uint32_t(uint8_t(s[at + 3])) << 24;
}

std::string Object(chmFile* file, const char* name) {
    chmUnitInfo ui;
    if (chm_resolve_object(file, name, &ui) != CHM_RESOLVE_SUCCESS) return {};
    std::string bytes(ui.length, '\0');
    chm_retrieve_object(file, &ui, reinterpret_cast<unsigned char*>(bytes.data()), 0, ui.length);
    return bytes;
}

struct Read {
    std::string tocidx, topics, strings, url_tbl, url_str;
    // One line an entry: indent for depth, name, " -> address" when it opens one.
    void Walk(uint32_t at, uint32_t parent, int depth, std::string& out) const {
        for (; at; at = U32At(tocidx, at + 0x10)) {
            uint32_t flags = U32At(tocidx, at + 4), index = U32At(tocidx, at + 8);
            EXPECT_EQ(U32At(tocidx, at + 0x0C), parent);
            out += std::string(2 * depth, ' ');
            if (flags & 8) {
                EXPECT_EQ(U32At(topics, index * 16), at) << "the topic names its entry";
                out += strings.c_str() + U32At(topics, index * 16 + 4);
                out += " -> " + std::string(url_str.c_str() + U32At(url_tbl, U32At(topics, index * 16 + 8) + 8) + 8);
            } else {
                out += strings.c_str() + index;
            }
            out += "\n";
            if (flags & 4) Walk(U32At(tocidx, at + 0x14), at, depth + 1, out);
        }
    }
};

TEST(ContentsIndex, NestedContentsWalkedAsXchmDoes) {
    chm::Options options;
    options.language = 0x411;
    std::vector<chm::InputFile> files = {
        {"/a.htm", "<p>a</p>", "Title A"}, {"/b/c.htm", "<p>c</p>", "\x83\x65\x83\x58\x83\x67"},  // テスト
        {"/d.htm", "<p>d</p>", "Title D"}, {"/pic.png", "png", std::nullopt}};
    options.contents = {
        {"Title A", "/a.htm", {{"\x83\x65\x83\x58\x83\x67", "b/c.htm", {}}, {"Renamed D", "/d.htm", {}}}},
        {"Heading", "", {{"Deeper", "", {{"Picture", "/pic.png", {}}}}, {"Again A", "a.htm", {}}}},
        {"Last", "/d.htm", {}}};
    auto bytes = chm::BuildChm(options, files);
    ASSERT_TRUE(bytes) << bytes.error().message;
    std::string path = testing::TempDir() + "/contents_index.chm";
    std::ofstream(path, std::ios::binary) << *bytes;
    chmFile* file = chm_open(path.c_str());
    ASSERT_NE(file, nullptr);
    Read r{Object(file, "/#TOCIDX"), Object(file, "/#TOPICS"), Object(file, "/#STRINGS"), Object(file, "/#URLTBL"),
           Object(file, "/#URLSTR")};
    chm_close(file);
    ASSERT_GE(r.tocidx.size(), 0x1000u);
    EXPECT_EQ(U32At(r.tocidx, 8), 8u) << "entry count";
    std::string walked;
    r.Walk(U32At(r.tocidx, 0), 0, 0, walked);
    // An entry named otherwise than its page gets a topic of its own name, opening the same page.
    EXPECT_EQ(walked,
              "Title A -> a.htm\n"
              "  \x83\x65\x83\x58\x83\x67 -> b/c.htm\n"
              "  Renamed D -> d.htm\n"
              "Heading\n"
              "  Deeper\n"
              "    Picture\n"
              "  Again A -> a.htm\n"
              "Last -> d.htm\n");
    EXPECT_EQ(r.topics.size(), 6u * 16) << "three pages and three renamed entries";
}

}  // namespace
#endif
